#include "widgets/zipcode_widget.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include "controls/zipcode_edit.h"

namespace op {

ZipCodeWidget::ZipCodeWidget(TPCustomZipCodeEdit &model, QWidget *parent) : FieldWidget(model, parent), model_(model) {
  for (int i = 0; i < model_.boxCount(); ++i) {
    auto *box = new QLineEdit(this);
    box->setFrame(false);
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(1);
    box->setContextMenuPolicy(Qt::NoContextMenu);  // no pasting around the typing rules
    box->setAcceptDrops(false);
    box->setTextMargins(0, 0, 0, 0);
    box->setAutoFillBackground(true);
    box->setBackgroundRole(QPalette::ToolTipBase);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    box->setPalette(palette);
    box->installEventFilter(this);
    box->show();  // the field widget may already be shown
    boxes_ << box;
  }
  for (int i = 1; i < boxes_.size(); ++i) setTabOrder(boxes_[i - 1], boxes_[i]);
  button_ = new QToolButton(this);
  button_->setText(QStringLiteral("..."));
  button_->setToolTip(model_.buttonHint());
  button_->show();
  connect(button_, &QToolButton::clicked, this, [this] { model_.requestPick(); });
  applyFont();
  layOutBoxes();
  showValue();
}

void ZipCodeWidget::showValue() {
  for (int i = 0; i < boxes_.size(); ++i)
    if (boxes_[i]->text() != model_.boxText(i)) boxes_[i]->setText(model_.boxText(i));
}

void ZipCodeWidget::fieldChanged() {
  showValue();
  update();
}

void ZipCodeWidget::fieldFontChanged() {
  applyFont();
}

void ZipCodeWidget::resizeEvent(QResizeEvent *) {
  layOutBoxes();
}

// The boxes follow the field's size and stay 12 × 18.
void ZipCodeWidget::layOutBoxes() {
  button_->setGeometry(model_.buttonRect());
  for (int i = 0; i < boxes_.size(); ++i) boxes_[i]->setGeometry(model_.boxRect(i));
  update();
}

void ZipCodeWidget::applyFont() {
  const QFont font = fieldScreenFont(model_);
  setFont(font);
  for (QLineEdit *box : boxes_) box->setFont(font);
  QFont buttonFont = font;
  buttonFont.setPointSize(8);
  button_->setFont(buttonFont);
}

bool ZipCodeWidget::eventFilter(QObject *watched, QEvent *event) {
  const int index = int(boxes_.indexOf(static_cast<QLineEdit *>(watched)));
  if (index < 0 || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto *key = static_cast<QKeyEvent *>(event);
  if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
    model_.eraseBox(index);
    return true;
  }
  const QString text = key->text();
  if (text.size() != 1 || !text.at(0).isPrint()) return QWidget::eventFilter(watched, event);  // Tab, arrows …
  const int next = model_.typeChar(index, text.at(0));
  if (next >= 0 && next != index) boxes_[next]->setFocus(Qt::TabFocusReason);
  return true;  // a refused character is discarded
}

void ZipCodeWidget::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace op
