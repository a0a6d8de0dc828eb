#include "controls/label.h"

#include "document/class_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

TPCostomLabel::TPCostomLabel(QObject *owner) : QelElementField(owner), caption_(QStringLiteral("标签")) {
  setTextStyleDefault(1);
  setGeometry(QRect(0, 0, 120, 30));
}

void TPCostomLabel::setCaption(const QString &caption) {
  if (caption == caption_) return;
  caption_ = caption;
  emit captionChanged(caption_);
  emit changed();
}

Qt::Alignment TPCostomLabel::horizontalAlignment() const {
  switch (textStyle()) {
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

std::unique_ptr<TQelBaseDesigned> TPCostomLabel::createDesign() {
  return std::make_unique<TPLabelDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomLabel::createPrintData() {
  return std::make_unique<TPLabelPrintData>(*this);
}

TPLabelDesigned::TPLabelDesigned(TPCostomLabel &label)
    : TQelFontDesigned(label), TQelDbStoreDesigned(label), label_(label) {}

QString TPLabelDesigned::displayName() const {
  return QStringLiteral("文字标签控件");
}

const PropertyTable &TPLabelDesigned::publishedProperties() const {
  using T = TPLabelDesigned;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .integer(QStringLiteral("TextStyle"), &T::TextStyle, &T::SetTextStyleValue)
          .text(QStringLiteral("FontName"), &T::GetFontName, &T::SetFontName)
          .integer(QStringLiteral("FontSize"), &T::GetFontSize, &T::SetFontSize)
          .boolean(QStringLiteral("FontBold"), &T::GetFontBold, &T::SetFontBold)
          .boolean(QStringLiteral("FontItalic"), &T::GetFontItalic, &T::SetFontItalic)
          .boolean(QStringLiteral("FontUnderLine"), &T::GetFontUnderLine, &T::SetFontUnderLine)
          .boolean(QStringLiteral("FontStrikeOut"), &T::GetFontStrikeOut, &T::SetFontStrikeOut)
          .integer(QStringLiteral("Top"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("Left"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("Height"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("Width"), &T::Width, &T::SetWidth)
          .integer(QStringLiteral("FontExtStyle"), &T::GetFontExtStyle, &T::SetFontExtStyle)
          .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
          .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
          .integer(QStringLiteral("FontColor"), &T::GetFontColor, &T::SetFontColor)
          .text(QStringLiteral("LableCaption"), &T::LableCaption, &T::SetLableCaption)
          .boolean(QStringLiteral("BoPrintLabel"), &T::BoPrintLabel, &T::SetBoPrintLabel)
          .boolean(QStringLiteral("BoAppendDate"), &T::BoAppendDate, &T::SetBoAppendDate)
          .boolean(QStringLiteral("BoAppendTime"), &T::BoAppendTime, &T::SetBoAppendTime)
          .integer(QStringLiteral("AppendTimeSec"), &T::AppendTimeSec, &T::SetAppendTimeSec)
          .integer(QStringLiteral("RandAppendTimeSec"), &T::RandAppendTimeSec, &T::SetRandAppendTimeSec)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

std::unique_ptr<PrintItem> TPLabelPrintData::GetPrinteData(int idx) {
  if (idx != 0 || !label_.boPrintLabel()) return nullptr;
  auto item = std::make_unique<PrintItem>(fieldTextItem(label_, label_.caption()));
  item->HasTextStyle = true;
  item->TextStyle = label_.textStyle();
  return item;
}

void registerLabelClass() {
  registerFieldClass<TQELLabel>(QStringLiteral("TQELLabel"));
}

}  // namespace op
