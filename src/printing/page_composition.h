#pragma once

#include <QString>

// Where a copy lands on the sheet: the template's print offset, the global offset and the rows × columns
// layout of the quick continuous print. Values come from the template's custom data and the six
// process-wide settings; everything returned is in printer pixels of the printer about to print.
namespace op {

class GlobalSettings;

// The template's own offset (custom data PRINTLEFT, PRINTTOP, REALTYPE) and real paper size.
struct TemplateOffset {
  int PrintLeft = 0;  // positive moves the print right
  int PrintTop = 0;   // positive moves the print down
  int RealType = 0;   // 1 millimetres, any other value printer pixels
  int RealWidth = 0;  // millimetres
  int RealHeight = 0;
};

// The layout of copies on one sheet (custom data BoUserPrintSetting, PrintXCount, PrintXWidth, PrintYCount,
// PrintYWidth). Widths in millimetres.
struct LayoutSettings {
  bool BoUserPrintSetting = false;
  int PrintXCount = 1;
  int PrintXWidth = 0;
  int PrintYCount = 1;
  int PrintYWidth = 0;
};

struct PrintOffsetValues {
  int left = 0;
  int top = 0;
  int globalX = 0;
  int globalY = 0;
  bool globalEnabled = false;
  // The drawing origin of a copy outside a layout: template offset plus the global offset while enabled.
  int originX() const { return left + (globalEnabled ? globalX : 0); }
  int originY() const { return top + (globalEnabled ? globalY : 0); }
};

struct LayoutStepValues {
  int columns = 1;
  int rows = 1;
  int stepX = 0;  // printer pixels from one column to the next
  int stepY = 0;
  bool useLayout = false;
  int copiesPerSheet() const { return columns * rows; }
  // Cell offset of the k-th copy on a sheet: the sheet fills row by row, left to right.
  int cellX(int k) const { return (k % columns) * stepX; }
  int cellY(int k) const { return (k / columns) * stepY; }
};

// Offsets in printer pixels for a printer of the given resolution.
PrintOffsetValues PrintOffsets(const TemplateOffset &offset, const GlobalSettings &global, int dpiX, int dpiY);

// Counts below 2 count as 1, widths below 2 as 1 mm; the layout is used only when switched on and a sheet
// holds at least two copies.
LayoutStepValues LayoutSteps(const LayoutSettings &layout, int dpiX, int dpiY);

// ---- The template settings (custom data) document ----

TemplateOffset ReadTemplateOffset(const QString &customData);
LayoutSettings ReadLayoutSettings(const QString &customData);
// The custom data with PRINTLEFT, PRINTTOP and REALTYPE set as decimal text (added when missing).
QString WriteTemplateOffset(const QString &customData, const TemplateOffset &offset);
// The custom data with the five layout keys set (BoUserPrintSetting as 0 or 1).
QString WriteLayoutSettings(const QString &customData, const LayoutSettings &layout);
// Sets one key: the existing element is updated, a missing one added.
QString SetCustomValue(const QString &customData, const QString &key, const QString &value);

// ---- Texts of the converter and the offset help ----

// "水平(左右)方向 1毫米=%d像素\r\n垂直(上下)方向 1毫米=%d像素" for a printer of the given resolution.
QString MmPixelConversionText(int dpiX, int dpiY);
QString OffsetHelpText();

}  // namespace op
