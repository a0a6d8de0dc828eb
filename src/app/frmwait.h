#pragma once

#include <QFrame>
#include <QLabel>

#include "core/shellservices.h"

namespace op::app {

// The wait window: borderless, 399 by 112, centred on the screen, a picture and one line of text.
class TFrmWait : public QFrame {
  Q_OBJECT
 public:
  explicit TFrmWait(const QString &text, QWidget *parent = nullptr);
  QString text() const { return text_->text(); }

 protected:
  void mousePressEvent(QMouseEvent *event) override;

 private:
  QLabel *text_;
};

// Shows TFrmWait for TCommFun::ShowWait: at most one window, painted at once so that it stays visible
// while the long operation that follows runs on the same thread.
class WidgetWaitPresenter : public WaitPresenter {
 public:
  ~WidgetWaitPresenter() override;
  void show(const QString &text) override;
  void hide() override;
  TFrmWait *window() const { return window_; }

 private:
  TFrmWait *window_ = nullptr;
};

}  // namespace op::app
