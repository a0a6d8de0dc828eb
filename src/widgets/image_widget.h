#pragma once

#include "widgets/widget_factory.h"

namespace op {

class TPCostomImage;

// The picture field on screen: its picture stretched into the field (or drawn at its own size from the top
// left). A double click offers a picture file to load.
class ImageWidget : public FieldWidget {
  Q_OBJECT

 public:
  ImageWidget(TPCostomImage &image, QWidget *parent);

 protected:
  void paintEvent(QPaintEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

 private:
  TPCostomImage &image_;
};

}  // namespace op
