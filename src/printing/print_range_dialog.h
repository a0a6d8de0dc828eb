#pragma once

#include <QDialog>

class QRadioButton;

// "打印范围": print the data rows from the first one or from the selected one. There is no cancel.
namespace op {

class TFrmPrintType : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmPrintType(QWidget *parent = nullptr);
  bool fromFirst() const;
  void closeEvent(QCloseEvent *event) override;

  QRadioButton *FromFirst;
  QRadioButton *FromSelected;
};

// Shows the dialog; true to start from the first row.
bool AskPrintFromFirst(QWidget *parent);

}  // namespace op
