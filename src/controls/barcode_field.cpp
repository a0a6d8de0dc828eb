#include "controls/barcode_field.h"

#include <QFont>

#include "barcode/barcode_error.h"
#include "barcode/barcode_types.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/field_print.h"
#include "document/links.h"
#include "document/printitem.h"

namespace op {

namespace {

// A platform colour integer (0x00BBGGRR); system colours (negative) are black.
QColor platformColor(int color) {
  if (color < 0) return Qt::black;
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Only product serials become the barcode's link; they are recognised by class name so that the barcode
// needs nothing of their kind.
bool isProductSerial(const QelField *field) {
  for (const QMetaObject *meta = field ? field->metaObject() : nullptr; meta; meta = meta->superClass()) {
    const QString name = QString::fromLatin1(meta->className());
    if (name == QLatin1String("TCustomProductSerial") || name.endsWith(QLatin1String("::TCustomProductSerial")))
      return true;
  }
  return false;
}

}  // namespace

TPCostomBarCode::TPCostomBarCode(QObject *owner) : QelElementField(owner) {
  setFontName(QStringLiteral("Arial"));
  setFontColor(0);
  setGeometry(QRect(0, 0, 50, 20));
  // Connected first, so every other observer already sees the raised height.
  connect(this, &QelField::geometryChanged, this, &TPCostomBarCode::keepProportion);
}

// A follower that goes away leaves its source's subscription list.
TPCostomBarCode::~TPCostomBarCode() {
  unsubscribeFrom(*this, sourceId_);
}

int TPCostomBarCode::minimumHeight(int width) {
  return (width < 6 ? 5 : width) * 2 / 5;
}

void TPCostomBarCode::keepProportion() {
  const int least = minimumHeight(width());
  if (height() < least) setHeight(least);
}

void TPCostomBarCode::setText(const QString &text) {
  if (text == barcode_.text()) return;
  barcode_.setText(text);
  emit textChanged(text);
  emit changed();
}

void TPCostomBarCode::setBarCodeType(int type) {
  barcode_.setBarCodeType(type);
  emit changed();
}

void TPCostomBarCode::setChecksum(bool on) {
  barcode_.setChecksum(on);
  if (on) barcode_.setCheckSumMethod(csmModulo10);
  emit changed();
}

void TPCostomBarCode::setBarCodeTextType(int type) {
  barCodeTextType_ = type;
  emit changed();
}

QString TPCostomBarCode::hint() const {
  const SymbologyInfo *info = symbologyInfo(barCodeType());
  const QString name = info ? QString::fromLatin1(info->displayName) : QString();
  return QStringLiteral("条码类型:") + name + QStringLiteral("\r\n条码内容:") + text();
}

TQelBarcode TPCostomBarCode::configuredBarcode() const {
  TQelBarcode barcode = barcode_;
  const FieldFont &f = font();
  QFont textFont(f.name);
  textFont.setPointSize(f.size);
  textFont.setBold(f.bold);
  textFont.setItalic(f.italic);
  textFont.setUnderline(f.underLine);
  textFont.setStrikeOut(f.strikeOut);
  barcode.setFont(textFont);
  barcode.setFontColor(platformColor(f.color));
  const int quarter = fontExtStyle() / 900;
  barcode.setAngle(quarter >= 1 && quarter <= 3 ? quarter * 90 : 0);
  return barcode;
}

bool TPCostomBarCode::paint(QPainter &painter, const QRectF &rect) {
  // Drawn from a copy: the encoder's rewriting (trimming, check digits) never changes what the user typed.
  TQelBarcode barcode = configuredBarcode();
  lastError_.clear();
  return barcode.tryDrawBarcode(painter, rect, true, barCodeTextType_ == 0, &lastError_);
}

QString TPCostomBarCode::encodingError() const {
  TQelBarcode barcode = configuredBarcode();
  try {
    barcode.encode();
  } catch (const BarcodeError &e) {
    return e.message();
  }
  return {};
}

QString TPCostomBarCode::linkId() const {
  return link_ ? link_->GetID() : QString();
}

void TPCostomBarCode::setLinkId(const QString &sourceId) {
  unsubscribeFrom(*this, sourceId_);
  sourceId_ = sourceId;
  ControlRegistry &live = registry() ? *registry() : currentRegistry();
  QelField *source = sourceId.trimmed().isEmpty() ? nullptr : live.findById(sourceId);
  link_ = isProductSerial(source) ? source : nullptr;
  try {
    if (!source || !subscribeTo(*this, sourceId)) link_ = nullptr;
  } catch (...) {
    link_ = nullptr;  // a source that fails to subscribe leaves the barcode unlinked
  }
}

void TPCostomBarCode::setBindType(int type) {
  bindType_ = type;
  if (type != 3) setLinkId(QString());
}

void TPCostomBarCode::setBindName(const QString &name) {
  if (bindType_ == -1) return;
  bindName = name;
  if (bindType_ == 3) setLinkId(name);
}

void TPCostomBarCode::setBindValue(const QString &value) {
  const bool takesValue = bindType_ == 3 ? !linkId().isEmpty() : bindType_ >= 0;
  if (takesValue) setText(value);
  bindValue = value;
  emit changed();
}

std::unique_ptr<TQelBaseDesigned> TPCostomBarCode::createDesign() {
  return std::make_unique<TPBarCodeDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomBarCode::createPrintData() {
  return std::make_unique<TPBarCodePrintData>(*this);
}

TPBarCodeDesigned::TPBarCodeDesigned(TPCostomBarCode &barcode)
    : TQelFontDesigned(barcode), TQelDbStoreDesigned(barcode), barcode_(barcode) {}

const PropertyTable &TPBarCodeDesigned::publishedProperties() const {
  using T = TPBarCodeDesigned;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .integer(QStringLiteral("Top"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("Left"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("Height"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("Width"), &T::Width, &T::SetWidth)
          .text(QStringLiteral("ImageData"), &T::ImageData, &T::SetImageData)
          .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
          .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
          .integer(QStringLiteral("FontExtStyle"), &T::GetFontExtStyle, &T::SetFontExtStyle)
          .text(QStringLiteral("BarCodeText"), &T::BarCodeText, &T::SetBarCodeText)
          .text(QStringLiteral("DateLinkId"), &T::DateLinkId, &T::SetDateLinkId)
          .integer(QStringLiteral("BarCode1DType"), &T::GetBarCodeType, &T::SetBarCodeType)
          .boolean(QStringLiteral("BarCode1DCheckSum"), &T::GetBarCodeCheckSum, &T::SetBarCodeCheckSum)
          .integer(QStringLiteral("BarCodeTextType"), &T::GetBarCodeTextType, &T::SetBarCodeTextType)
          .integer(QStringLiteral("BarCodeSubTextType"), &T::BarCodeSubTextType, &T::SetBarCodeSubTextTypeValue)
          .integer(QStringLiteral("BarCodeSubTextMax"), &T::BarCodeSubTextMax, &T::SetBarCodeSubTextMaxValue)
          .integer(QStringLiteral("BarCodeSubTextMin"), &T::BarCodeSubTextMin, &T::SetBarCodeSubTextMinValue)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

std::unique_ptr<PrintItem> TPBarCodePrintData::GetPrinteData(int idx) {
  if (idx != 0) return nullptr;
  auto item = std::make_unique<PrintItem>();
  IQELDesign *design = barcode_.GetDesign();
  FillItemHeader(*item, design);
  const ControlGeometry geometry = controlGeometryOf(barcode_);
  const qint32 angle = DesignAngle(design);
  item->BaseRect = ControlBaseRect(&geometry);
  item->HasFontExt = true;
  item->FontExtValue = angle;
  item->PrintType = kPrintBarcode;
  item->PrintRect = ControlPrintRect(&geometry, angle);
  item->HasTextStyle = true;
  item->TextStyle = barcode_.textStyle();
  item->BarCodeType = quint8(barcode_.barCodeType());
  item->BarCodeCheckSum = barcode_.checksum();
  item->BarCodeCheckSumType = barcode_.checkSumMethod() == csmModulo10 ? 1 : 0;
  item->BarCodeOnlyDrawImage = quint8(barcode_.barCodeTextType());
  // Sized by the text's code page 936 bytes, so Chinese characters never overrun the payload.
  item->setBarcodeText(barcode_.text());
  return item;
}

void registerBarcodeClass() {
  registerFieldClass<TQel1dCode>(QStringLiteral("TQel1dCode"));
}

}  // namespace op
