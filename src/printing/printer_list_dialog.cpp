#include "printing/printer_list_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace op {

TFrmPrint::TFrmPrint(const QStringList &printers, const QString &defaultPrinter, bool preselectDefault, QWidget *parent)
    : QDialog(parent), printers_(printers), list_(new QListWidget(this)), copies_(new QSpinBox(this)) {
  setWindowTitle(QStringLiteral("打印"));
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("请选择打印机"), this));
  layout->addWidget(list_);
  for (const QString &name : printers) {
    auto *item = new QListWidgetItem(name == defaultPrinter ? name + QStringLiteral(" (默认)") : name, list_);
    if (name == defaultPrinter) {
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
      if (preselectDefault) list_->setCurrentItem(item);
    }
  }
  if (!preselectDefault) list_->setCurrentRow(-1);
  auto *copiesLabel = new QLabel(QStringLiteral("打印份数"), this);
  copies_->setRange(1, 999);
  layout->addWidget(copiesLabel);
  layout->addWidget(copies_);
  copiesLabel->hide();
  copies_->hide();
  auto *buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString TFrmPrint::selectedPrinter() const {
  const auto selected = list_->selectedItems();
  if (selected.isEmpty()) return {};
  return printers_.value(list_->row(selected.first()));
}

QStringList InstalledPrinters() {
  return QPrinterInfo::availablePrinterNames();
}

QString DefaultPrinterName() {
  return QPrinterInfo::defaultPrinterName();
}

PrinterChoice ChoosePrinter(QWidget *parent, bool preselectDefault, QString *name) {
  const QStringList printers = InstalledPrinters();
  if (printers.isEmpty()) return PrinterChoice::NoPrinters;
  TFrmPrint dialog(printers, DefaultPrinterName(), preselectDefault, parent);
  if (dialog.exec() != QDialog::Accepted) return PrinterChoice::Cancelled;
  QString chosen = dialog.selectedPrinter();
  if (chosen.isEmpty()) chosen = DefaultPrinterName();
  if (chosen.isEmpty()) return PrinterChoice::NoneSelected;
  if (name) *name = chosen;
  return PrinterChoice::Chosen;
}

std::unique_ptr<PrintTarget> OpenPrinterForCopy(int mode, PrinterChoice &choice, QWidget *parent) {
  QString name;
  if (mode == 0) {
    choice = ChoosePrinter(parent, false, &name);
    if (choice != PrinterChoice::Chosen) return nullptr;
  } else {
    if (InstalledPrinters().isEmpty()) {
      choice = PrinterChoice::NoPrinters;
      return nullptr;
    }
    name = DefaultPrinterName();
  }
  auto printer = std::make_unique<PrinterTarget>(name);
  if (!printer->isValid()) {
    choice = PrinterChoice::NoneSelected;
    return nullptr;
  }
  choice = PrinterChoice::Chosen;
  return printer;
}

}  // namespace op
