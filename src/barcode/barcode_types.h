#pragma once

#include <QString>

#include <span>

namespace op {

// The symbologies, in the order of their stored ordinal (template property and print item byte).
enum TQelBarcodeType {
  bcCode_2_5_interleaved,
  bcCode_2_5_industrial,
  bcCode_2_5_matrix,
  bcCode39,
  bcCode39Extended,
  bcCode128A,
  bcCode128B,
  bcCode128C,
  bcCode93,
  bcCode93Extended,
  bcCodeMSI,
  bcCodePostNet,
  bcCodeCodabar,
  bcCodeEAN8,
  bcCodeEAN13,
  bcCodeUPC_A,
  bcCodeUPC_E0,
  bcCodeUPC_E1,
  bcCodeUPC_Supp2,
  bcCodeUPC_Supp5,
  bcCodeEAN128A,
  bcCodeEAN128B,
  bcCodeEAN128C,
};

constexpr int kBarcodeTypeCount = 23;

// How the optional check digit is computed.
enum TQelCheckSumMethod { csmNone = 0, csmModulo10 = 1 };

struct SymbologyInfo {
  TQelBarcodeType type;
  const char *valueName;    // "bcCodeEAN13"
  const char *displayName;  // "EAN13", shown in hints and on the settings page
  bool digitsOnly;
};

// All symbologies in ordinal order.
std::span<const SymbologyInfo> symbologies();

// The entry of an ordinal, or nullptr when it is out of range.
const SymbologyInfo *symbologyInfo(int ordinal);

// Looks a symbology up by display name, value name or ordinal text (case-insensitive, trimmed).
const SymbologyInfo *findSymbology(const QString &nameOrNumber);

}  // namespace op
