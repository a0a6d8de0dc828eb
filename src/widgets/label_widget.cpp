#include "widgets/label_widget.h"

#include <QPainter>

#include "controls/label.h"

namespace op {

LabelWidget::LabelWidget(TPCostomLabel &label, QWidget *parent) : FieldWidget(label, parent), label_(label) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  // Clicks go through to what lies below, as on a printed form.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LabelWidget::paintEvent(QPaintEvent *) {
  if (!field()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font());
  painter.setPen(platformColor(label_.font().color));
  const Qt::Alignment align = label_.horizontalAlignment() | Qt::AlignVCenter;
  const int angle = ((label_.fontExtStyle() % 3600) + 3600) % 3600;
  const int w = width(), h = height();
  // Quarter turns keep the text inside the box with the box's sides swapped; other angles turn about the middle.
  switch (angle) {
    case 0:
      painter.drawText(rect(), align, label_.caption());
      return;
    case 900:
      painter.translate(0, h);
      painter.rotate(-90);
      painter.drawText(QRect(0, 0, h, w), align, label_.caption());
      return;
    case 1800:
      painter.translate(w, h);
      painter.rotate(180);
      painter.drawText(QRect(0, 0, w, h), align, label_.caption());
      return;
    case 2700:
      painter.translate(w, 0);
      painter.rotate(90);
      painter.drawText(QRect(0, 0, h, w), align, label_.caption());
      return;
    default:
      painter.translate(w / 2.0, h / 2.0);
      painter.rotate(-angle / 10.0);
      painter.drawText(QRectF(-w / 2.0, -h / 2.0, w, h), align, label_.caption());
  }
}

}  // namespace op
