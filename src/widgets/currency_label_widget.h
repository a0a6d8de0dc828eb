#pragma once

#include <QWidget>

namespace op {

class TPCostomCurrencyLabel;

// The money label on screen: a transparent label that paints its model's text at its bottom edge, aligned
// left, centred or right by TextStyle.
class TQELCustomCurrencyLabel : public QWidget {
  Q_OBJECT

 public:
  explicit TQELCustomCurrencyLabel(TPCostomCurrencyLabel &model, QWidget *parent = nullptr);

  TPCostomCurrencyLabel &model() const { return model_; }

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  TPCostomCurrencyLabel &model_;
};

}  // namespace op
