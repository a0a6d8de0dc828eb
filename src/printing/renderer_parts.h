#pragma once

#include "document/printitem.h"

class QPainter;

// The per-kind drawing functions of the renderer, each drawing one item at offset (x, y).
namespace op {

void drawTextItem(QPainter &painter, const PrintItem &item, int x, int y);
void drawLineItem(QPainter &painter, const PrintItem &item, int x, int y);
void drawShapeItem(QPainter &painter, const PrintItem &item, int x, int y);

}  // namespace op
