#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace op {

// The upper-case initial of each character's Mandarin reading, ASCII letters and digits upper-cased, everything
// else dropped: "北京Road 3号" gives "BJROAD3H". Fills every PYM column.
QString PinyinInitials(QStringView text);

namespace pinyin {

// What one character gives, from its code page 936 bytes: a letter or digit, or 0 for nothing.
char initialOfBytes(const QByteArray &bytes);

// What one UTF-16 code unit gives (a lone surrogate gives nothing); the same as initialOfBytes of its encoding.
char initialOf(char16_t unit);

// The fixed Mandarin reading of a character as in the syllable table ("zhong", "lv"), empty when it has none.
QString syllableOf(QChar character);

}  // namespace pinyin
}  // namespace op
