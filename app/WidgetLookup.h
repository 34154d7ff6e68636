#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <string_view>

namespace keylume {

// The layout classes the code asks for, and the Qt classes that satisfy them:
//   "window"              any QWidget
//   "text"                QLabel
//   "edit", "editex"      QLineEdit
//   "button"              QAbstractButton
//   "imgbtn"              QAbstractButton (a push or tool button with a picture)
//   "check", "checkex"    QAbstractButton that is checkable (QCheckBox, checkable buttons)
//   "radio", "radioex"    QRadioButton
//   "combobox"            QComboBox
//   "sliderbar"           QSlider
//   "tabctrl", "tabctrl2" QTabWidget or QStackedWidget
//   "listview"            QAbstractItemView
//   "mclistview"          QAbstractItemView (a table or tree with columns)
//   "cbimg"               keylume::CoordButtonImage (the keyboard picture)
// An empty class accepts any widget; an unknown class accepts none.
bool WidgetHasLayoutClass(const QWidget* widget, std::string_view layoutClass);

// Name of the dynamic property holding a widget's numeric id. The layout
// loader sets it for every widget whose name is in the named-ID table; a
// layout may also give a widget an "id" property of its own.
inline constexpr char kWidgetIdProperty[] = "id";

// The widget's id: its "id" property, else the named-ID table's id of its
// object name, else 0.
int32_t WidgetId(const QObject* widget);

// Searches `root` and every widget below it (root included) for the first
// widget with this object name, in depth-first order. Null when none is
// found, when the name is empty, or when the widget found is not of
// `layoutClass`.
QWidget* FindWidgetByName(QWidget* root, const QString& name, std::string_view layoutClass = {});
// The same by numeric id (see WidgetId).
QWidget* FindWidgetById(QWidget* root, int32_t id, std::string_view layoutClass = {});

// Typed forms: null also when the widget is not a T.
template <class T>
T* FindWidgetByName(QWidget* root, const QString& name, std::string_view layoutClass = {}) {
    return qobject_cast<T*>(FindWidgetByName(root, name, layoutClass));
}
template <class T>
T* FindWidgetById(QWidget* root, int32_t id, std::string_view layoutClass = {}) {
    return qobject_cast<T*>(FindWidgetById(root, id, layoutClass));
}

}  // namespace keylume
