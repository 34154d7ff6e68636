#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

namespace keylume {

// The index of the resource folder "uires": uires.idx maps "type:name" to a
// file inside the folder. Types and names are matched case-insensitively.
//
// uires.idx is XML: one element per type, holding <file name=".." path=".."/>:
//   <resource>
//     <layout><file name="XML_MAINWND" path="layout/mainwnd.ui"/></layout>
//   </resource>
// Paths are relative to the folder; an entry that is absolute or climbs out
// of the folder with ".." is ignored.
class ResourceIndex {
  public:
    // Reads `folder`/uires.idx. False (and an empty index) when the folder or
    // its index is missing or does not parse; ErrorString() then says why.
    bool Load(const QString& folder);

    bool IsLoaded() const { return loaded_; }
    QString Folder() const { return folder_; }
    QString ErrorString() const { return error_; }

    // "type:name" as one text, e.g. "LAYOUT:XML_MAINWND".
    bool Contains(const QString& resourceName) const;
    bool Contains(const QString& type, const QString& name) const;

    // Absolute path of the resource's file; empty when it is not in the index.
    QString FilePath(const QString& resourceName) const;
    QString FilePath(const QString& type, const QString& name) const;

    // The file's bytes; none when the resource is not indexed or unreadable.
    std::optional<QByteArray> Read(const QString& resourceName) const;
    std::optional<QByteArray> Read(const QString& type, const QString& name) const;

    // Adds or replaces one entry (path relative to the folder); used by tools
    // and tests that build an index in code.
    void Add(const QString& type, const QString& name, const QString& relativePath);

    // Lower-cased "type:name" keys to absolute paths.
    const QHash<QString, QString>& Entries() const { return entries_; }

    // Splits "type:name" at its first colon; false when there is none.
    static bool SplitName(const QString& resourceName, QString& type, QString& name);

  private:
    static QString Key(const QString& type, const QString& name);

    QString folder_;
    QString error_;
    bool loaded_ = false;
    QHash<QString, QString> entries_;
};

// The resource set the program runs with, loaded at start-up.
ResourceIndex& GetResourceIndex();

}  // namespace keylume
