#include "app/frmwait.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>

#include "app/icons.h"

namespace op::app {

TFrmWait::TFrmWait(const QString &text, QWidget *parent)
    : QFrame(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
  setObjectName(QStringLiteral("TFrmWait"));
  setFixedSize(399, 112);
  setFrameShape(QFrame::Box);
  setStyleSheet(QStringLiteral("#TFrmWait { background: #f7f9fc; border: 1px solid #3b5168; }"));
  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(18, 12, 18, 12);
  layout->setSpacing(16);
  auto *picture = new QLabel(this);
  picture->setPixmap(appIcon(QStringLiteral("wait")).pixmap(64, 64));
  text_ = new QLabel(text, this);
  QFont font = text_->font();
  font.setPointSize(11);
  text_->setFont(font);
  text_->setWordWrap(true);
  layout->addWidget(picture);
  layout->addWidget(text_, 1);
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TFrmWait::mousePressEvent(QMouseEvent *event) {
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  QFrame::mousePressEvent(event);
}

WidgetWaitPresenter::~WidgetWaitPresenter() {
  delete window_;
}

void WidgetWaitPresenter::show(const QString &text) {
  delete window_;
  window_ = new TFrmWait(text);
  window_->show();
  window_->repaint();
}

void WidgetWaitPresenter::hide() {
  delete window_;
  window_ = nullptr;
}

}  // namespace op::app
