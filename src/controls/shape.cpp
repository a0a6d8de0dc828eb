#include "controls/shape.h"

#include "document/class_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

namespace {

struct FigureArea {
  int px, py, w, h, side;
};

FigureArea figureArea(int penWidth, int w, int h) {
  const int p = qMax(0, penWidth);
  FigureArea area{p / 2, p / 2, w - p + 1, h - p + 1, 0};
  if (p == 0) {
    --area.w;
    --area.h;
  }
  area.side = qMin(area.w, area.h);
  return area;
}

}  // namespace

QRect shapeFigureBox(int shapeType, int penWidth, int w, int h) {
  FigureArea area = figureArea(penWidth, w, h);
  const int type = shapeType & 0xFF;
  if (type == kShapeCircle || type == kShapeRoundSquare || type == kShapeSquare || type > kShapeSquare) {
    area.px += (area.w - area.side) / 2;
    area.py += (area.h - area.side) / 2;
    area.w = area.h = area.side;
  }
  if (area.w <= 0 || area.h <= 0) return {};
  return QRect(area.px, area.py, area.w, area.h);
}

int shapeCornerSize(int penWidth, int w, int h) {
  return figureArea(penWidth, w, h).side / 4;
}

TPCostomShape::TPCostomShape(QObject *owner) : QelElementField(owner) {
  setTextStyleDefault(1);
  setGeometry(QRect(0, 0, 120, 30));
}

void TPCostomShape::setValue(int &member, int value) {
  if (member == value) return;
  member = value;
  emit changed();
}

void TPCostomShape::setFlag(bool &member, bool on) {
  if (member == on) return;
  member = on;
  emit changed();
}

std::unique_ptr<TQelBaseDesigned> TPCostomShape::createDesign() {
  return std::make_unique<TPShapeDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomShape::createPrintData() {
  return std::make_unique<TPShapePrintData>(*this);
}

const PropertyTable &TPShapeDesigned::publishedProperties() const {
  using T = TPShapeDesigned;
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
          .integer(QStringLiteral("penColor"), &T::GetPenColor, &T::SetPenColor)
          .integer(QStringLiteral("penStyle"), &T::GetPenStyle, &T::SetPenStyle)
          .integer(QStringLiteral("penWidth"), &T::GetPenWidth, &T::SetPenWidth)
          .integer(QStringLiteral("ShapeType"), &T::GetShapeType, &T::SetShapeType)
          .boolean(QStringLiteral("FullFill"), &T::GetFullFill, &T::SetFullFill)
          .boolean(QStringLiteral("AntiAliasing"), &T::GetAntiAliasing, &T::SetAntiAliasing)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

std::unique_ptr<PrintItem> TPShapePrintData::GetPrinteData(int idx) {
  if (idx != 0 || !shape_.boPrintLabel()) return nullptr;
  auto item = std::make_unique<PrintItem>();
  const ItemFont font = itemFontOf(shape_);
  FillItemHeader(*item, &font);
  const ControlGeometry geometry = controlGeometryOf(shape_);
  item->BaseRect = ControlBaseRect(&geometry);
  item->HasFontExt = true;
  item->FontExtValue = shape_.fontExtStyle();
  item->PrintType = kPrintShape;
  item->PrintRect = ControlPrintRect(&geometry, shape_.fontExtStyle());
  item->HasTextStyle = true;
  item->TextStyle = shape_.textStyle();
  PenBlock pen;
  pen.PenStyle = shape_.penStyle();
  pen.Kind = shape_.shapeType();
  pen.AntiAliasing = shape_.antiAliasing() ? 1 : 0;
  pen.PenWidth = shape_.penWidth();
  pen.PenColor = shape_.penColor();
  pen.FullFill = shape_.fullFill();
  item->setPayload(pen.toShapeBytes());
  return item;
}

void registerShapeClass() {
  registerFieldClass<TQelShape>(QStringLiteral("TQelShape"));
}

}  // namespace op
