#pragma once

#include <QByteArray>
#include <QString>

#include "barcode/barcode_types.h"

namespace op {

// The result of encoding a text in a symbology.
struct EncodedBarcode {
  int type = bcCodeEAN13;
  QByteArray pattern;   // one character per element, the alphabet of element_widths.h
  QString text;         // the text as the symbology leaves it (trimmed, check digit where it is stored)
  QString displayText;  // the human-readable text
};

// Encodes `text` in symbology `type` (an ordinal). `checksum` adds the optional check digit with `method`
// where the symbology makes it optional. Raises BarcodeError for an unknown type and for text the
// symbology cannot encode (non-digits for the digits-only types, characters outside Code 93).
EncodedBarcode encodeBarcode(int type, const QString &text, bool checksum = false,
                             TQelCheckSumMethod method = csmModulo10);

}  // namespace op
