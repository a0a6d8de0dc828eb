#pragma once

#include <QByteArray>
#include <QString>

#include <array>

// The pattern alphabet: "0".."3" spaces and "5".."8" full bars of width w0..w3, "A".."D" short bars
// (lower two fifths) of width w0..w3.
namespace op {

struct ElementWidths {
  std::array<int, 4> w{1, 2, 3, 4};
  int of(char element) const;  // width of one pattern character; 0 for anything else
};

// The wide-to-narrow ratio after the symbology's clamp (2 of 5 matrix [2.25, 3], Code 128, Code 93, MSI,
// POSTNET and EAN128 unclamped, all others [2, 3]).
double clampedRatio(int type, double ratio);

// w0 = modul, w1 = round(modul × ratio) halves to even, w2 = w1 × 3 div 2, w3 = w1 × 2.
ElementWidths elementWidths(int type, int modul, double ratio);

enum class ElementKind { Space, Bar, ShortBar, Invalid };
ElementKind elementKind(char element);

// Total width of a pattern.
int patternWidth(QByteArrayView pattern, const ElementWidths &widths);

// The pattern as one "1" per bar module and "0" per space module (short bars count as bars).
QString moduleString(QByteArrayView pattern, const ElementWidths &widths);

}  // namespace op
