#include "controls/line.h"

#include "document/class_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

std::optional<QLine> lineAcross(int lineType, int w, int h) {
  w = qMax(0, w);
  h = qMax(0, h);
  switch (lineType) {
    case kLineHorizontal:
      return QLine(0, h >> 1, w, h >> 1);
    case kLineVertical:
      return QLine(w >> 1, 0, w >> 1, h);
    case kLineRising:
      return QLine(w, 0, 0, h);
    case kLineFalling:
      return QLine(0, 0, w, h);
    default:
      return std::nullopt;
  }
}

int turnedLineType(int lineType, int angle) {
  const int quarter = angle / 900;
  if (quarter != 1 && quarter != 3) return lineType;
  switch (lineType) {
    case kLineHorizontal:
      return kLineVertical;
    case kLineVertical:
      return kLineHorizontal;
    case kLineRising:
      return kLineFalling;
    case kLineFalling:
      return kLineRising;
    default:
      return lineType;
  }
}

TPCostomLine::TPCostomLine(QObject *owner) : QelElementField(owner) {
  setTextStyleDefault(1);
  setGeometry(QRect(0, 0, 120, 30));
}

void TPCostomLine::setValue(int &member, int value) {
  if (member == value) return;
  member = value;
  emit changed();
}

void TPCostomLine::setAntiAliasing(bool on) {
  if (antiAliasing_ == on) return;
  antiAliasing_ = on;
  emit changed();
}

std::unique_ptr<TQelBaseDesigned> TPCostomLine::createDesign() {
  return std::make_unique<TPLineDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomLine::createPrintData() {
  return std::make_unique<TPLinePrintData>(*this);
}

const PropertyTable &TPLineDesigned::publishedProperties() const {
  using T = TPLineDesigned;
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
          .boolean(QStringLiteral("BoPrintLabel"), &T::BoPrintLabel, &T::SetBoPrintLabel)
          .integer(QStringLiteral("PenColor"), &T::GetPenColor, &T::SetPenColor)
          .integer(QStringLiteral("PenStyle"), &T::GetPenStyle, &T::SetPenStyle)
          .integer(QStringLiteral("PenWidth"), &T::GetPenWidth, &T::SetPenWidth)
          .integer(QStringLiteral("lineType"), &T::GetLineType, &T::SetLineType)
          .boolean(QStringLiteral("AntiAliasing"), &T::GetAntiAliasing, &T::SetAntiAliasing)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

// The item's rectangle turns with the page; a quarter turn also turns the line's direction, so a rotated
// template prints the line where and how the panel shows it.
std::unique_ptr<PrintItem> TPLinePrintData::GetPrinteData(int idx) {
  if (idx != 0 || !line_.boPrintLabel()) return nullptr;
  auto item = std::make_unique<PrintItem>();
  const ItemFont font = itemFontOf(line_);
  FillItemHeader(*item, &font);
  const ControlGeometry geometry = controlGeometryOf(line_);
  const int angle = line_.fontExtStyle();
  item->BaseRect = ControlBaseRect(&geometry);
  item->HasFontExt = true;
  item->FontExtValue = angle;
  item->PrintType = kPrintLine;
  item->PrintRect = ControlPrintRect(&geometry, angle);
  item->HasTextStyle = true;
  item->TextStyle = line_.textStyle();
  PenBlock pen;
  pen.PenStyle = line_.penStyle();
  pen.Kind = turnedLineType(line_.lineType(), angle);
  pen.AntiAliasing = line_.antiAliasing() ? 1 : 0;
  pen.PenWidth = line_.penWidth();
  pen.PenColor = line_.penColor();
  item->setPayload(pen.toLineBytes());
  return item;
}

void registerLineClass() {
  registerFieldClass<TQelLine>(QStringLiteral("TQelLine"));
}

}  // namespace op
