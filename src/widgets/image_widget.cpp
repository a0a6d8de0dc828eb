#include "widgets/image_widget.h"

#include <QFileDialog>
#include <QPainter>

#include "controls/image.h"

namespace op {

ImageWidget::ImageWidget(TPCostomImage &image, QWidget *parent) : FieldWidget(image, parent), image_(image) {
  setToolTip(QStringLiteral("双击选择图片"));
}

void ImageWidget::paintEvent(QPaintEvent *) {
  const QImage &picture = image_.picture();
  if (picture.isNull()) return;
  QPainter painter(this);
  if (image_.stretch())
    painter.drawImage(rect(), picture);
  else
    painter.drawImage(QPoint(0, 0), picture);
}

void ImageWidget::mouseDoubleClickEvent(QMouseEvent *) {
  const QString path =
      QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("图像文件(JPEG,BMP) (*.jpg *.bmp)"));
  if (!path.isEmpty()) image_.loadFile(path);
}

}  // namespace op
