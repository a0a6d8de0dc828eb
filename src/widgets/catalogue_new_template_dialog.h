#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace op {

// What the new-template dialog hands back.
struct NewTemplateRequest {
  QString name;
  QString length = QStringLiteral("100");  // 长(水平|左右), millimetres as typed
  QString width = QStringLiteral("300");   // 宽(垂直|上下)
  QString picturePath;
  bool shrink = true;
};

// "新建模版": name, real length and width, background picture and the shrink option. "确定" accepts only
// when the picture file exists; otherwise it says so and paints "背景图片" red.
class TFrmNew : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmNew(QWidget *parent = nullptr);

  NewTemplateRequest request() const;
  void setPicturePath(const QString &path);

  QLineEdit *nameEdit() const { return name_; }
  QLineEdit *lengthEdit() const { return length_; }
  QLineEdit *widthEdit() const { return width_; }
  QCheckBox *shrinkBox() const { return shrink_; }
  QLabel *pictureLabel() const { return pictureLabel_; }
  QPushButton *okButton() const { return ok_; }

 private:
  void choosePicture();
  void confirm();

  QLineEdit *name_;
  QLineEdit *length_;
  QLineEdit *width_;
  QLineEdit *picture_;
  QLabel *pictureLabel_;
  QCheckBox *shrink_;
  QPushButton *ok_;
};

}  // namespace op
