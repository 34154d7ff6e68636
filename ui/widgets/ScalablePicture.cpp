#include "ui/widgets/ScalablePicture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace keylume {

namespace {

bool LooksLikeSvg(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("svg") || suffix == QLatin1String("svgz");
}

}  // namespace

ScalablePicture::~ScalablePicture() = default;

std::unique_ptr<ScalablePicture> ScalablePicture::Load(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) return nullptr;
    std::unique_ptr<ScalablePicture> picture(new ScalablePicture);
    auto trySvg = [&]() {
        auto renderer = std::make_unique<QSvgRenderer>(path);
        if (!renderer->isValid() || renderer->defaultSize().isEmpty()) return false;
        picture->size_ = renderer->defaultSize();
        picture->svg_ = std::move(renderer);
        return true;
    };
    if (LooksLikeSvg(path)) return trySvg() ? std::move(picture) : nullptr;

    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) return trySvg() ? std::move(picture) : nullptr;
    picture->image_ = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    picture->size_ = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
    return picture;
}

const QImage& ScalablePicture::Pixels(QSize logicalSize, qreal dpr) {
    if (!svg_) return image_;
    if (logicalSize == renderedSize_ && dpr == renderedDpr_ && !image_.isNull()) return image_;
    const QSize pixels(static_cast<int>(std::ceil(logicalSize.width() * dpr)),
                       static_cast<int>(std::ceil(logicalSize.height() * dpr)));
    image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    image_.fill(Qt::transparent);
    if (!pixels.isEmpty()) {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::Antialiasing);
        svg_->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    renderedSize_ = logicalSize;
    renderedDpr_ = dpr;
    return image_;
}

}  // namespace keylume
