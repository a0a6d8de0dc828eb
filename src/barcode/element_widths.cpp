#include "barcode/element_widths.h"

#include <algorithm>

#include "barcode/barcode_types.h"
#include "core/datetime.h"

namespace op {

int ElementWidths::of(char element) const {
  if (element >= '0' && element <= '3') return w[element - '0'];
  if (element >= '5' && element <= '8') return w[element - '5'];
  if (element >= 'A' && element <= 'D') return w[element - 'A'];
  return 0;
}

ElementKind elementKind(char element) {
  if (element >= '0' && element <= '3') return ElementKind::Space;
  if (element >= '5' && element <= '8') return ElementKind::Bar;
  if (element >= 'A' && element <= 'D') return ElementKind::ShortBar;
  return ElementKind::Invalid;
}

double clampedRatio(int type, double ratio) {
  switch (type) {
    case bcCode_2_5_matrix:
      return std::clamp(ratio, 2.25, 3.0);
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCode93:
    case bcCode93Extended:
    case bcCodeMSI:
    case bcCodePostNet:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C:
      return ratio;
    default:
      return std::clamp(ratio, 2.0, 3.0);
  }
}

ElementWidths elementWidths(int type, int modul, double ratio) {
  ElementWidths widths;
  const int w1 = int(roundHalfEven(modul * clampedRatio(type, ratio)));
  widths.w = {modul, w1, w1 * 3 / 2, w1 * 2};
  return widths;
}

int patternWidth(QByteArrayView pattern, const ElementWidths &widths) {
  int total = 0;
  for (char element : pattern) total += widths.of(element);
  return total;
}

QString moduleString(QByteArrayView pattern, const ElementWidths &widths) {
  QString modules;
  modules.reserve(patternWidth(pattern, widths));
  for (char element : pattern) {
    const QChar fill = elementKind(element) == ElementKind::Space ? u'0' : u'1';
    modules.append(QString(widths.of(element), fill));
  }
  return modules;
}

}  // namespace op
