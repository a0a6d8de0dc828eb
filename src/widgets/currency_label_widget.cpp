#include "widgets/currency_label_widget.h"

#include <QPainter>

#include "controls/currency_label.h"

namespace op {

TQELCustomCurrencyLabel::TQELCustomCurrencyLabel(TPCostomCurrencyLabel &model, QWidget *parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  const auto applyFont = [this] {
    QFont font(model_.font().name, model_.screenFontSize());
    font.setBold(model_.font().bold);
    font.setItalic(model_.font().italic);
    font.setUnderline(model_.font().underLine);
    font.setStrikeOut(model_.font().strikeOut);
    setFont(font);
  };
  connect(&model_, &QelField::changed, this, qOverload<>(&QWidget::update));
  connect(&model_, &QelField::geometryChanged, this, [this](const QRect &rect) { setGeometry(rect); });
  connect(&model_, &QelField::fontChanged, this, applyFont);
  connect(&model_, &QelField::visibilityChanged, this, &QWidget::setVisible);
  setGeometry(model_.geometry());
  applyFont();
  setVisible(model_.isVisible());
}

void TQELCustomCurrencyLabel::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const int color = model_.font().color;
  painter.setPen(color < 0 ? QColor(Qt::black) : QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
  const QFontMetrics metrics(font());
  const QString text = model_.paintedText();
  const int top = qMax(0, height() - metrics.height());
  painter.drawText(QRect(0, top, width(), height() - top), int(model_.horizontalAlignment() | Qt::AlignTop), text);
}

}  // namespace op
