#include "widgets/fillin_notes.h"

namespace op {

FillInNotes::FillInNotes(QWidget *parent) : QPlainTextEdit(parent) {
  setFixedHeight(kFoldedHeight);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (maximumHeight() > kFoldedHeight) return;
    setFixedHeight(kOpenHeight);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  });
}

}  // namespace op
