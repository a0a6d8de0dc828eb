#include "widgets/fillin_surface.h"

#include <QPaintEvent>
#include <QPainter>

#include "document/edit_panels.h"

namespace op {

FillInSurface::FillInSurface(QWidget *parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  setFixedSize(0, 0);
}

void FillInSurface::setDocument(TEditPanels *document) {
  if (document_) disconnect(document_, nullptr, this, nullptr);
  document_ = document;
  if (document) connect(document, &TEditPanels::pictureChanged, this, [this] { refreshSize(); });
  refreshSize();
}

void FillInSurface::refreshSize() {
  QSize size;
  if (document_) {
    size = QSize(document_->Width(), document_->Height());
    if (size.width() <= 0 || size.height() <= 0) size = document_->picture().size();
    document_->setPanelSize(size);
  }
  setFixedSize(size.expandedTo(QSize(0, 0)));
  update();
}

void FillInSurface::paintEvent(QPaintEvent *event) {
  if (!document_) return;
  const QImage &picture = document_->picture();
  if (picture.isNull()) return;
  QPainter painter(this);
  if (picture.size() == size()) {
    painter.drawImage(event->rect(), picture, event->rect());
    return;
  }
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(rect(), picture);
}

}  // namespace op
