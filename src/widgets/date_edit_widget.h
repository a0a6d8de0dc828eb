#pragma once

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QToolButton;

namespace op {

class TPCustomDateEdit;

// The date edit on screen: a framed panel with the year, month and day lists, their marks and the "今"
// button, each placed where the model lays it out. A choice goes to the model, which refuses impossible dates.
class DateEditWidget : public QWidget {
  Q_OBJECT

 public:
  explicit DateEditWidget(TPCustomDateEdit &model, QWidget *parent = nullptr);

  TPCustomDateEdit &model() const { return model_; }
  QComboBox *list(int part) const { return lists_.at(part); }
  QToolButton *nowButton() const { return nowButton_; }

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  void fillLists();
  void showSelection();
  void placeParts();
  void applyFont();

  TPCustomDateEdit &model_;
  std::array<QComboBox *, 3> lists_{};
  std::array<QLabel *, 3> marks_{};
  QToolButton *nowButton_ = nullptr;
};

}  // namespace op
