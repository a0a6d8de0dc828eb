#include "barcode/check_digits.h"
#include "barcode/symbology_encoders.h"

namespace op::encoders {

QByteArray applyCheckSum(const QByteArray &text, TQelCheckSumMethod method) {
  if (method != csmModulo10) return text;
  return text + char('0' + checkdigits::modulo10(text));
}

QByteArray fromModuleWidths(const char *widths, bool startWithBar) {
  QByteArray elements;
  bool bar = startWithBar;
  for (const char *w = widths; *w; ++w) {
    elements += char((bar ? '5' : '0') + (*w - '1'));
    bar = !bar;
  }
  return elements;
}

const char *fullAsciiSequence(unsigned char byte) {
  static const char *const kTable[128] = {
      "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O", "$P", "$Q", "$R",
      "$S", "$T", "$U", "$V", "$W", "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E", " ",  "/A", "/B", "/C", "/D", "/E",
      "/F", "/G", "/H", "/I", "/J", "/K", "/L", "-",  ".",  "/O", "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",
      "9",  "/Z", "%F", "%G", "%H", "%I", "%J", "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "K",
      "L",  "M",  "N",  "O",  "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",  "Y",  "Z",  "%K", "%L", "%M", "%N",
      "%O", "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O", "+P", "+Q",
      "+R", "+S", "+T", "+U", "+V", "+W", "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T",
  };
  return byte < 128 ? kTable[byte] : "";
}

}  // namespace op::encoders
