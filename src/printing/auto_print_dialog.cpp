#include "printing/auto_print_dialog.h"

#include "core/globalsettings.h"
#include "core/messagesink.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace op {

TFrmAutoPrints::TFrmAutoPrints(int intervalMs, QWidget *parent)
    : QDialog(parent), intervalMs_(intervalMs), timer_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("自动打印等待窗口"));
  auto *layout = new QVBoxLayout(this);
  remaining_ = new QLabel(QString::number(intervalMs) + QStringLiteral("毫秒"), this);
  abort_ = new QPushButton(QStringLiteral("终止打印(Esc)"), this);
  layout->addWidget(remaining_);
  layout->addWidget(abort_);
  connect(abort_, &QPushButton::clicked, this, &TFrmAutoPrints::abort);
  timer_->setInterval(100);
  connect(timer_, &QTimer::timeout, this, &TFrmAutoPrints::tick);
  started_.start();
}

void TFrmAutoPrints::showEvent(QShowEvent *event) {
  QDialog::showEvent(event);
  timer_->start();
}

void TFrmAutoPrints::tick() {
  const qint64 elapsed = started_.elapsed();
  remaining_->setText(QString::number(intervalMs_ - elapsed) + QStringLiteral("毫秒"));
  if (elapsed >= intervalMs_) {
    timer_->stop();
    accept();
  }
}

void TFrmAutoPrints::abort() {
  aborted_ = true;
  timer_->stop();
  reject();
}

void TFrmAutoPrints::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Escape) {
    abort();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool PacePrint(QWidget *parent) {
  const GlobalSettings &settings = GlobalSettings::instance();
  if (settings.AutoTimedPrint()) {
    TFrmAutoPrints window(settings.AutoPrintInterval(), parent);
    window.exec();
    return !window.aborted();
  }
  return messageSink().ask(QStringLiteral("继续打印?"), QStringLiteral("按[是]继续打印，按[否]终止"));
}

}  // namespace op
