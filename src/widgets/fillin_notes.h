#pragma once

#include <QPlainTextEdit>

namespace op {

// The notes area below the catalogue: print runs append their notes. It starts folded; when its text
// changes while it is 10 pixels high or less it grows to 89 pixels with a vertical scroll bar.
class FillInNotes : public QPlainTextEdit {
  Q_OBJECT

 public:
  static constexpr int kFoldedHeight = 10;
  static constexpr int kOpenHeight = 89;

  explicit FillInNotes(QWidget *parent = nullptr);

  void appendNote(const QString &text) { appendPlainText(text); }
};

}  // namespace op
