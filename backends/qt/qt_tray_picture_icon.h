#pragma once

#include <QIcon>
#include <QImage>

#include "interfaces/notification_icon.h"
#include "tray/tray_pictures.h"

namespace dawnquill {

// A tray picture at size x size pixels.
QImage TrayPictureImage(TrayPicture picture, int size = tray_pictures::kPixelledSize);

// A tray picture as an icon that draws each size when it is first asked for: tray hosts show
// icons at 22 or 24 pixels, and more on a screen of higher density, where a 16-pixel picture blown
// up blurs.
QIcon TrayPictureIcon(TrayPicture picture);

}  // namespace dawnquill
