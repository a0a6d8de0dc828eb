#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Text rules of the text edit that need no widget.
namespace op {

// The number taken out of a text (TryNum): the first unbroken run of digits and points, in its shortest
// decimal form ("合计: 1,200.50元" gives "1", "0012.50" gives "12.5"); the text unchanged when the run
// does not parse as a number.
QString takeNumberOutOfText(const QString &text);

// Print lines of a wrapping edit: a line is closed once it has become wider than `boxWidth`, so every line
// but the last ends with the character that made it too wide; a blank last line is dropped.
QStringList breakIntoPrintLines(const QString &text, int boxWidth,
                                const std::function<int(const QString &)> &measureWidth);

// Shortest decimal text of a number with "." as the point.
QString shortestDecimal(double value);

}  // namespace op
