#pragma once

#include <QByteArray>

#include "barcode/barcode_types.h"

// The encoders of the single symbologies, on the code page 936 bytes of the text. Shared by
// barcode_encoder.cpp only.
namespace op::encoders {

struct Input {
  int type;
  QByteArray text;
  bool checksum;
  TQelCheckSumMethod method;
};

struct Output {
  QByteArray pattern;
  QByteArray text;     // the text after the symbology's rewrite
  QByteArray display;  // the human-readable text
};

// Appends the optional check digit as `method` says (csmNone leaves the text unchanged).
QByteArray applyCheckSum(const QByteArray &text, TQelCheckSumMethod method);

// Turns module counts 1..4 ("211412") into alternating elements, starting with a bar or a space.
QByteArray fromModuleWidths(const char *widths, bool startWithBar);

Output twoOfFiveInterleaved(const Input &in);
Output twoOfFiveIndustrial(const Input &in);
Output twoOfFiveMatrix(const Input &in);
Output code39(const Input &in);
Output code39Extended(const Input &in);
Output code128(const Input &in);  // 128 A/B/C and EAN128 A/B/C
Output code93(const Input &in);
Output code93Extended(const Input &in);
Output msi(const Input &in);
Output postNet(const Input &in);
Output codabar(const Input &in);
Output ean8(const Input &in);
Output ean13(const Input &in);
Output upcA(const Input &in);
Output upcE(const Input &in);  // E0 and E1
Output upcSupplement2(const Input &in);
Output upcSupplement5(const Input &in);

// Shared by Code 39 extended and Code 93 extended: the Code 39 full-ASCII sequence of a byte below 128.
const char *fullAsciiSequence(unsigned char byte);

}  // namespace op::encoders
