#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

class QCloseEvent;

namespace keylume {

class CoordButtonImage;
class HidBackend;
class HidDevice;
class IHostServices;
class IKeyboardHookListener;
class SelectedKeyMap;

// What the main window needs from start-up: the device backend (the Linux
// hidraw backend or the simulated keyboard) and the host services that carry
// out key assignments. Both are owned by the caller and outlive the window.
struct MainDlgSetup {
    HidBackend* hidBackend = nullptr;      // the keyboard's HID backend and its monitor
    IHostServices* hostServices = nullptr;  // strokes, launches, session lock
};

// The utility's one main window: lighting page, keyboard picture, window
// commands, tray icon and language. Owns the keyboard device, the device
// worker and the key action executor.
//
// Life: construct (the layout "LAYOUT:XML_MAINWND" is loaded), OnInitDialog()
// (binds the keyboard or, when there is none, says so and destroys the window),
// run the event loop; the window ends the loop when it is destroyed (close
// button, exit command, keyboard removed). The object itself is deleted by the
// caller after the loop.
class CMainDlg : public QWidget {
    Q_OBJECT
public:
    // Menu command ids.
    static constexpr int kCmdFirmwareCheck = 1;
    static constexpr int kCmdExit = 6;

    enum class DeviceEvent { Arrival, Removal };

    explicit CMainDlg(const MainDlgSetup& setup, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // False when the main layout could not be loaded; the window is then empty.
    bool IsLayoutLoaded() const;

    // Finds the widgets, opens the keyboard, shows the stored state, starts the
    // worker. Returns 0. Without a keyboard: the warning, then DestroyWindow().
    int OnInitDialog();

    // Shows, restores and raises the window (a second start asks for this).
    void BringToFront();

    // Ends the window: stops the worker, removes the tray icon, hides, emits
    // windowDestroyed() and ends the event loop. Safe to call more than once.
    void DestroyWindow();
    bool IsWindowDestroyed() const;

    // Arrival or removal of a HID interface, with its identity text.
    int OnDeviceChange(DeviceEvent event, const std::string& path);

    // A command event of a widget, by name first, then by id; true when handled.
    bool OnCommand(const QString& name, int id);
    // A chosen menu item (both menus). Ids other than 1 and 6 are ignored.
    void OnMenuCommand(int id);
    // The tray icon: a left click shows and raises, or hides, the window.
    void OnTrayLeftClick();
    // Retranslates the open window. Not stored.
    void SwitchUiLanguage(bool chinese);
    void ShowMoreMenu();

    // Lighting page.
    void LoadEffectPage(bool select);
    void SaveEffectPage();
    void LoadSidePage(bool select);
    void SaveSidePage();

    // Firmware version and factory reset.
    void QueryFirmwareVersion();
    void ShowFirmwareVersion();
    void CheckFirmware();
    void RestoreFactorySettings();
    int FirmwareVersion() const;
    bool IsRestoringFactory() const;

    // Checks every assigned key on the picture and gives it its label.
    void MarkAssignedKeys();

    // For the key assignment page.
    CoordButtonImage* KeyboardPicture() const;
    SelectedKeyMap& SelectedKeys();
    bool IsKeyboardOpen() const;
    HidDevice& Device();
    // The key assignment dialog while it is open (key events go to it while it
    // records), else null.
    void SetOpenAssignmentDialog(IKeyboardHookListener* dialog);

    // The loaded layout's widget with this name, or null (for tests and tools).
    QWidget* FindChildWidget(const QString& name) const;

signals:
    void windowDestroyed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace keylume
