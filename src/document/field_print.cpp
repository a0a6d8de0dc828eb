#include "document/field_print.h"

#include "document/field.h"

namespace op {

ItemFont itemFontOf(const QelField &field) {
  const FieldFont &font = field.font();
  ItemFont itemFont;
  itemFont.name = font.name;
  itemFont.size = font.size;
  itemFont.bold = font.bold;
  itemFont.italic = font.italic;
  itemFont.underLine = font.underLine;
  itemFont.strikeOut = font.strikeOut;
  itemFont.color = font.color;
  return itemFont;
}

ControlGeometry controlGeometryOf(const QelField &field) {
  const QSize panel = field.panelSize();
  return ControlGeometry{field.left(),           field.top(), field.width(), field.height(), qMax(0, panel.width()),
                         qMax(0, panel.height())};
}

PrintItem fieldTextItem(const QelField &field, const QString &text) {
  PrintItem item;
  const ItemFont font = itemFontOf(field);
  FillItemHeader(item, &font);
  const ControlGeometry geometry = controlGeometryOf(field);
  item.BaseRect = ControlBaseRect(&geometry);
  item.HasFontExt = true;
  item.FontExtValue = field.fontExtStyle();
  item.PrintType = kPrintText;
  item.PrintRect = ControlPrintRect(&geometry, field.fontExtStyle());
  SetItemText(item, text);
  return item;
}

}  // namespace op
