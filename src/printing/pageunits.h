#pragma once

#include <QtGlobal>

// Units of page composition: millimetres to device pixels and the design-to-printer scale factors.
namespace op {

// Round(dpi × centimetres ÷ 2.54), halves to even. Callers pass millimetres ÷ 10.
int MmToDevicePixels(int dpi, double centimetres);

// Design scale of one axis: the real paper size in screen pixels ÷ the design size; 0 (unscaled) when the
// design size is not positive.
double DesignScale(int realMm, int screenDpi, int designSize);

// Printer dpi ÷ screen dpi; 1 when either is 0.
double DeviceRatio(int printerDpi, int screenDpi);

// An offset value in the given unit (1 millimetres, other values device pixels) as device pixels.
int OffsetToDevicePixels(int value, int unit, int dpi);

}  // namespace op
