#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/configstore.h"

namespace op::app {

// "设置中心": global offset, timed continuous print and the offset unit. Filled from PP_CONFIG each time it
// opens; "确定" saves and closes, any other way of closing discards the changes.
class TFrmConfig : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmConfig(Database *db, QWidget *parent = nullptr);

  ConfigFormValues values() const;
  void setValues(const ConfigFormValues &values);

  QCheckBox *useGlobalOffsetBox() const { return useGlobalOffset_; }
  QSpinBox *offsetXEdit() const { return offsetX_; }
  QSpinBox *offsetYEdit() const { return offsetY_; }
  QCheckBox *autoTimedPrintBox() const { return autoTimedPrint_; }
  QSpinBox *intervalEdit() const { return interval_; }
  QRadioButton *millimetresButton() const { return millimetres_; }
  QRadioButton *pixelsButton() const { return pixels_; }
  QPushButton *okButton() const { return ok_; }
  QPushButton *addInButton() const { return addIn_; }

 private:
  void buildControls();
  void saveAndClose();

  Database *db_;
  QCheckBox *useGlobalOffset_ = nullptr;
  QSpinBox *offsetX_ = nullptr;
  QSpinBox *offsetY_ = nullptr;
  QCheckBox *autoTimedPrint_ = nullptr;
  QSpinBox *interval_ = nullptr;
  QRadioButton *millimetres_ = nullptr;
  QRadioButton *pixels_ = nullptr;
  QPushButton *ok_ = nullptr;
  QPushButton *addIn_ = nullptr;
};

}  // namespace op::app
