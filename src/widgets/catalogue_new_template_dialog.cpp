#include "widgets/catalogue_new_template_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include "core/messagesink.h"

namespace op {

namespace {

QLineEdit *digitsEdit(const QString &text, const QString &hint, QWidget *parent) {
  auto *edit = new QLineEdit(text, parent);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  edit->setToolTip(hint);
  return edit;
}

}  // namespace

TFrmNew::TFrmNew(QWidget *parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("新建模版"));
  auto *grid = new QGridLayout(this);
  name_ = new QLineEdit(this);
  length_ = digitsEdit(QStringLiteral("100"), QStringLiteral("修改成票据、信封、证件等物品的真实长度"), this);
  width_ = digitsEdit(QStringLiteral("300"), QStringLiteral("修改成票据、信封、证件等物品的真实宽度"), this);
  picture_ = new QLineEdit(this);
  picture_->setReadOnly(true);
  pictureLabel_ = new QLabel(QStringLiteral("背景图片"), this);
  auto *browse = new QToolButton(this);
  browse->setText(QStringLiteral("..."));
  connect(browse, &QToolButton::clicked, this, &TFrmNew::choosePicture);
  shrink_ = new QCheckBox(QStringLiteral("自动缩小图片到合适的大小"), this);
  shrink_->setChecked(true);
  ok_ = new QPushButton(QStringLiteral("确定"), this);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &TFrmNew::confirm);

  grid->addWidget(new QLabel(QStringLiteral("名称"), this), 0, 0);
  grid->addWidget(name_, 0, 1, 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("长(水平|左右)"), this), 1, 0);
  grid->addWidget(length_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("[毫米]"), this), 1, 2);
  grid->addWidget(new QLabel(QStringLiteral("宽(垂直|上下)"), this), 2, 0);
  grid->addWidget(width_, 2, 1);
  grid->addWidget(new QLabel(QStringLiteral("[毫米]"), this), 2, 2);
  grid->addWidget(pictureLabel_, 3, 0);
  grid->addWidget(picture_, 3, 1);
  grid->addWidget(browse, 3, 2);
  grid->addWidget(shrink_, 4, 0, 1, 3);
  grid->addWidget(ok_, 5, 1, 1, 2, Qt::AlignRight);
  resize(420, sizeHint().height());
}

NewTemplateRequest TFrmNew::request() const {
  return {name_->text(), length_->text(), width_->text(), picture_->text(), shrink_->isChecked()};
}

void TFrmNew::setPicturePath(const QString &path) {
  picture_->setText(path);
  picture_->setToolTip(path);
}

void TFrmNew::choosePicture() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("背景图片"), QString(),
                                                    QStringLiteral("图像文件(JPEG,BMP) (*.jpg *.bmp)"));
  if (!path.isEmpty()) setPicturePath(path);
}

void TFrmNew::confirm() {
  if (picture_->text().isEmpty() || !QFileInfo(picture_->text()).isFile()) {
    messageSink().show(MessageIcon::Warning, QStringLiteral("未选择背景图片"),
                       QStringLiteral("无法新建模版，因为未选择背景图片"));
    pictureLabel_->setStyleSheet(QStringLiteral("color: red;"));
    return;
  }
  accept();
}

}  // namespace op
