#pragma once

#include <QPointer>
#include <QRectF>

#include "barcode/qelbarcode.h"
#include "controls/barcode_field_interfaces.h"
#include "document/designed.h"
#include "document/field.h"

class QPainter;

namespace op {

// One-dimensional barcode field: a text shown as bars in one symbology. Its text is typed in the designer,
// filled from a binding, or pushed by a serial-number field it follows. It prints as one barcode item.
class TPCostomBarCode : public QelElementField {
  Q_OBJECT
  // Followed fields receive their source's value through this property.
  Q_PROPERTY(QString Text READ text WRITE setText NOTIFY textChanged)

 public:
  explicit TPCostomBarCode(QObject *owner = nullptr);
  ~TPCostomBarCode() override;

  QString text() const { return barcode_.text(); }
  void setText(const QString &text);
  void clearText() override { setText(QString()); }

  int barCodeType() const { return barcode_.codeType(); }
  void setBarCodeType(int type);
  bool checksum() const { return barcode_.checksum(); }
  void setChecksum(bool on);
  TQelCheckSumMethod checkSumMethod() const { return barcode_.checkSumMethod(); }
  void setCheckSumMethod(TQelCheckSumMethod method) { barcode_.setCheckSumMethod(method); }
  // 0 draws the human-readable text under the bars; any other value draws the bars only.
  int barCodeTextType() const { return barCodeTextType_; }
  void setBarCodeTextType(int type);
  // Stored settings for encoding only part of the data; kept and written back, not used when encoding.
  int barCodeSubTextType = 0;
  int barCodeSubTextMax = 0;
  int barCodeSubTextMin = 0;

  // "条码类型:" + symbology name + CR LF + "条码内容:" + text.
  QString hint() const;

  // The barcode as it is drawn: the field's settings, font and rotation.
  TQelBarcode configuredBarcode() const;
  // Draws the field as the panels show it (background behind the text, text unless bars only). A text the
  // symbology cannot encode leaves the rectangle blank; lastError() then holds the encoder's message.
  bool paint(QPainter &painter, const QRectF &rect);
  QString lastError() const { return lastError_; }
  // The encoder's message for the current text and settings; empty when the text encodes.
  QString encodingError() const;

  // The serial-number field the barcode follows (DateLinkId): set by identity; the barcode subscribes to
  // the source's changes when the source offers subscriptions. link() is the source only when it is a
  // product serial, and nullptr once that field is gone.
  QelField *link() const { return link_.data(); }
  QString linkId() const;
  void setLinkId(const QString &sourceId);

  // Data binding state (IQELDataBind).
  int bindType() const { return bindType_; }
  void setBindType(int type);
  void setBindName(const QString &name);
  void setBindValue(const QString &value);
  QString bindName, bindTable, bindHelpText, bindValue;

  // The least height a barcode of this width may have: never flatter than 2:5 (widths below 6 count as 5).
  static int minimumHeight(int width);

 signals:
  void textChanged(const QString &text);

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  void keepProportion();

  TQelBarcode barcode_;
  int barCodeTextType_ = 0;
  QString lastError_;
  QPointer<QelField> link_;
  QString sourceId_;
  int bindType_ = -1;
};

// The registered class of the barcode field.
class TQel1dCode : public TPCostomBarCode {
  Q_OBJECT

 public:
  using TPCostomBarCode::TPCostomBarCode;
};

// Property object of the barcode field.
class TPBarCodeDesigned : public TQelFontDesigned,
                          public TQelDbStoreDesigned,
                          public IQELDataBind,
                          public IQel1dBarCodeDesign,
                          public IQELSerialDataBind {
 public:
  explicit TPBarCodeDesigned(TPCostomBarCode &barcode);

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return QStringLiteral("一维条码组件"); }

  QString ImageData() const { return {}; }
  void SetImageData(const QString &) {}
  QString BarCodeText() const { return barcode_.text(); }
  void SetBarCodeText(const QString &text) { barcode_.setText(text); }
  QString DateLinkId() const { return barcode_.linkId(); }
  void SetDateLinkId(const QString &id) { barcode_.setLinkId(id); }
  int BarCodeSubTextType() const { return barcode_.barCodeSubTextType; }
  void SetBarCodeSubTextTypeValue(int type) { barcode_.barCodeSubTextType = type; }
  int BarCodeSubTextMax() const { return barcode_.barCodeSubTextMax; }
  void SetBarCodeSubTextMaxValue(int position) { barcode_.barCodeSubTextMax = position; }
  int BarCodeSubTextMin() const { return barcode_.barCodeSubTextMin; }
  void SetBarCodeSubTextMinValue(int position) { barcode_.barCodeSubTextMin = position; }

  // IQel1dBarCodeDesign
  int GetBarCodeType() const override { return barcode_.barCodeType(); }
  void SetBarCodeType(int type) override { barcode_.setBarCodeType(type); }
  bool GetBarCodeCheckSum() const override { return barcode_.checksum(); }
  // True also selects the modulo-10 method; false keeps the method chosen before.
  void SetBarCodeCheckSum(bool on) override { barcode_.setChecksum(on); }
  int GetBarCodeTextType() const override { return barcode_.barCodeTextType(); }
  void SetBarCodeTextType(int type) override { barcode_.setBarCodeTextType(type); }
  int GetBarCodeSubTextType() const override { return BarCodeSubTextType(); }
  void SetBarCodeSubTextType(int type) override { SetBarCodeSubTextTypeValue(type); }
  int GetBarCodeSubTextMin() const override { return BarCodeSubTextMin(); }
  void SetBarCodeSubTextMin(int position) override { SetBarCodeSubTextMinValue(position); }
  int GetBarCodeSubTextMax() const override { return BarCodeSubTextMax(); }
  void SetBarCodeSubTextMax(int position) override { SetBarCodeSubTextMaxValue(position); }

  // IQELSerialDataBind
  void SetSerialLinkId(const QString &serialId) override { barcode_.setLinkId(serialId); }

  // IQELDataBind: bind type 3 follows a serial-number field named by the bind name.
  int GetBindType() const override { return barcode_.bindType(); }
  void SetBindType(int type) override { barcode_.setBindType(type); }
  QString GetBindName() const override { return barcode_.bindName; }
  void SetBindName(const QString &name) override { barcode_.setBindName(name); }
  QString GetBindTable() const override { return barcode_.bindTable; }
  void SetBindTable(const QString &table) override { barcode_.bindTable = table; }
  QString GetKindCaption() const override { return {}; }
  void SetBindHelpText(const QString &text) override { barcode_.bindHelpText = text; }
  QString GetBindHelpText() const override { return barcode_.bindHelpText; }
  QString GetBindValue() const override { return barcode_.bindValue; }
  void SetBindValue(const QString &value) override { barcode_.setBindValue(value); }

 private:
  TPCostomBarCode &barcode_;
};

// Print data of the barcode field: always one barcode item carrying the text's code page 936 bytes.
class TPBarCodePrintData : public TQelBasePrint {
 public:
  explicit TPBarCodePrintData(TPCostomBarCode &barcode) : TQelBasePrint(barcode), barcode_(barcode) {}
  int GetPrintDataCount() override { return 1; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomBarCode &barcode_;
};

// Registers TQel1dCode in the class-name registry.
void registerBarcodeClass();

}  // namespace op
