#include "widgets/date_edit_widget.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolButton>

#include "controls/date_edit.h"

namespace op {

DateEditWidget::DateEditWidget(TPCustomDateEdit &model, QWidget *parent) : QWidget(parent), model_(model) {
  for (int part = 0; part < 3; ++part) {
    auto *list = new QComboBox(this);
    list->setEditable(false);
    list->setMaxVisibleItems(12);
    connect(list, &QComboBox::activated, this, [this, part](int index) { model_.chooseItem(part, index); });
    lists_[part] = list;
    auto *mark = new QLabel(this);
    mark->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    marks_[part] = mark;
  }
  nowButton_ = new QToolButton(this);
  nowButton_->setText(QStringLiteral("今"));
  nowButton_->setToolTip(QStringLiteral("设置为今天"));
  connect(nowButton_, &QToolButton::clicked, this, [this] { model_.setToday(); });

  connect(&model_, &TPCustomDateEdit::listsRebuilt, this, &DateEditWidget::fillLists);
  connect(&model_, &TPCustomDateEdit::selectionChanged, this, &DateEditWidget::showSelection);
  connect(&model_, &TPCustomDateEdit::layoutChanged, this, &DateEditWidget::placeParts);
  connect(&model_, &QelField::geometryChanged, this, [this](const QRect &rect) { setGeometry(rect); });
  connect(&model_, &QelField::fontChanged, this, &DateEditWidget::applyFont);
  connect(&model_, &QelField::visibilityChanged, this, &QWidget::setVisible);
  connect(&model_, &QelField::changed, this, qOverload<>(&QWidget::update));
  setGeometry(model_.geometry());
  applyFont();
  fillLists();
  placeParts();
  setVisible(model_.isVisible());
}

void DateEditWidget::applyFont() {
  QFont font(model_.font().name, model_.screenFontSize());
  font.setBold(model_.font().bold);
  font.setItalic(model_.font().italic);
  setFont(font);
  for (QComboBox *list : lists_) list->setFont(font);
  QFont buttonFont = font;
  nowButton_->setFont(buttonFont);
}

void DateEditWidget::fillLists() {
  for (int part = 0; part < 3; ++part) {
    const QSignalBlocker blocker(lists_[part]);
    lists_[part]->clear();
    const TPCustomDateEdit::DateList &list = model_.list(part);
    for (int i = 0; i < list.texts.size(); ++i) lists_[part]->addItem(list.texts.at(i), list.numbers.at(i));
  }
  showSelection();
}

void DateEditWidget::showSelection() {
  for (int part = 0; part < 3; ++part) {
    const QSignalBlocker blocker(lists_[part]);
    const TPCustomDateEdit::DateList &list = model_.list(part);
    lists_[part]->setCurrentIndex(list.selected);
    lists_[part]->setToolTip(list.hint);
  }
}

void DateEditWidget::placeParts() {
  for (int part = 0; part < 3; ++part) {
    lists_[part]->setGeometry(model_.list(part).rect);
    marks_[part]->setText(model_.markText(part));
    marks_[part]->setGeometry(model_.markRect(part));
    marks_[part]->setVisible(model_.showDateTimeLabel());
  }
  nowButton_->setGeometry(model_.nowButtonRect());
  nowButton_->setVisible(model_.showNowBtn());
  update();
}

void DateEditWidget::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace op
