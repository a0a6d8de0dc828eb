#include "widgets/catalogue_background.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "document/edit_panels.h"

namespace op {

QImage scaleBackground(const QImage &picture, int width) {
  if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return {};
  const double factor = double(width) / picture.width();
  const int height = int(picture.height() * factor);
  if (height <= 0) return {};
  QImage scaled(width, height, QImage::Format_RGB32);
  scaled.fill(Qt::white);
  QPainter painter(&scaled);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(0, 0, width, height), picture);
  return scaled;
}

bool isSupportedBackgroundFile(const QString &path) {
  const QString extension = QFileInfo(path).suffix().toUpper();
  return extension == QLatin1String("BMP") || extension == QLatin1String("JPG");
}

QByteArray backgroundJpeg(const QString &path, bool scale) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  if (!scale && QFileInfo(path).suffix().toUpper() == QLatin1String("JPG")) return bytes;
  QImage picture;
  if (!picture.loadFromData(bytes)) return {};
  return jpegBytes(scale ? scaleBackground(picture) : picture);
}

}  // namespace op
