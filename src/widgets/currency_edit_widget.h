#pragma once

#include <QTimer>
#include <QWidget>

namespace op {

class TPCostomCurrencyEdit;

// The money cell editor on screen: paints the digit cells of its money edit model with grid lines, the red
// decimal line and the darker lines between groups of three, and a blinking underline cursor. Keys, clicks
// and focus go to the model, which holds every typing rule.
class TQELCustomCurrencyEdit : public QWidget {
  Q_OBJECT

 public:
  explicit TQELCustomCurrencyEdit(TPCostomCurrencyEdit &model, QWidget *parent = nullptr);

  TPCostomCurrencyEdit &model() const { return model_; }

 protected:
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void focusInEvent(QFocusEvent *event) override;
  void focusOutEvent(QFocusEvent *event) override;

 private:
  void syncFromModel();
  void restartBlink();

  TPCostomCurrencyEdit &model_;
  QTimer blink_;
  bool cursorShown_ = false;
  bool focusedByClick_ = false;
};

}  // namespace op
