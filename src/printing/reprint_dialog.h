#pragma once

#include <QDialog>

class QSpinBox;

// "打印上一次的内容" and "重复打印上一次内容": the last print again on the default printer.
namespace op {

class TFrmRePrintComm : public QDialog {
  Q_OBJECT

 public:
  TFrmRePrintComm(int intervalSeconds, QWidget *parent = nullptr);
  QSpinBox *RP_edit1;  // "打印次数", 1 to 999
  QSpinBox *RP_edit2;  // "打印间隔" in seconds, 1 to 999
};

// Print last: the file's block at its origin on the default printer. Messages through the message sink.
bool PrintLastCommand(const QString &datPath, const QString &iniPath);

// Repeat last: the dialog, then the copies with their pauses (events processed in 100 ms steps). The
// interval chosen is kept in Config.ini. False when cancelled or failed (after the message).
bool RepeatLastCommand(QWidget *parent, const QString &datPath, const QString &iniPath);

}  // namespace op
