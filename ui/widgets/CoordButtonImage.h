#pragma once

#include <QString>
#include <QVariant>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/widgets/CoordButton.h"
#include "ui/widgets/ICoordButtonClickListener.h"

namespace keylume {

class ScalablePicture;

// The keyboard picture: draws a keyboard from a background picture and a
// positions file of key areas, highlights the key under the mouse and the
// checked keys with overlay pictures, shows a tooltip per key and reports
// left-button presses and releases on keys to one listener.
//
// Layout attributes are Qt properties, so the run-time .ui loader sets them
// from a layout's <property> elements (a property spelt in another case, e.g.
// "BG", arrives as a dynamic property and is applied all the same):
//   bg      background picture, stretched over the widget
//   chking  hover picture: the part inside a hovered key is drawn over it
//   chked   checked picture: the part inside a checked key is drawn over it
//   crdxml  positions file; setting it (re)loads the keys
//   type    selection on a press no listener handled: 1 single, 2 toggle,
//           anything else none; a number or text ("2", "0x2")
// Picture and positions names are resource names ("main:img_keboard_normal_png")
// mapped to files by the resolver hook below, or plain paths. Pictures may be
// SVG (rendered at the screen's device pixel ratio) or any raster format Qt
// reads. The overlay pictures share the coordinates of the key rectangles, so
// they are made at the widget's size.
//
// Declaring it in a Qt Designer layout:
//   <widget class="CoordButtonImage" name="img_keyboard">
//     <property name="minimumSize"><size><width>900</width><height>300</height></size></property>
//     <property name="maximumSize"><size><width>900</width><height>300</height></size></property>
//     <property name="bg"><string notr="true">main:img_keboard_normal_png</string></property>
//     <property name="chking"><string notr="true">main:img_keboard_floating_png</string></property>
//     <property name="chked"><string notr="true">main:img_keboard_checked_png</string></property>
//     <property name="crdxml"><string notr="true">xml:keyboard_positions</string></property>
//     <property name="type"><number>0</number></property>
//   </widget>
//   ...
//   <customwidgets>
//     <customwidget>
//       <class>CoordButtonImage</class>
//       <extends>QWidget</extends>
//       <header>ui/widgets/CoordButtonImage.h</header>
//     </customwidget>
//   </customwidgets>
class CoordButtonImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString bg READ Background WRITE SetBackground)
    Q_PROPERTY(QString chking READ HoverPicture WRITE SetHoverPicture)
    Q_PROPERTY(QString chked READ CheckedPicture WRITE SetCheckedPicture)
    Q_PROPERTY(QString crdxml READ PositionsFile WRITE SetPositionsFile)
    Q_PROPERTY(QVariant type READ SelectionTypeValue WRITE SetSelectionTypeValue)

  public:
    // The layout class name of this widget ("cbimg").
    static constexpr char kLayoutClass[] = "cbimg";
    static constexpr int32_t kAllButtons = kAllCoordButtons;

    enum SelectionType : int { kSelectNone = 0, kSelectSingle = 1, kSelectToggle = 2 };

    // Maps a resource name to a file path; an empty result means "not found".
    using ResourceResolver = std::function<QString(const QString& name)>;

    // Process-wide hook the application installs (tests install their own).
    // Without one, a name is taken as a path: absolute as it stands, relative
    // ones inside the executable's folder. Pass an empty function to remove it.
    static void SetResourceResolver(ResourceResolver resolver);
    // The file a picture or positions name stands for; empty when unresolved.
    static QString ResolveResource(const QString& name);

    // True for "cbimg" and "window" (case-insensitive): the layout classes
    // this widget answers to.
    static bool IsLayoutClass(const QString& layoutClass);

    explicit CoordButtonImage(QWidget* parent = nullptr);
    ~CoordButtonImage() override;

    // Pictures. A name that does not resolve or a file that does not load
    // returns false and keeps the old picture; an empty name removes it.
    bool SetBackground(const QString& name);
    bool SetHoverPicture(const QString& name);
    bool SetCheckedPicture(const QString& name);
    QString Background() const;
    QString HoverPicture() const;
    QString CheckedPicture() const;

    // Reads the keys from the positions file, replacing the current ones. A
    // missing or unreadable file, or one without "positions", leaves no keys
    // (false). An empty name also leaves no keys (true).
    bool SetPositionsFile(const QString& name);
    QString PositionsFile() const { return positionsFile_; }

    void SetSelectionType(int type);
    int GetSelectionType() const { return selectionType_; }
    QVariant SelectionTypeValue() const { return selectionType_; }
    void SetSelectionTypeValue(const QVariant& value);

    // The listener of presses and releases (not owned; null for none).
    void SetClickListener(ICoordButtonClickListener* listener) { listener_ = listener; }
    ICoordButtonClickListener* ClickListener() const { return listener_; }

    // Each acts on the first button with `id`, or on every button for
    // kAllButtons, then repaints (also when no button has the id).
    void SetButtonTip(int32_t id, const QString& tip);
    void SetButtonChecked(int32_t id, bool checked);
    void ToggleButtonChecked(int32_t id);

    // True when a button with `id` exists; copies the first one into `out`.
    bool GetButton(int32_t id, CoordButton* out = nullptr) const;

    // The buttons in positions-file order.
    const std::vector<CoordButton>& Buttons() const { return buttons_; }

    // The background picture's size, else 900x300.
    QSize sizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    struct PictureSlot;

    bool SetPicture(PictureSlot& slot, const QString& name);
    int FindButton(int x, int y) const;
    int FindButtonById(int32_t id) const;
    // Calls the listener and applies the selection type; false when the
    // widget was destroyed by the listener.
    bool FireClick(int index, int phase, uint32_t keyState, int x, int y);
    void UpdateHover(int x, int y);

    std::unique_ptr<PictureSlot> background_;
    std::unique_ptr<PictureSlot> hover_;
    std::unique_ptr<PictureSlot> checked_;
    std::vector<CoordButton> buttons_;
    QString positionsFile_;
    int selectionType_ = kSelectNone;
    ICoordButtonClickListener* listener_ = nullptr;
    // Counts positions loads, so a press or release handler can tell that a
    // listener replaced the buttons while it ran.
    unsigned positionsGeneration_ = 0;
};

}  // namespace keylume
