#include "printing/pageunits.h"

#include "core/datetime.h"

namespace op {

int MmToDevicePixels(int dpi, double centimetres) {
  const long double pixels = static_cast<long double>(dpi) * centimetres / 2.54L;
  return static_cast<int>(roundHalfEven(static_cast<double>(pixels)));
}

double DesignScale(int realMm, int screenDpi, int designSize) {
  if (designSize <= 0) return 0;
  const qint64 realPx = roundHalfEven(screenDpi * (realMm / 10.0) / 2.54);
  return static_cast<double>(realPx) / designSize;
}

double DeviceRatio(int printerDpi, int screenDpi) {
  if (printerDpi == 0 || screenDpi == 0) return 1;
  return static_cast<double>(printerDpi) / screenDpi;
}

int OffsetToDevicePixels(int value, int unit, int dpi) {
  return unit == 1 ? MmToDevicePixels(dpi, value / 10.0) : value;
}

}  // namespace op
