#include "backends/qt/qt_tray_picture_icon.h"

#include <algorithm>
#include <cstdint>
#include <map>

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace dawnquill {
namespace {

class TrayPictureEngine final : public QIconEngine {
 public:
  explicit TrayPictureEngine(TrayPicture picture) : picture_(picture) {}

  QIconEngine* clone() const override { return new TrayPictureEngine(*this); }
  // The sizes a StatusNotifierItem host is sent; others are drawn when painted.
  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    return {{16, 16}, {24, 24}, {32, 32}};
  }
  QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    const int side = Side(size);
    return {side, side};
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    QPixmap& drawn = drawn_[Side(size)];
    if (drawn.isNull()) drawn = QPixmap::fromImage(TrayPictureImage(picture_, Side(size)));
    return drawn;
  }
  // Square and centred in the rectangle, at the density of what it is painted on.
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const int side = Side(rect.size());
    const qreal scale = painter->device()->devicePixelRatioF();
    QPixmap drawn = pixmap(QSize(side, side) * scale, mode, state);
    drawn.setDevicePixelRatio(scale);
    painter->drawPixmap(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2,
                        drawn);
  }

 private:
  static int Side(const QSize& size) { return std::max(1, std::min(size.width(), size.height())); }

  TrayPicture picture_;
  std::map<int, QPixmap> drawn_;  // by side
};

}  // namespace

QImage TrayPictureImage(TrayPicture picture, int size) {
  static_assert(sizeof(QRgb) == sizeof(std::uint32_t));  // QRgb is 0xAARRGGBB too
  const tray_pictures::Argb pixels = tray_pictures::ArgbPixels(picture, size);
  return QImage(reinterpret_cast<const uchar*>(pixels.data()), size, size, QImage::Format_ARGB32)
      .copy();  // its own pixels, past the vector's end
}

QIcon TrayPictureIcon(TrayPicture picture) { return QIcon(new TrayPictureEngine(picture)); }

}  // namespace dawnquill
