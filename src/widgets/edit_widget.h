#pragma once

#include "widgets/widget_factory.h"

class QLineEdit;
class QToolButton;

namespace op {

class TPCostomEdit;

// Shows a text edit: a single-line edit that writes every keystroke into the model, refuses what the
// model's number format does not accept, follows its letter case and maximum length, brings a value outside
// the enabled bounds back to the bound when editing ends, and shows the selection button at its right edge
// (a click asks the model for a pick).
class EditWidget : public FieldWidget {
  Q_OBJECT

 public:
  EditWidget(TPCostomEdit &edit, QWidget *parent);

  QLineEdit *lineEdit() const { return line_; }
  QToolButton *selectionButton() const { return button_; }

 protected:
  void resizeEvent(QResizeEvent *event) override;
  void fieldChanged() override;
  void fieldFontChanged() override;

 private:
  void showModelText();
  void applyOptions();
  void layoutParts();
  void keepWithinBounds();

  TPCostomEdit &edit_;
  QLineEdit *line_;
  QToolButton *button_;
};

}  // namespace op
