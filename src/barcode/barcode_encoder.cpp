#include "barcode/barcode_encoder.h"

#include "barcode/barcode_error.h"
#include "barcode/check_digits.h"
#include "barcode/symbology_encoders.h"
#include "core/codepage936.h"

namespace op {
namespace {

bool isEan128(int type) {
  return type == bcCodeEAN128A || type == bcCodeEAN128B || type == bcCodeEAN128C;
}

encoders::Output dispatch(const encoders::Input &in) {
  using namespace encoders;
  switch (in.type) {
    case bcCode_2_5_interleaved:
      return twoOfFiveInterleaved(in);
    case bcCode_2_5_industrial:
      return twoOfFiveIndustrial(in);
    case bcCode_2_5_matrix:
      return twoOfFiveMatrix(in);
    case bcCode39:
      return code39(in);
    case bcCode39Extended:
      return code39Extended(in);
    case bcCode93:
      return code93(in);
    case bcCode93Extended:
      return code93Extended(in);
    case bcCodeMSI:
      return msi(in);
    case bcCodePostNet:
      return postNet(in);
    case bcCodeCodabar:
      return codabar(in);
    case bcCodeEAN8:
      return ean8(in);
    case bcCodeEAN13:
      return ean13(in);
    case bcCodeUPC_A:
      return upcA(in);
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
      return upcE(in);
    case bcCodeUPC_Supp2:
      return upcSupplement2(in);
    case bcCodeUPC_Supp5:
      return upcSupplement5(in);
    default:
      return code128(in);
  }
}

}  // namespace

EncodedBarcode encodeBarcode(int type, const QString &text, bool checksum, TQelCheckSumMethod method) {
  const SymbologyInfo *info = symbologyInfo(type);
  if (!info) throw BarcodeError(wrongTypeMessage());
  const QString input = info->digitsOnly ? text.trimmed() : text;
  QByteArray bytes = cp936::encode(input);
  if (info->digitsOnly) {
    // Digits-only symbologies refuse anything else rather than draw bars that do not match the text.
    QByteArray copy = bytes;
    if (isEan128(type)) copy.replace("&FNC1;", "");
    if (!checkdigits::allDigits(copy)) throw BarcodeError(digitsRequiredMessage());
  }
  const encoders::Output out = dispatch({type, bytes, checksum, method});
  // Most symbologies hand the text back unchanged: keep the caller's string instead of decoding it again.
  const QString outText = out.text == bytes ? input : cp936::decode(out.text);
  const QString display = out.display == out.text ? outText : cp936::decode(out.display);
  return {type, out.pattern, outText, display};
}

}  // namespace op
