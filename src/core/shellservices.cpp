#include "core/shellservices.h"

#include "core/ids.h"

namespace op {

TCommFun &TCommFun::instance() {
  static TCommFun services;
  return services;
}

void TCommFun::ShowWait(const QString &text) {
  shown_ = true;
  if (presenter_) presenter_->show(text);
}

void TCommFun::HideWait() {
  if (!shown_) return;
  shown_ = false;
  if (presenter_) presenter_->hide();
}

QString TCommFun::GetID() const {
  return getId();
}

void TCommFun::setWaitPresenter(WaitPresenter *presenter) {
  if (presenter_ && shown_) presenter_->hide();
  shown_ = false;
  presenter_ = presenter;
}

}  // namespace op
