#pragma once

#include "printing/printonecopy.h"

#include <QDialog>
#include <QStringList>

class QListWidget;
class QSpinBox;

// The printer list dialog: the printers CUPS knows, the default one marked; double-click or "确定" confirms.
namespace op {

class TFrmPrint : public QDialog {
  Q_OBJECT

 public:
  // `printers` as listed; `defaultPrinter` is marked "(默认)" and selected when `preselectDefault`.
  TFrmPrint(const QStringList &printers, const QString &defaultPrinter, bool preselectDefault,
            QWidget *parent = nullptr);

  // The selected printer's name; empty when no line is selected.
  QString selectedPrinter() const;
  QListWidget *list() const { return list_; }

 private:
  QStringList printers_;
  QListWidget *list_;
  QSpinBox *copies_;  // "打印份数": present but hidden
};

// The installed printers and the default one (empty names when there are none).
QStringList InstalledPrinters();
QString DefaultPrinterName();

// Shows the dialog for the installed printers. Chosen with `name` set (no selection: the default printer),
// NoPrinters without printers, Cancelled when closed without confirming, NoneSelected when nothing results.
PrinterChoice ChoosePrinter(QWidget *parent, bool preselectDefault, QString *name);

// PrintEnvironment::openPrinter for the program: mode 0 shows the dialog, 1 takes the default printer.
std::unique_ptr<PrintTarget> OpenPrinterForCopy(int mode, PrinterChoice &choice, QWidget *parent = nullptr);

}  // namespace op
