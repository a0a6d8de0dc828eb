#include "barcode/human_readable.h"

#include "barcode/barcode_types.h"

namespace op {

bool hasGuardBars(int type) {
  return type == bcCodeEAN8 || type == bcCodeEAN13 || type == bcCodeUPC_A || type == bcCodeUPC_E0 ||
         type == bcCodeUPC_E1;
}

QList<TextPart> humanReadableParts(int type, const QString &text, int dataWidth, int modul) {
  // Positions (character from, count, unit); a unit of kAfterBars means one unit right of the bars.
  struct Group {
    int from, count, unit;
  };
  constexpr int kAfterBars = 1000;
  QList<Group> groups;
  switch (type) {
    case bcCodeEAN8:
      groups = {{0, 4, 3}, {4, 4, 35}};
      break;
    case bcCodeEAN13:
      groups = {{0, 1, -8}, {1, 6, 3}, {7, 6, 49}};
      break;
    case bcCodeUPC_A:
      groups = {{0, 1, -8}, {1, 5, 10}, {6, 5, 49}, {11, 1, kAfterBars}};
      break;
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
      groups = {{0, 6, 3}, {6, 1, kAfterBars}};
      break;
    default:
      return {{text, dataWidth / 2.0, true}};
  }
  QList<TextPart> parts;
  for (const Group &g : groups) {
    const double x = g.unit == kAfterBars ? dataWidth + modul : g.unit * modul;
    parts.append({text.mid(g.from, g.count), x, false});
  }
  return parts;
}

}  // namespace op
