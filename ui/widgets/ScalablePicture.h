#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace keylume {

// A picture of the keyboard widget: an SVG drawing, rasterised on demand at
// the size and device pixel ratio it is drawn at (so it stays crisp on HiDPI
// screens), or a raster image used as it is.
class ScalablePicture {
  public:
    // Null when the file is missing or is neither an SVG nor a readable image.
    static std::unique_ptr<ScalablePicture> Load(const QString& path);

    ~ScalablePicture();

    // Size in device-independent pixels (an SVG's own size, a raster image's
    // pixels divided by its device pixel ratio).
    QSize Size() const { return size_; }

    // The picture as pixels for drawing it over `logicalSize` at `dpr`. An SVG
    // is rendered anew only when the size or ratio changes; a raster image
    // comes back unchanged, and the painter scales it.
    const QImage& Pixels(QSize logicalSize, qreal dpr);

  private:
    ScalablePicture() = default;

    std::unique_ptr<QSvgRenderer> svg_;
    QImage image_;
    QSize size_;
    QSize renderedSize_;
    qreal renderedDpr_ = 0;
};

}  // namespace keylume
