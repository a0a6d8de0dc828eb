#pragma once

#include <QByteArray>
#include <QImage>

#include "document/designed.h"
#include "document/field.h"

namespace op {

// Picture settings used by the designer's pages.
class IQelImageDesign {
 public:
  virtual ~IQelImageDesign() = default;
  virtual void SetImageBase64(const QString &text) = 0;  // as ImageData
  virtual void LoadImageFile(const QString &path) = 0;   // only an existing, readable file changes the picture
  virtual void ClearImage() = 0;
};

// Picture field: holds one picture (kept as JPEG bytes), stretched into the field by default, printed as an
// image item turned with the field's rotation.
class TPCostomImage : public QelElementField {
  Q_OBJECT

 public:
  explicit TPCostomImage(QObject *owner = nullptr);

  // The folder whose "res/Default.jpg" new pictures start with and against which bound file names are tried.
  // Set by the program at start-up; the executable's folder until then.
  static void setProgramFolder(const QString &folder);
  static QString programFolder();

  bool hasPicture() const { return !jpeg_.isEmpty(); }
  // The decoded picture; a null image without one.
  const QImage &picture() const;
  const QByteArray &pictureJpeg() const { return jpeg_; }
  // Takes encoded picture bytes (JPEG kept as it is, BMP, PNG … converted to JPEG). Bytes no decoder reads
  // leave the picture as it was and answer false.
  bool setPictureBytes(const QByteArray &bytes);
  bool setPicture(const QImage &image);
  // Loads a picture file; a missing or unreadable file changes nothing and answers false.
  bool loadFile(const QString &path);
  void clearPicture();

  // ImageData: the picture as storage-form Base64 of its JPEG bytes; empty without a picture. Text that does
  // not decode to a picture leaves the picture as it was.
  QString imageData() const;
  bool setImageData(const QString &text);

  bool stretch() const { return stretch_; }
  void setStretch(bool on);

  // Binding: a value naming a ".jpg" or ".bmp" file (absolute, or relative to the program folder) loads it;
  // any value longer than three characters drops the current picture first.
  int bindType = -1;
  QString bindName, bindTable, bindHelpText;
  QString bindValue() const { return bindValue_; }
  void setBindValue(const QString &value);

  QString displayName() const { return QStringLiteral("图片控件"); }

 signals:
  void pictureChanged();

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  QByteArray jpeg_;
  mutable QImage picture_;  // decoded from jpeg_ when first asked for
  bool stretch_ = true;
  QString bindValue_;
};

// The registered picture field.
class TQELImage : public TPCostomImage {
  Q_OBJECT

 public:
  using TPCostomImage::TPCostomImage;
};

// The picture turned for printing: 900 a quarter turn counter-clockwise, 1800 a half turn, 2700 a quarter
// turn clockwise; any other angle leaves it as it is.
QImage turnedPicture(const QImage &picture, int angle);

// Property object of the picture field.
class TPImageDesigned : public TQelFontDesigned,
                        public TQelDbStoreDesigned,
                        public IQELDataBind,
                        public IQelImageDesign {
 public:
  explicit TPImageDesigned(TPCostomImage &image) : TQelFontDesigned(image), TQelDbStoreDesigned(image), image_(image) {}

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return image_.displayName(); }

  QString ImageData() const { return image_.imageData(); }
  void SetImageData(const QString &text) { image_.setImageData(text); }
  bool PAutoSize() const { return image_.stretch(); }
  void SetPAutoSize(bool on) { image_.setStretch(on); }

  // IQELDataBind
  int GetBindType() const override { return image_.bindType; }
  void SetBindType(int type) override { image_.bindType = type; }
  QString GetBindName() const override { return image_.bindName; }
  void SetBindName(const QString &name) override;
  QString GetBindTable() const override { return image_.bindTable; }
  void SetBindTable(const QString &table) override { image_.bindTable = table; }
  QString GetKindCaption() const override { return QStringLiteral("图片"); }
  void SetBindHelpText(const QString &text) override { image_.bindHelpText = text; }
  QString GetBindHelpText() const override { return image_.bindHelpText; }
  QString GetBindValue() const override { return image_.bindValue(); }
  void SetBindValue(const QString &value) override { image_.setBindValue(value); }
  // IQelImageDesign
  void SetImageBase64(const QString &text) override { image_.setImageData(text); }
  void LoadImageFile(const QString &path) override { image_.loadFile(path); }
  void ClearImage() override { image_.clearPicture(); }

 private:
  TPCostomImage &image_;
};

// Print data of the picture field: one image item while it holds a picture.
class TPImagePrintData : public TQelBasePrint {
 public:
  explicit TPImagePrintData(TPCostomImage &image) : TQelBasePrint(image), image_(image) {}
  int GetPrintDataCount() override { return image_.hasPicture() ? 1 : 0; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomImage &image_;
};

// Registers TQELImage in the class-name registry.
void registerImageClass();

}  // namespace op
