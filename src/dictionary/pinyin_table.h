#pragma once

#include <QtGlobal>

// Read-only tables behind the pinyin initials, generated from Unicode's Unihan readings by tools/pinyin.
namespace op::pinyin {

// Syllables 1 to 405 as lower-case Latin letters, ü written as v; entry 0 and entry 394 are empty.
constexpr int kSyllableCount = 405;
extern const char kSyllables[kSyllableCount + 1][7];

// Syllable number of every code page 936 double-byte code: row = lead byte − 0x81, column = trail byte − 0x40.
// 0 means no reading.
constexpr int kIndexRows = 126;
constexpr int kIndexColumns = 191;
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kFirstTrail = 0x40;
extern const quint16 kCharacterIndex[kIndexRows][kIndexColumns];

}  // namespace op::pinyin
