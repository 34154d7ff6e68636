#include "ui/widgets/CoordButtonImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QDynamicPropertyChangeEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <utility>

#include "ui/widgets/CoordButtonPositions.h"
#include "ui/widgets/ScalablePicture.h"

namespace keylume {

struct CoordButtonImage::PictureSlot {
    QString name;
    std::unique_ptr<ScalablePicture> picture;
};

namespace {

CoordButtonImage::ResourceResolver& Resolver() {
    static CoordButtonImage::ResourceResolver resolver;
    return resolver;
}

QColor ToQColor(uint32_t value) {
    // Plain 0xRRGGBB values are opaque; only a non-zero top byte carries alpha.
    return (value >> 24) == 0 ? QColor::fromRgb(value) : QColor::fromRgba(value);
}

uint32_t KeyStateOf(const QMouseEvent& event) {
    uint32_t state = 0;
    const Qt::MouseButtons buttons = event.buttons();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (buttons & Qt::LeftButton) state |= MouseKeyState::kLeftButton;
    if (buttons & Qt::RightButton) state |= MouseKeyState::kRightButton;
    if (buttons & Qt::MiddleButton) state |= MouseKeyState::kMiddleButton;
    if (buttons & Qt::XButton1) state |= MouseKeyState::kXButton1;
    if (buttons & Qt::XButton2) state |= MouseKeyState::kXButton2;
    if (modifiers & Qt::ShiftModifier) state |= MouseKeyState::kShift;
    if (modifiers & Qt::ControlModifier) state |= MouseKeyState::kControl;
    return state;
}

// "2", "0x2", "0X2"; anything unreadable selects nothing.
int ParseSelectionType(const QVariant& value) {
    bool ok = false;
    int type = 0;
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) {
        const QString text = value.toString().trimmed();
        if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            type = text.mid(2).toInt(&ok, 16);
        else
            type = text.toInt(&ok, 10);
    } else {
        type = value.toInt(&ok);
    }
    return ok ? type : 0;
}

// The layout attributes; a dynamic property spelt in another case maps here.
constexpr const char* kAttributes[] = {"bg", "chking", "chked", "crdxml", "type"};

}  // namespace

void CoordButtonImage::SetResourceResolver(ResourceResolver resolver) {
    Resolver() = std::move(resolver);
}

QString CoordButtonImage::ResolveResource(const QString& name) {
    if (name.isEmpty()) return {};
    if (Resolver()) return Resolver()(name);
    if (QDir::isAbsolutePath(name)) return name;
    QString relative = name;
    while (relative.startsWith(QLatin1Char('\\'))) relative.remove(0, 1);
    return QDir(QCoreApplication::applicationDirPath()).filePath(relative);
}

bool CoordButtonImage::IsLayoutClass(const QString& layoutClass) {
    return layoutClass.compare(QLatin1String(kLayoutClass), Qt::CaseInsensitive) == 0 ||
           layoutClass.compare(QLatin1String("window"), Qt::CaseInsensitive) == 0;
}

CoordButtonImage::CoordButtonImage(QWidget* parent)
    : QWidget(parent),
      background_(std::make_unique<PictureSlot>()),
      hover_(std::make_unique<PictureSlot>()),
      checked_(std::make_unique<PictureSlot>()) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

CoordButtonImage::~CoordButtonImage() = default;

bool CoordButtonImage::SetPicture(PictureSlot& slot, const QString& name) {
    if (name.isEmpty()) {
        slot.name.clear();
        slot.picture.reset();
        update();
        return true;
    }
    std::unique_ptr<ScalablePicture> picture = ScalablePicture::Load(ResolveResource(name));
    if (!picture) return false;
    slot.name = name;
    slot.picture = std::move(picture);
    updateGeometry();
    update();
    return true;
}

bool CoordButtonImage::SetBackground(const QString& name) {
    return SetPicture(*background_, name);
}
bool CoordButtonImage::SetHoverPicture(const QString& name) {
    return SetPicture(*hover_, name);
}
bool CoordButtonImage::SetCheckedPicture(const QString& name) {
    return SetPicture(*checked_, name);
}
QString CoordButtonImage::Background() const {
    return background_->name;
}
QString CoordButtonImage::HoverPicture() const {
    return hover_->name;
}
QString CoordButtonImage::CheckedPicture() const {
    return checked_->name;
}

bool CoordButtonImage::SetPositionsFile(const QString& name) {
    positionsFile_ = name;
    ++positionsGeneration_;
    bool loaded = true;
    if (name.isEmpty())
        buttons_.clear();
    else
        loaded = LoadCoordButtonsFromFile(ResolveResource(name), buttons_);
    setToolTip(QString());
    update();
    return loaded;
}

void CoordButtonImage::SetSelectionType(int type) {
    selectionType_ = type;
}

void CoordButtonImage::SetSelectionTypeValue(const QVariant& value) {
    selectionType_ = ParseSelectionType(value);
}

int CoordButtonImage::FindButton(int x, int y) const {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].Contains(x, y)) return static_cast<int>(i);
    }
    return -1;
}

int CoordButtonImage::FindButtonById(int32_t id) const {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

void CoordButtonImage::SetButtonTip(int32_t id, const QString& tip) {
    if (id == kAllButtons) {
        for (CoordButton& button : buttons_) button.tip = tip;
    } else if (int i = FindButtonById(id); i >= 0) {
        buttons_[i].tip = tip;
    }
    update();
}

void CoordButtonImage::SetButtonChecked(int32_t id, bool checked) {
    if (id == kAllButtons) {
        for (CoordButton& button : buttons_) button.checked = checked;
    } else if (int i = FindButtonById(id); i >= 0) {
        buttons_[i].checked = checked;
    }
    update();
}

void CoordButtonImage::ToggleButtonChecked(int32_t id) {
    if (id == kAllButtons) {
        for (CoordButton& button : buttons_) button.checked = !button.checked;
    } else if (int i = FindButtonById(id); i >= 0) {
        buttons_[i].checked = !buttons_[i].checked;
    }
    update();
}

bool CoordButtonImage::GetButton(int32_t id, CoordButton* out) const {
    const int i = FindButtonById(id);
    if (i < 0) return false;
    if (out) *out = buttons_[i];
    return true;
}

QSize CoordButtonImage::sizeHint() const {
    if (background_->picture) return background_->picture->Size();
    return QSize(900, 300);
}

bool CoordButtonImage::event(QEvent* event) {
    if (event->type() == QEvent::DynamicPropertyChange) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
        for (const char* attribute : kAttributes) {
            if (name.compare(attribute, Qt::CaseInsensitive) == 0 && name != attribute) {
                const QVariant value = property(name.constData());
                if (value.isValid()) setProperty(attribute, value);
                break;
            }
        }
    }
    return QWidget::event(event);
}

void CoordButtonImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();

    // Key colours first: they show through the transparent parts of the picture.
    for (const CoordButton& button : buttons_) {
        const QRect area(QPoint(button.left, button.top),
                         QPoint(button.right - 1, button.bottom - 1));
        if (!area.isEmpty()) painter.fillRect(area, ToQColor(button.color));
    }

    if (ScalablePicture* picture = background_->picture.get()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QImage& pixels = picture->Pixels(size(), dpr);
        painter.drawImage(QRectF(rect()), pixels, QRectF(pixels.rect()));
    }

    // Overlays share the key rectangles' coordinates; a checked key is drawn
    // over a hovered one.
    auto drawOverlay = [&](PictureSlot& slot, bool CoordButton::*flag) {
        ScalablePicture* picture = slot.picture.get();
        if (!picture || picture->Size().isEmpty()) return;
        const QImage& pixels = picture->Pixels(picture->Size(), dpr);
        const qreal sx = qreal(pixels.width()) / picture->Size().width();
        const qreal sy = qreal(pixels.height()) / picture->Size().height();
        for (const CoordButton& button : buttons_) {
            if (!(button.*flag) || button.right <= button.left || button.bottom <= button.top)
                continue;
            const QRectF target(button.left, button.top, qreal(button.right) - button.left,
                                qreal(button.bottom) - button.top);
            const QRectF source(target.x() * sx, target.y() * sy, target.width() * sx,
                                target.height() * sy);
            painter.drawImage(target, pixels, source);
        }
    };
    drawOverlay(*hover_, &CoordButton::hovered);
    drawOverlay(*checked_, &CoordButton::checked);
}

bool CoordButtonImage::FireClick(int index, int phase, uint32_t keyState, int x, int y) {
    const int32_t id = buttons_[index].id;
    if (listener_) {
        // The listener may run a modal dialog; the widget may be gone after it.
        QPointer<CoordButtonImage> self(this);
        const int handled =
            listener_->OnCoordButtonClick(id, buttons_[index].name, phase, keyState, x, y);
        if (!self) return false;
        if (handled != 0) return true;
    }
    if (phase == kCoordButtonPress) {
        if (selectionType_ == kSelectSingle) {
            for (CoordButton& button : buttons_) button.checked = false;
            update();
            ToggleButtonChecked(id);
        } else if (selectionType_ == kSelectToggle) {
            ToggleButtonChecked(id);
        }
    }
    update();
    return true;
}

void CoordButtonImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    event->accept();
    const QPoint p = event->position().toPoint();
    const int index = FindButton(p.x(), p.y());
    if (index < 0) return;
    const unsigned generation = positionsGeneration_;
    if (!FireClick(index, kCoordButtonPress, KeyStateOf(*event), p.x(), p.y())) return;
    if (generation != positionsGeneration_) return;  // the listener reloaded the keys
    buttons_[index].pressed = true;
    update();
}

void CoordButtonImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    event->accept();
    const QPoint p = event->position().toPoint();
    const int index = FindButton(p.x(), p.y());
    if (index < 0) return;
    const unsigned generation = positionsGeneration_;
    if (buttons_[index].pressed &&
        !FireClick(index, kCoordButtonRelease, KeyStateOf(*event), p.x(), p.y()))
        return;
    if (generation != positionsGeneration_) return;
    buttons_[index].pressed = false;
    update();
}

void CoordButtonImage::UpdateHover(int x, int y) {
    const CoordButton* top = nullptr;
    bool changed = false;
    for (CoordButton& button : buttons_) {
        const bool inside = button.Contains(x, y);
        changed |= button.hovered != inside;
        button.hovered = inside;
        if (inside) top = &button;  // the last one in list order wins the tooltip
    }
    const QString text = top ? (top->tip.isEmpty() ? top->name : top->tip) : QString();
    if (text != toolTip()) {
        setToolTip(text);
        // A tooltip already on screen follows the mouse to the next key.
        if (QToolTip::isVisible()) {
            if (text.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(mapToGlobal(QPoint(x, y)), text, this);
        }
    }
    if (changed) update();
}

void CoordButtonImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    UpdateHover(p.x(), p.y());
    event->accept();
}

void CoordButtonImage::leaveEvent(QEvent* event) {
    for (CoordButton& button : buttons_) button.hovered = false;
    setToolTip(QString());
    update();
    QWidget::leaveEvent(event);
}

}  // namespace keylume
