#include "printing/reprint_dialog.h"

#include "core/messagesink.h"
#include "core/shellservices.h"
#include "printing/last_print_info.h"
#include "printing/printer_list_dialog.h"
#include "printing/printtarget.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace op {

namespace {

const QString kNotice = QStringLiteral("提示");

void warn(const QString &text) {
  messageSink().show(MessageIcon::Warning, kNotice, text);
}

std::unique_ptr<PrintTarget> defaultPrinter() {
  if (InstalledPrinters().isEmpty()) return nullptr;
  auto printer = std::make_unique<PrinterTarget>(DefaultPrinterName());
  return printer->isValid() ? std::move(printer) : nullptr;
}

}  // namespace

TFrmRePrintComm::TFrmRePrintComm(int intervalSeconds, QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("重复打印"));
  auto *layout = new QVBoxLayout(this);
  auto *form = new QFormLayout;
  RP_edit1 = new QSpinBox(this);
  RP_edit1->setRange(1, 999);
  RP_edit1->setValue(1);
  RP_edit2 = new QSpinBox(this);
  RP_edit2->setRange(1, 999);
  RP_edit2->setValue(qBound(1, intervalSeconds, 999));
  RP_edit2->setSuffix(QStringLiteral(" 秒"));
  form->addRow(QStringLiteral("打印次数"), RP_edit1);
  form->addRow(QStringLiteral("打印间隔"), RP_edit2);
  layout->addLayout(form);
  layout->addWidget(new QLabel(QStringLiteral("提示: 只使用默认打印机打印"), this));
  layout->addWidget(new QLabel(QStringLiteral("提示: 只打印前次内容"), this));
  auto *buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

bool PrintLastCommand(const QString &datPath, const QString &iniPath) {
  QString error;
  const auto info = ReadLastPrintInfo(datPath, iniPath, &error);
  if (!info) {
    warn(error);
    return false;
  }
  auto printer = defaultPrinter();
  if (!printer) {
    warn(QStringLiteral("未发现打印机!"));
    return false;
  }
  if (!PrintLastInfo(*info, *printer, &error)) {
    showError(QStringLiteral("打印失败!\r\n打印失败:\r\n") + error);
    return false;
  }
  return true;
}

bool RepeatLastCommand(QWidget *parent, const QString &datPath, const QString &iniPath) {
  TFrmRePrintComm dialog(ReadRePrintTick(iniPath), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const int copies = dialog.RP_edit1->value();
  const int interval = dialog.RP_edit2->value();
  WriteRePrintTick(iniPath, interval);

  WaitGuard wait(QStringLiteral("打印中..."));
  QString error;
  const auto info = ReadLastPrintInfo(datPath, iniPath, &error);
  if (!info) {
    warn(error);
    return false;
  }
  if (InstalledPrinters().isEmpty()) {
    warn(QStringLiteral("未发现打印机!"));
    return false;
  }
  if (!RepeatLastPrint(*info, copies, interval, defaultPrinter, WaitProcessingEvents, &error)) {
    if (error == QStringLiteral("未发现打印机!"))
      warn(error);
    else
      showError(QStringLiteral("打印失败!\r\n打印失败:\r\n") + error);
    return false;
  }
  return true;
}

}  // namespace op
