#include "controls/image.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

#include "core/base64.h"
#include "document/class_registry.h"
#include "document/edit_panels.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

namespace {

QString &programFolderSetting() {
  static QString folder;
  return folder;
}

bool isJpeg(const QByteArray &bytes) {
  return bytes.startsWith("\xFF\xD8");
}

}  // namespace

void TPCostomImage::setProgramFolder(const QString &folder) {
  programFolderSetting() = folder;
}

QString TPCostomImage::programFolder() {
  const QString &folder = programFolderSetting();
  return folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder;
}

TPCostomImage::TPCostomImage(QObject *owner) : QelElementField(owner) {
  setGeometry(QRect(0, 0, 105, 105));
  const QString defaultPicture = QDir(programFolder()).filePath(QStringLiteral("res/Default.jpg"));
  if (QFileInfo::exists(defaultPicture)) loadFile(defaultPicture);
}

const QImage &TPCostomImage::picture() const {
  if (picture_.isNull() && !jpeg_.isEmpty()) picture_.loadFromData(jpeg_, "JPEG");
  return picture_;
}

bool TPCostomImage::setPictureBytes(const QByteArray &bytes) {
  if (isJpeg(bytes)) {
    // A JPEG stream is kept byte for byte, so saving a template does not recompress it.
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "JPEG");
    QImage decoded;
    if (!reader.read(&decoded)) return false;
    jpeg_ = bytes;
    picture_ = decoded;
    emit pictureChanged();
    emit changed();
    return true;
  }
  QImage image;
  if (bytes.isEmpty() || !image.loadFromData(bytes)) return false;
  return setPicture(image);
}

bool TPCostomImage::setPicture(const QImage &image) {
  if (image.isNull()) return false;
  const QByteArray jpeg = jpegBytes(image);
  if (jpeg.isEmpty()) return false;
  jpeg_ = jpeg;
  picture_ = QImage();
  emit pictureChanged();
  emit changed();
  return true;
}

bool TPCostomImage::loadFile(const QString &path) {
  QFile file(path);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return false;
  return setPictureBytes(file.readAll());
}

void TPCostomImage::clearPicture() {
  if (jpeg_.isEmpty()) return;
  jpeg_.clear();
  picture_ = QImage();
  emit pictureChanged();
  emit changed();
}

QString TPCostomImage::imageData() const {
  return jpeg_.isEmpty() ? QString() : toStorageText(jpeg_);
}

bool TPCostomImage::setImageData(const QString &text) {
  return setPictureBytes(fromStorageText(text));
}

void TPCostomImage::setStretch(bool on) {
  if (on == stretch_) return;
  stretch_ = on;
  emit changed();
}

void TPCostomImage::setBindValue(const QString &value) {
  const QString name = value.trimmed();
  if (name.size() > 3) clearPicture();
  const QString suffix = QFileInfo(name).suffix();
  if (suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0 ||
      suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0) {
    if (QFileInfo::exists(name)) {
      loadFile(name);
    } else {
      QString relative = QString(name).replace(QLatin1Char('\\'), QLatin1Char('/'));
      if (relative.startsWith(QLatin1Char('/'))) relative.remove(0, 1);
      const QString inProgramFolder = QDir(programFolder()).filePath(relative);
      if (QFileInfo::exists(inProgramFolder)) loadFile(inProgramFolder);
    }
  }
  bindValue_ = value;
}

std::unique_ptr<TQelBaseDesigned> TPCostomImage::createDesign() {
  return std::make_unique<TPImageDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomImage::createPrintData() {
  return std::make_unique<TPImagePrintData>(*this);
}

QImage turnedPicture(const QImage &picture, int angle) {
  // QTransform turns clockwise on the y-down page; the angles count counter-clockwise.
  switch (angle / 900) {
    case 1:
      return picture.transformed(QTransform().rotate(270));
    case 2:
      return picture.transformed(QTransform().rotate(180));
    case 3:
      return picture.transformed(QTransform().rotate(90));
    default:
      return picture;
  }
}

void TPImageDesigned::SetBindName(const QString &name) {
  if (image_.bindType != -1) image_.bindName = name;
}

const PropertyTable &TPImageDesigned::publishedProperties() const {
  using T = TPImageDesigned;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .integer(QStringLiteral("Top"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("Left"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("Height"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("Width"), &T::Width, &T::SetWidth)
          .text(QStringLiteral("ImageData"), &T::ImageData, &T::SetImageData)
          .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
          .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
          .boolean(QStringLiteral("PAutoSize"), &T::PAutoSize, &T::SetPAutoSize)
          .integer(QStringLiteral("FontExtStyle"), &T::GetFontExtStyle, &T::SetFontExtStyle)
          .build();
  return table;
}

std::unique_ptr<PrintItem> TPImagePrintData::GetPrinteData(int idx) {
  if (idx != 0 || !image_.hasPicture()) return nullptr;
  const int angle = image_.fontExtStyle();
  QByteArray jpeg = image_.pictureJpeg();
  if (angle / 900 >= 1 && angle / 900 <= 3) {
    jpeg = jpegBytes(turnedPicture(image_.picture(), angle));
    if (jpeg.isEmpty()) return nullptr;
  }
  auto item = std::make_unique<PrintItem>();
  const ItemFont font = itemFontOf(image_);
  FillItemHeader(*item, &font);
  const ControlGeometry geometry = controlGeometryOf(image_);
  item->BaseRect = ControlBaseRect(&geometry);
  item->HasFontExt = false;
  item->PrintType = kPrintImage;
  item->PrintRect = ControlPrintRect(&geometry, angle);
  item->BoStretch = image_.stretch();
  SetItemText(*item, toStorageText(jpeg));
  return item;
}

void registerImageClass() {
  registerFieldClass<TQELImage>(QStringLiteral("TQELImage"));
}

}  // namespace op
