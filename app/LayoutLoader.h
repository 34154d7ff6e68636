#pragma once

#include <QString>
#include <QUiLoader>
#include <QWidget>
#include <functional>

namespace keylume {

class ResourceIndex;

// Creates one of the program's own widget classes for the layout loader.
using WidgetFactory = std::function<QWidget*(QWidget* parent)>;

// Makes a widget class known to every LayoutLoader by its class name as the
// layouts spell it (e.g. "CoordButtonImage", listed under <customwidgets> in
// the .ui file). An existing registration of the same name is kept; false then.
bool RegisterWidgetClass(const QString& className, WidgetFactory factory);
bool IsWidgetClassRegistered(const QString& className);

// Registers the program's widget classes (the keyboard picture among them).
// Called once at start-up, before any layout is loaded; repeating it is harmless.
void RegisterProgramWidgetClasses();

// Loads Qt Designer layouts (.ui files) from the resource set by resource
// name, e.g. "LAYOUT:XML_MAINWND" or "LAYOUT:macro".
//
// Every widget created gets its numeric id (WidgetLookup.h) from the named-ID
// table. The loader keeps each widget's translatable source texts (texts,
// titles, tool tips, combo box items, tab titles), so when a translator is
// installed or replaced (TranslatorManager) the widgets translate themselves
// again in place. The translation context of a layout's texts is the class
// name of its top widget in the .ui file (the <class> element).
class LayoutLoader : public QUiLoader {
    Q_OBJECT
  public:
    explicit LayoutLoader(const ResourceIndex& resources, QObject* parent = nullptr);

    // The layout's top widget, created as a child of `parent` (or top-level);
    // null when the resource is missing or does not load (ErrorString()).
    QWidget* LoadLayout(const QString& resourceName, QWidget* parent = nullptr);

    QString ErrorString() const { return error_; }

    QWidget* createWidget(const QString& className, QWidget* parent = nullptr,
                          const QString& name = QString()) override;

  private:
    const ResourceIndex& resources_;
    QString error_;
};

}  // namespace keylume
