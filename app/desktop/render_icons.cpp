// Writes the bell of the main window as hicolor theme icons, each drawn at its own size.
//   render_icons OUTPUT-DIR NAME
#include <cstdio>

#include <QDir>

#include "backends/qt/qt_tray_picture_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: render_icons OUTPUT-DIR NAME\n");
    return 2;
  }
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QString dir =
        QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
    if (!QDir().mkpath(dir)) return 1;
    const QImage picture = dawnquill::TrayPictureImage(dawnquill::TrayPicture::Armed, size);
    if (!picture.save(dir + u'/' + QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png"))) {
      return 1;
    }
  }
  return 0;
}
