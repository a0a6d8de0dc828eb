#include "app/widgetmessagesink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace op::app {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Information:
      break;
  }
  return QMessageBox::Information;
}

}  // namespace

void WidgetMessageSink::show(MessageIcon icon, const QString &title, const QString &text) {
  QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  box.exec();
}

bool WidgetMessageSink::ask(const QString &title, const QString &text) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
  box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
  box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace op::app
