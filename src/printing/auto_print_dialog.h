#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QPushButton;
class QTimer;

// Pacing of the continuous print: the countdown window "自动打印等待窗口" for timed printing, else the
// question "按[是]继续打印，按[否]终止".
namespace op {

class TFrmAutoPrints : public QDialog {
  Q_OBJECT

 public:
  TFrmAutoPrints(int intervalMs, QWidget *parent = nullptr);
  bool aborted() const { return aborted_; }
  QLabel *remainingLabel() const { return remaining_; }
  QPushButton *abortButton() const { return abort_; }

 protected:
  void keyPressEvent(QKeyEvent *event) override;
  void showEvent(QShowEvent *event) override;

 private:
  void tick();
  void abort();

  int intervalMs_;
  QElapsedTimer started_;
  QTimer *timer_;
  QLabel *remaining_;
  QPushButton *abort_;
  bool aborted_ = false;
};

// True to go on: the countdown ran out, or the user answered Yes. Timed printing and its interval are
// those of the process-wide settings.
bool PacePrint(QWidget *parent);

}  // namespace op
