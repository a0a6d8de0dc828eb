#include "app/frmconfig.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/icons.h"
#include "core/globalsettings.h"
#include "core/messagesink.h"

namespace op::app {
namespace {

QSpinBox *offsetEdit(QWidget *parent) {
  auto *edit = new QSpinBox(parent);
  edit->setRange(-9999, 9999);
  edit->setMinimumWidth(90);
  return edit;
}

}  // namespace

TFrmConfig::TFrmConfig(Database *db, QWidget *parent) : QDialog(parent), db_(db) {
  setWindowTitle(QStringLiteral("设置中心"));
  setWindowIcon(appIcon(QStringLiteral("settings")));
  setAttribute(Qt::WA_DeleteOnClose, false);
  buildControls();
  setValues(db_ ? readConfigForm(*db_) : ConfigFormValues());
}

void TFrmConfig::buildControls() {
  auto *layout = new QVBoxLayout(this);

  auto *offsetGroup = new QGroupBox(QStringLiteral("全局偏移"), this);
  auto *offsetGrid = new QGridLayout(offsetGroup);
  useGlobalOffset_ =
      new QCheckBox(QStringLiteral("启用全局偏移(对全部模版生效)   每个模版的偏移请在设计模版中修改"), offsetGroup);
  offsetX_ = offsetEdit(offsetGroup);
  offsetY_ = offsetEdit(offsetGroup);
  offsetGrid->addWidget(useGlobalOffset_, 0, 0, 1, 3);
  offsetGrid->addWidget(new QLabel(QStringLiteral("水平偏移(左右)"), offsetGroup), 1, 0);
  offsetGrid->addWidget(offsetX_, 1, 1);
  offsetGrid->addWidget(new QLabel(QStringLiteral("垂直偏移(上下)"), offsetGroup), 2, 0);
  offsetGrid->addWidget(offsetY_, 2, 1);
  offsetGrid->setColumnStretch(2, 1);

  auto *unitBox = new QGroupBox(QStringLiteral("偏移类型"), offsetGroup);
  auto *unitLayout = new QHBoxLayout(unitBox);
  millimetres_ = new QRadioButton(QStringLiteral("毫米"), unitBox);
  pixels_ = new QRadioButton(QStringLiteral("像素"), unitBox);
  auto *unitGroup = new QButtonGroup(this);
  unitGroup->addButton(millimetres_);
  unitGroup->addButton(pixels_);
  unitLayout->addWidget(millimetres_);
  unitLayout->addWidget(pixels_);
  unitLayout->addStretch();
  offsetGrid->addWidget(unitBox, 3, 0, 1, 3);
  layout->addWidget(offsetGroup);

  auto *printGroup = new QGroupBox(QStringLiteral("连续打印"), this);
  auto *printGrid = new QGridLayout(printGroup);
  autoTimedPrint_ = new QCheckBox(QStringLiteral("自动定时连续打印(适合自动进纸的连续打印)"), printGroup);
  interval_ = new QSpinBox(printGroup);
  interval_->setRange(kMinPrintInterval, kMaxPrintInterval);
  interval_->setMinimumWidth(90);
  printGrid->addWidget(autoTimedPrint_, 0, 0, 1, 3);
  printGrid->addWidget(new QLabel(QStringLiteral("连续打印的时间间隔"), printGroup), 1, 0);
  printGrid->addWidget(interval_, 1, 1);
  printGrid->addWidget(new QLabel(QStringLiteral("毫秒(1秒=1000毫秒)"), printGroup), 1, 2);
  printGrid->setColumnStretch(3, 1);
  layout->addWidget(printGroup);

  auto *buttons = new QHBoxLayout;
  addIn_ = new QPushButton(QStringLiteral("初始化IE右键地址识别"), this);
  ok_ = new QPushButton(QStringLiteral("确定"), this);
  ok_->setToolTip(QStringLiteral("保存并关闭"));
  ok_->setDefault(true);
  auto *cancel = new QPushButton(QStringLiteral("取消"), this);
  buttons->addWidget(addIn_);
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, &TFrmConfig::saveAndClose);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(addIn_, &QPushButton::clicked, this, [] {
    showNotice(
        QStringLiteral("本系统在 Linux 上没有浏览器右键地址识别插件，无需初始化。\r\n"
                       "其他程序可以把要识别的文本写入数据文件夹的 Addr.txt，交给本程序识别。"));
  });
}

ConfigFormValues TFrmConfig::values() const {
  ConfigFormValues values;
  values.useGlobalOffset = useGlobalOffset_->isChecked();
  values.offsetX = offsetX_->text();
  values.offsetY = offsetY_->text();
  values.autoTimedPrint = autoTimedPrint_->isChecked();
  values.interval = interval_->text();
  values.millimetres = millimetres_->isChecked();
  return values;
}

void TFrmConfig::setValues(const ConfigFormValues &values) {
  useGlobalOffset_->setChecked(values.useGlobalOffset);
  offsetX_->setValue(integerOrZero(values.offsetX));
  offsetY_->setValue(integerOrZero(values.offsetY));
  autoTimedPrint_->setChecked(values.autoTimedPrint);
  interval_->setValue(integerOrZero(values.interval));
  (values.millimetres ? millimetres_ : pixels_)->setChecked(true);
}

void TFrmConfig::saveAndClose() {
  if (db_) saveConfigForm(*db_, values(), GlobalSettings::instance());
  accept();
}

}  // namespace op::app
