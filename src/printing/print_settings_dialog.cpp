#include "printing/print_settings_dialog.h"

#include "core/messagesink.h"
#include "printing/printer_list_dialog.h"
#include "printing/printtarget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

namespace op {

LayoutPreviewGrid::LayoutPreviewGrid(QWidget *parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LayoutPreviewGrid::setCounts(int columns, int rows) {
  columns_ = qMax(1, columns);
  rows_ = qMax(1, rows);
  updateGeometry();
  update();
}

QSize LayoutPreviewGrid::sizeHint() const {
  return {qMin(columns_, 10) * (kCell + kLine) + kLine, qMin(rows_, 8) * (kCell + kLine) + kLine};
}

void LayoutPreviewGrid::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Mid));
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < columns_; ++c)
      painter.fillRect(kLine + c * (kCell + kLine), kLine + r * (kCell + kLine), kCell, kCell, Qt::white);
}

TFrmPrintSettings::TFrmPrintSettings(const LayoutSettings &settings, QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("打印布局设置"));
  auto *layout = new QVBoxLayout(this);
  CBBoUserPrintSetting = new QCheckBox(QStringLiteral("使用打印布局"), this);
  CBBoUserPrintSetting->setChecked(settings.BoUserPrintSetting);
  layout->addWidget(CBBoUserPrintSetting);

  auto *form = new QFormLayout;
  EdPrintXCount = new QSpinBox(this);
  EdPrintXCount->setRange(1, 30);
  EdPrintXCount->setValue(qBound(1, settings.PrintXCount, 30));
  EdPrintXWidth = new QDoubleSpinBox(this);
  EdPrintXWidth->setRange(0, 9999);
  EdPrintXWidth->setDecimals(0);
  EdPrintXWidth->setValue(settings.PrintXWidth);
  EdPrintYCount = new QSpinBox(this);
  EdPrintYCount->setRange(1, 99);
  EdPrintYCount->setValue(qBound(1, settings.PrintYCount, 99));
  EdPrintYWidth = new QDoubleSpinBox(this);
  EdPrintYWidth->setRange(0, 9999);
  EdPrintYWidth->setDecimals(0);
  EdPrintYWidth->setValue(settings.PrintYWidth);
  const QString hint = QStringLiteral("例如: -10 向左偏移 10 向右偏移 \r\n      -10 向上偏移 10 向下偏移 ");
  form->addRow(QStringLiteral("水平份数"), EdPrintXCount);
  form->addRow(QStringLiteral("每份宽度[毫米]"), EdPrintXWidth);
  form->addRow(QStringLiteral("垂直份数"), EdPrintYCount);
  form->addRow(QStringLiteral("每份长度[毫米]"), EdPrintYWidth);
  for (int i = 0; i < form->rowCount(); ++i)
    if (auto *label = form->itemAt(i, QFormLayout::LabelRole)) label->widget()->setToolTip(hint);
  layout->addLayout(form);

  JvDrawGrid1 = new LayoutPreviewGrid(this);
  JvDrawGrid1->setCounts(EdPrintXCount->value(), EdPrintYCount->value());
  layout->addWidget(JvDrawGrid1, 1);
  layout->addWidget(new QLabel(QStringLiteral("此功能必须使用<快速连续打印>时才生效"), this));
  auto refresh = [this] { JvDrawGrid1->setCounts(EdPrintXCount->value(), EdPrintYCount->value()); };
  connect(EdPrintXCount, &QSpinBox::valueChanged, this, refresh);
  connect(EdPrintYCount, &QSpinBox::valueChanged, this, refresh);

  auto *buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

LayoutSettings TFrmPrintSettings::settings() const {
  LayoutSettings settings;
  settings.BoUserPrintSetting = CBBoUserPrintSetting->isChecked();
  settings.PrintXCount = EdPrintXCount->value();
  settings.PrintXWidth = int(EdPrintXWidth->value());
  settings.PrintYCount = EdPrintYCount->value();
  settings.PrintYWidth = int(EdPrintYWidth->value());
  return settings;
}

bool EditLayoutSettings(QWidget *parent, LayoutSettings &settings) {
  TFrmPrintSettings dialog(settings, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  settings = dialog.settings();
  return true;
}

void ShowMmPixelConverter(QWidget *parent) {
  const QString notice = QStringLiteral("提示");
  messageSink().show(MessageIcon::Information, notice, QStringLiteral("进行像素、毫米换算，需要您指定一个打印机"));
  QString name;
  switch (ChoosePrinter(parent, false, &name)) {
    case PrinterChoice::NoPrinters:
      messageSink().show(MessageIcon::Warning, notice, QStringLiteral("未发现打印机!"));
      return;
    case PrinterChoice::Cancelled:
      return;
    case PrinterChoice::NoneSelected:
      messageSink().show(MessageIcon::Warning, notice, QStringLiteral("请选择打印机"));
      return;
    case PrinterChoice::Chosen:
      break;
  }
  PrinterTarget printer(name);
  if (!printer.isValid()) {
    messageSink().show(MessageIcon::Warning, notice, QStringLiteral("请选择打印机"));
    return;
  }
  messageSink().show(MessageIcon::Information, notice, MmPixelConversionText(printer.dpiX(), printer.dpiY()));
}

void ShowOffsetHelp() {
  messageSink().show(MessageIcon::Information, QStringLiteral("提示"), OffsetHelpText());
}

}  // namespace op
