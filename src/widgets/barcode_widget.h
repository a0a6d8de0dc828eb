#pragma once

#include "widgets/widget_factory.h"

namespace op {

class TPCostomBarCode;

// The barcode field on screen: the bars as they will print, or an empty frame with the encoder's message
// as tool tip when the text cannot be encoded.
class BarcodeWidget : public FieldWidget {
  Q_OBJECT

 public:
  BarcodeWidget(TPCostomBarCode &barcode, QWidget *parent);

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  TPCostomBarCode &barcode_;
};

}  // namespace op
