#pragma once

#include "widgets/widget_factory.h"

class QPlainTextEdit;

namespace op {

class TQELMemo;

// Shows a memo field: plain multi-line text, kept in step with the model both ways.
class MemoWidget : public FieldWidget {
  Q_OBJECT

 public:
  MemoWidget(TQELMemo &memo, QWidget *parent);

  QPlainTextEdit *textEdit() const { return text_; }

 protected:
  void resizeEvent(QResizeEvent *event) override;

 private:
  TQELMemo &memo_;
  QPlainTextEdit *text_;
};

}  // namespace op
