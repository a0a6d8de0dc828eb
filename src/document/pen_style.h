#pragma once

#include <QColor>
#include <QPen>

namespace op {

// The pen of a line or shape field, on screen and on paper alike. Style codes are the platform pen styles
// (1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 clear, 8 alternate, others solid; only the low byte counts);
// dashed and dotted styles exist for thin pens only, wider pens draw solid as printers do.
QPen fieldPenOf(int style, int width, const QColor &color);

}  // namespace op
