#pragma once

#include <QList>

#include "widgets/widget_factory.h"

class QLineEdit;
class QToolButton;

namespace op {

class TPCustomZipCodeEdit;

// The boxed code edit on screen: one single-character box per code character and the "..." button. Keys go
// through the model's typing rules; the boxes show what the model holds.
class ZipCodeWidget : public FieldWidget {
  Q_OBJECT

 public:
  explicit ZipCodeWidget(TPCustomZipCodeEdit &model, QWidget *parent = nullptr);

  TPCustomZipCodeEdit &model() const { return model_; }
  QLineEdit *box(int index) const { return boxes_.value(index); }
  QToolButton *button() const { return button_; }

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;
  void fieldFontChanged() override;
  void fieldChanged() override;

 private:
  void showValue();
  void layOutBoxes();
  void applyFont();

  TPCustomZipCodeEdit &model_;
  QList<QLineEdit *> boxes_;
  QToolButton *button_;
};

}  // namespace op
