#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace op {

// Width a new template's background is redrawn to when "自动缩小图片到合适的大小" is ticked.
inline constexpr int kBackgroundWidth = 800;

// The picture stretched to `width` pixels, its height trunc(h × width / w) (narrower pictures grow too);
// a null image for a picture of zero width or height.
QImage scaleBackground(const QImage &picture, int width = kBackgroundWidth);

// True when the file's extension, upper-cased, is "BMP" or "JPG" (".jpeg" is not).
bool isSupportedBackgroundFile(const QString &path);

// The JPEG bytes a new template stores as its background. Scaled: the picture redrawn to 800 pixels wide.
// Not scaled: a JPG file's bytes unchanged, any other picture converted to JPEG. Empty when the file cannot
// be read or the picture is empty.
QByteArray backgroundJpeg(const QString &path, bool scale);

}  // namespace op
