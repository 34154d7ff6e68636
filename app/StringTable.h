#pragma once

#include <QString>
#include <QStringList>

namespace keylume {

class ResourceIndex;

// The UI string table, resource "values:string":
//   <string><item name="instance">keylume</item> ...</string>
// Entries are numbered in document order; entry 0 is the instance name.
class StringTable {
  public:
    bool Load(const ResourceIndex& resources);
    bool LoadFromData(const QByteArray& xml);

    int Count() const { return static_cast<int>(values_.size()); }
    // Empty for an index outside the table.
    QString At(int index) const;
    // Empty when no entry has this name.
    QString ByName(const QString& name) const;

  private:
    QStringList names_;
    QStringList values_;
};

// The name every running instance is found by when the resource set has none.
inline constexpr char kFallbackInstanceName[] = "keylume";

// Entry 0 of the string table, or kFallbackInstanceName when the table is
// missing or its entry 0 is empty.
QString InstanceName(const ResourceIndex& resources);

}  // namespace keylume
