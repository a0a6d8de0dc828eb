#include "barcode/barcode_types.h"

#include <array>

namespace op {
namespace {

constexpr std::array<SymbologyInfo, kBarcodeTypeCount> kSymbologies{{
    {bcCode_2_5_interleaved, "bcCode_2_5_interleaved", "2_5_interleaved", true},
    {bcCode_2_5_industrial, "bcCode_2_5_industrial", "2_5_industrial", true},
    {bcCode_2_5_matrix, "bcCode_2_5_matrix", "2_5_matrix", true},
    {bcCode39, "bcCode39", "Code39", false},
    {bcCode39Extended, "bcCode39Extended", "Code39 Extended", false},
    {bcCode128A, "bcCode128A", "Code128A", false},
    {bcCode128B, "bcCode128B", "Code128B", false},
    {bcCode128C, "bcCode128C", "Code128C", false},
    {bcCode93, "bcCode93", "Code93", false},
    {bcCode93Extended, "bcCode93Extended", "Code93 Extended", false},
    {bcCodeMSI, "bcCodeMSI", "MSI", true},
    {bcCodePostNet, "bcCodePostNet", "PostNet", true},
    {bcCodeCodabar, "bcCodeCodabar", "Codebar", false},
    {bcCodeEAN8, "bcCodeEAN8", "EAN8", true},
    {bcCodeEAN13, "bcCodeEAN13", "EAN13", true},
    {bcCodeUPC_A, "bcCodeUPC_A", "UPC_A", true},
    {bcCodeUPC_E0, "bcCodeUPC_E0", "UPC_E0", true},
    {bcCodeUPC_E1, "bcCodeUPC_E1", "UPC_E1", true},
    {bcCodeUPC_Supp2, "bcCodeUPC_Supp2", "UPC Supp2", true},
    {bcCodeUPC_Supp5, "bcCodeUPC_Supp5", "UPC Supp5", true},
    {bcCodeEAN128A, "bcCodeEAN128A", "EAN128A", false},
    {bcCodeEAN128B, "bcCodeEAN128B", "EAN128B", false},
    {bcCodeEAN128C, "bcCodeEAN128C", "EAN128C", true},
}};

}  // namespace

std::span<const SymbologyInfo> symbologies() {
  return kSymbologies;
}

const SymbologyInfo *symbologyInfo(int ordinal) {
  if (ordinal < 0 || ordinal >= kBarcodeTypeCount) return nullptr;
  return &kSymbologies[ordinal];
}

const SymbologyInfo *findSymbology(const QString &nameOrNumber) {
  const QString key = nameOrNumber.trimmed();
  bool isNumber = false;
  const int ordinal = key.toInt(&isNumber);
  if (isNumber) return symbologyInfo(ordinal);
  for (const SymbologyInfo &info : kSymbologies) {
    if (key.compare(QLatin1String(info.displayName), Qt::CaseInsensitive) == 0 ||
        key.compare(QLatin1String(info.valueName), Qt::CaseInsensitive) == 0)
      return &info;
  }
  return nullptr;
}

}  // namespace op
