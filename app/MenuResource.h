#pragma once

#include <QByteArray>
#include <QList>
#include <QMenu>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace keylume {

class ResourceIndex;

// Menu commands with a meaning for the main window; other ids are ignored.
inline constexpr int kCmdFirmwareCheck = 1;
inline constexpr int kCmdExit = 6;

// One entry of an XML menu resource.
struct MenuItemSpec {
    int id = 0;
    QString name;  // the item's widget name, e.g. "zh_cn"; may be empty
    QString text;  // source text, translated in the context "menu"
    bool separator = false;
    bool enabled = true;
    QList<MenuItemSpec> children;  // a sub-menu when not empty
};

// What a chosen menu item delivers to its owner.
struct MenuCommand {
    int id = 0;
    QString name;
};

// Translation context of every menu text.
inline constexpr char kMenuTranslationContext[] = "menu";

// A menu read from an XML resource: "SMENU:menu_tray" (classic) or
// "SMENUEX:menu_more" (extended). Accepted roots: <menu> for the classic
// kind, <menuRoot> or <menuItem> for the extended kind; any other root is not
// a menu. Items:
//   <menu>
//     <item id="1" name="" text="Firmware check"/>
//     <sep/>
//     <item text="Language"><item id="2" name="zh_cn" text="简体中文"/></item>
//   </menu>
// (an extended menu spells <menuItem> for <item> and <sep/> the same). A
// missing "id" reads as 0; texts may be given as the element's text instead
// of a "text" attribute.
class MenuResource {
  public:
    // None when the resource is missing or is not a menu.
    static std::optional<MenuResource> Load(const ResourceIndex& resources,
                                            const QString& resourceName);
    static std::optional<MenuResource> FromData(const QByteArray& xml);

    const QList<MenuItemSpec>& Items() const { return items_; }

    // A QMenu with the items' texts in the current language. Each QAction
    // carries its MenuCommand: see CommandOf().
    std::unique_ptr<QMenu> Build(QWidget* parent = nullptr) const;

    // The command of an action built by Build(); none for other actions.
    static std::optional<MenuCommand> CommandOf(const QAction* action);

  private:
    QList<MenuItemSpec> items_;
};

// Decides which action a shown menu returns; by default QMenu::exec runs
// modally at the position. Tests set a hook so no person is asked.
using MenuHook = std::function<QAction*(QMenu& menu, const QPoint& globalPos)>;
// Returns the previous hook; an empty hook restores the default.
MenuHook SetMenuHook(MenuHook hook);

// Loads the menu resource, shows it with its top-left corner at `globalPos`
// (modal) and returns the chosen command; none when the resource is missing
// or nothing was chosen.
std::optional<MenuCommand> PopupMenu(const ResourceIndex& resources, const QString& resourceName,
                                     const QPoint& globalPos, QWidget* owner = nullptr);

}  // namespace keylume
