#include "printing/print_range_dialog.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace op {

TFrmPrintType::TFrmPrintType(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("打印范围"));
  auto *layout = new QVBoxLayout(this);
  FromFirst = new QRadioButton(QStringLiteral("从第一条数据开始打印"), this);
  FromSelected = new QRadioButton(QStringLiteral("从选择的数据开始打印"), this);
  FromFirst->setChecked(true);
  layout->addWidget(FromFirst);
  layout->addWidget(FromSelected);
  auto *ok = new QPushButton(QStringLiteral("确定"), this);
  ok->setDefault(true);
  layout->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool TFrmPrintType::fromFirst() const {
  return FromFirst->isChecked();
}

// Closing the window is the same as "确定": the choice shown is taken.
void TFrmPrintType::closeEvent(QCloseEvent *event) {
  event->accept();
  accept();
}

bool AskPrintFromFirst(QWidget *parent) {
  TFrmPrintType dialog(parent);
  dialog.exec();
  return dialog.fromFirst();
}

}  // namespace op
