#include "widgets/currency_edit_widget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/currency_edit.h"

namespace op {

namespace {

QFont screenFontOf(const QelField &field) {
  QFont font(field.font().name, field.screenFontSize());
  font.setBold(field.font().bold);
  font.setItalic(field.font().italic);
  font.setUnderline(field.font().underLine);
  font.setStrikeOut(field.font().strikeOut);
  return font;
}

QColor colorOf(int platformColor) {
  return platformColor < 0 ? QColor(Qt::black)
                           : QColor(platformColor & 0xFF, (platformColor >> 8) & 0xFF, (platformColor >> 16) & 0xFF);
}

}  // namespace

TQELCustomCurrencyEdit::TQELCustomCurrencyEdit(TPCostomCurrencyEdit &model, QWidget *parent)
    : QWidget(parent), model_(model) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  blink_.setInterval(500);
  connect(&blink_, &QTimer::timeout, this, [this] {
    cursorShown_ = !cursorShown_;
    update();
  });
  connect(&model_, &QelField::changed, this, &TQELCustomCurrencyEdit::syncFromModel);
  connect(&model_, &QelField::geometryChanged, this, [this](const QRect &rect) { setGeometry(rect); });
  connect(&model_, &QelField::fontChanged, this, [this] { setFont(screenFontOf(model_)); });
  connect(&model_, &QelField::visibilityChanged, this, &QWidget::setVisible);
  connect(&model_, &TPCostomCurrencyEdit::cursorMoved, this, &TQELCustomCurrencyEdit::restartBlink);
  setGeometry(model_.geometry());
  setFont(screenFontOf(model_));
  setVisible(model_.isVisible());
  syncFromModel();
}

void TQELCustomCurrencyEdit::syncFromModel() {
  setToolTip(model_.hint());
  update();
}

void TQELCustomCurrencyEdit::restartBlink() {
  if (!hasFocus()) return;
  cursorShown_ = true;
  blink_.start();
  update();
}

void TQELCustomCurrencyEdit::paintEvent(QPaintEvent *) {
  const CurrencyCellEditor &cells = model_.cells();
  const bool focused = hasFocus();
  const bool negative = model_.amount().isNegative();
  QPainter painter(this);
  QColor background = palette().color(QPalette::Base);
  if (focused)
    background = cells.FocusedColor;
  else if (negative && cells.ShowNegativeColor)
    background = cells.NegativeColor;
  painter.fillRect(rect(), background);

  const CellLayout layout = cells.layout(width());
  for (int line = 1; line < cells.DigitalNumber(); ++line)
    painter.fillRect(layout.lineX(line), 0, layout.gridLineWidth, height(), cells.lineColor(line));

  const QFontMetrics metrics(font());
  const int charWidth = metrics.horizontalAdvance(u'0');
  const int charHeight = metrics.height();
  const int y = (height() - charHeight) / 2 + 1;  // centred digits
  painter.setPen(colorOf(model_.font().color));
  const QStringList texts = cells.cellTexts(focused);
  for (int cell = 0; cell < texts.size(); ++cell) {
    if (texts.at(cell).isEmpty()) continue;
    const QRect box(layout.cellLeft(cell), 0, layout.cellWidth, height());
    painter.save();
    painter.setClipRect(box);
    painter.drawText(box.left() + (layout.cellWidth - charWidth) / 2, y + metrics.ascent(), texts.at(cell));
    painter.restore();
  }

  if (focused && cursorShown_ && !cells.ReadOnly) {
    const int cursorWidth = charWidth + 2;
    const int x = layout.cellLeft(cells.cursor()) + (layout.cellWidth - cursorWidth) / 2;
    const int baseline = qMin(y + metrics.ascent() + 1, height() - 2);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(x, baseline, cursorWidth, 2, Qt::white);
  }
}

void TQELCustomCurrencyEdit::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::Undo)) {
    model_.undo();
    return;
  }
  const bool keypad = event->modifiers() & Qt::KeypadModifier;
  switch (model_.keyPress(event->key(), event->modifiers(), keypad)) {
    case CellKeyResult::Handled:
      return;
    case CellKeyResult::MoveOut:
      focusNextPrevChild(!(event->key() == Qt::Key_Left || event->key() == Qt::Key_Up));
      return;
    case CellKeyResult::Ignored:
      QWidget::keyPressEvent(event);
      return;
  }
}

void TQELCustomCurrencyEdit::mousePressEvent(QMouseEvent *event) {
  const bool givesFocus = focusedByClick_ || !hasFocus();
  focusedByClick_ = false;
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  model_.click(model_.cells().layout(width()).cellAt(event->position().toPoint().x()), givesFocus);
}

void TQELCustomCurrencyEdit::focusInEvent(QFocusEvent *event) {
  focusedByClick_ = event->reason() == Qt::MouseFocusReason;
  model_.focusIn();
  QWidget::focusInEvent(event);
}

void TQELCustomCurrencyEdit::focusOutEvent(QFocusEvent *event) {
  blink_.stop();
  cursorShown_ = false;
  focusedByClick_ = false;
  update();
  QWidget::focusOutEvent(event);
}

}  // namespace op
