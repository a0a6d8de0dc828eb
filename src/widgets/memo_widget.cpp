#include "widgets/memo_widget.h"

#include <QPlainTextEdit>

#include "controls/memo.h"

namespace op {

MemoWidget::MemoWidget(TQELMemo &memo, QWidget *parent)
    : FieldWidget(memo, parent), memo_(memo), text_(new QPlainTextEdit(this)) {
  text_->setGeometry(rect());
  text_->show();
  text_->setPlainText(memo.caption());
  connect(text_, &QPlainTextEdit::textChanged, this, [this] { memo_.setCaption(text_->toPlainText()); });
  connect(&memo, &TQELMemo::captionChanged, this, [this](const QString &caption) {
    if (text_->toPlainText() != caption) text_->setPlainText(caption);
  });
}

void MemoWidget::resizeEvent(QResizeEvent *) {
  text_->setGeometry(rect());
}

}  // namespace op
