#include "widgets/barcode_widget.h"

#include <QPainter>

#include "controls/barcode_field.h"

namespace op {

BarcodeWidget::BarcodeWidget(TPCostomBarCode &barcode, QWidget *parent) : FieldWidget(barcode, parent), barcode_(barcode) {
  setAttribute(Qt::WA_TranslucentBackground);
  setToolTip(barcode_.hint());
}

void BarcodeWidget::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (barcode_.paint(painter, QRectF(rect()))) {
    setToolTip(barcode_.hint());
    return;
  }
  painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  setToolTip(barcode_.lastError());
}

}  // namespace op
