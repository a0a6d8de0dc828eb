#include "document/edit_panels.h"

#include <QBuffer>
#include <QImageReader>

#include "core/base64.h"

namespace op {

TEditPanels::TEditPanels(QObject *parent) : QObject(parent) {}

const PropertyTable &TEditPanels::publishedProperties() const {
  using T = TEditPanels;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .text(QStringLiteral("Name"), &T::Name, &T::SetName)
          .integer(QStringLiteral("Tag"), &T::Tag, &T::SetTag)
          .boolean(QStringLiteral("AlignWithMargins"), &T::AlignWithMargins, &T::SetAlignWithMargins)
          .integer(QStringLiteral("Left"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("Top"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("Width"), &T::Width, &T::SetWidth)
          .integer(QStringLiteral("Height"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("Cursor"), &T::Cursor, &T::SetCursor)
          .text(QStringLiteral("Hint"), &T::Hint, &T::SetHint)
          .enumeration(QStringLiteral("HelpType"), {QStringLiteral("htKeyword"), QStringLiteral("htContext")},
                       &T::GetHelpType, &T::SetHelpType)
          .text(QStringLiteral("HelpKeyword"), &T::HelpKeyword, &T::SetHelpKeyword)
          .integer(QStringLiteral("HelpContext"), &T::HelpContext, &T::SetHelpContext)
          .boolean(QStringLiteral("ParentCustomHint"), &T::ParentCustomHint, &T::SetParentCustomHint)
          .text(QStringLiteral("Title"), &T::Title, &T::SetTitle)
          .text(QStringLiteral("ImageData"), &T::ImageData, &T::SetImageData)
          .text(QStringLiteral("DBID"), &T::DBID, &T::SetDBID)
          .build();
  return table;
}

void TEditPanels::SetTitle(const QString &title) {
  title_ = title;
  emit titleChanged(title_);
}

QString TEditPanels::ImageData() const {
  return jpeg_.isEmpty() ? QString() : toStorageText(jpeg_);
}

void TEditPanels::SetImageData(const QString &text) {
  const QByteArray bytes = fromStorageText(text);
  if (bytes.size() > 7)
    setPictureBytes(bytes);
  else
    clearPicture();
}

namespace {
bool isJpeg(const QByteArray &bytes) {
  return bytes.startsWith("\xFF\xD8");
}
}  // namespace

void TEditPanels::setPictureBytes(const QByteArray &bytes) {
  if (isJpeg(bytes)) {
    // A JPEG stream is kept as it is; its header tells the size, the pixels are decoded when needed.
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "JPEG");
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid()) {
      clearPicture();
      return;
    }
    picture_ = QImage();
    jpeg_ = bytes;
    pictureSize_ = size;
    emit pictureChanged();
    return;
  }
  QImage image;
  if (!image.loadFromData(bytes)) {
    clearPicture();
    return;
  }
  setPicture(image);
}

void TEditPanels::setPicture(const QImage &image) {
  if (image.isNull()) {
    clearPicture();
    return;
  }
  jpeg_ = jpegBytes(image);
  picture_ = image;
  pictureSize_ = image.size();
  emit pictureChanged();
}

void TEditPanels::clearPicture() {
  if (picture_.isNull() && jpeg_.isEmpty()) return;
  picture_ = QImage();
  jpeg_.clear();
  pictureSize_ = QSize();
  emit pictureChanged();
}

const QImage &TEditPanels::picture() const {
  if (picture_.isNull() && !jpeg_.isEmpty()) picture_.loadFromData(jpeg_, "JPEG");
  return picture_;
}

QSize TEditPanels::panelSize() const {
  return panelSize_.isValid() ? panelSize_ : picture_.size();
}

QByteArray jpegBytes(const QImage &image) {
  QByteArray bytes;
  if (image.isNull()) return bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPEG");
  return bytes;
}

}  // namespace op
