#include "printing/page_composition.h"

#include "core/globalsettings.h"
#include "document/settings_document.h"
#include "printing/pageunits.h"

namespace op {

namespace {

int intValue(const QString &customData, const char *key) {
  return settingsdoc::getValue(customData, QString::fromLatin1(key)).trimmed().toInt();
}

}  // namespace

PrintOffsetValues PrintOffsets(const TemplateOffset &offset, const GlobalSettings &global, int dpiX, int dpiY) {
  PrintOffsetValues values;
  values.left = OffsetToDevicePixels(offset.PrintLeft, offset.RealType, dpiX);
  values.top = OffsetToDevicePixels(offset.PrintTop, offset.RealType, dpiY);
  values.globalX = OffsetToDevicePixels(global.GlobalOffsetX(), global.GlobalOffsetUnit(), dpiX);
  values.globalY = OffsetToDevicePixels(global.GlobalOffsetY(), global.GlobalOffsetUnit(), dpiY);
  values.globalEnabled = global.UseGlobalOffset();
  return values;
}

LayoutStepValues LayoutSteps(const LayoutSettings &layout, int dpiX, int dpiY) {
  LayoutStepValues steps;
  steps.columns = layout.PrintXCount < 2 ? 1 : layout.PrintXCount;
  steps.rows = layout.PrintYCount < 2 ? 1 : layout.PrintYCount;
  const int widthMm = layout.PrintXWidth < 2 ? 1 : layout.PrintXWidth;
  const int heightMm = layout.PrintYWidth < 2 ? 1 : layout.PrintYWidth;
  steps.stepX = MmToDevicePixels(dpiX, widthMm / 10.0);
  steps.stepY = MmToDevicePixels(dpiY, heightMm / 10.0);
  steps.useLayout = layout.BoUserPrintSetting && steps.copiesPerSheet() >= 2;
  return steps;
}

TemplateOffset ReadTemplateOffset(const QString &customData) {
  TemplateOffset offset;
  offset.PrintLeft = intValue(customData, "PRINTLEFT");
  offset.PrintTop = intValue(customData, "PRINTTOP");
  offset.RealType = intValue(customData, "REALTYPE");
  offset.RealWidth = intValue(customData, "REALWIDTH");
  offset.RealHeight = intValue(customData, "REALHEIGHT");
  return offset;
}

LayoutSettings ReadLayoutSettings(const QString &customData) {
  LayoutSettings layout;
  layout.BoUserPrintSetting = intValue(customData, "BoUserPrintSetting") != 0;
  layout.PrintXCount = intValue(customData, "PrintXCount");
  layout.PrintXWidth = intValue(customData, "PrintXWidth");
  layout.PrintYCount = intValue(customData, "PrintYCount");
  layout.PrintYWidth = intValue(customData, "PrintYWidth");
  return layout;
}

QString SetCustomValue(const QString &customData, const QString &key, const QString &value) {
  const QString updated = settingsdoc::updateValue(customData, key, value);
  if (settingsdoc::getValue(updated, key) == value.toUpper()) return updated;
  return settingsdoc::setValue(customData, key, value, true);
}

QString WriteTemplateOffset(const QString &customData, const TemplateOffset &offset) {
  QString text = SetCustomValue(customData, QStringLiteral("PRINTLEFT"), QString::number(offset.PrintLeft));
  text = SetCustomValue(text, QStringLiteral("PRINTTOP"), QString::number(offset.PrintTop));
  return SetCustomValue(text, QStringLiteral("REALTYPE"), QString::number(offset.RealType));
}

QString WriteLayoutSettings(const QString &customData, const LayoutSettings &layout) {
  QString text = SetCustomValue(customData, QStringLiteral("BoUserPrintSetting"),
                                QString::number(layout.BoUserPrintSetting ? 1 : 0));
  text = SetCustomValue(text, QStringLiteral("PrintXCount"), QString::number(layout.PrintXCount));
  text = SetCustomValue(text, QStringLiteral("PrintXWidth"), QString::number(layout.PrintXWidth));
  text = SetCustomValue(text, QStringLiteral("PrintYCount"), QString::number(layout.PrintYCount));
  return SetCustomValue(text, QStringLiteral("PrintYWidth"), QString::number(layout.PrintYWidth));
}

QString MmPixelConversionText(int dpiX, int dpiY) {
  return QStringLiteral("水平(左右)方向 1毫米=%1像素\r\n垂直(上下)方向 1毫米=%2像素")
      .arg(MmToDevicePixels(dpiX, 0.1))
      .arg(MmToDevicePixels(dpiY, 0.1));
}

QString OffsetHelpText() {
  return QStringLiteral("例如: -10 向左偏移 10 向右偏移 \r\n      -10 向上偏移 10 向下偏移 ");
}

}  // namespace op
