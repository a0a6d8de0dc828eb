#pragma once

#include "printing/page_composition.h"

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

// The print layout dialog "打印布局设置" with its preview grid, the millimetre/pixel converter "换算" and the
// offset help of the main window.
namespace op {

// Shows columns × rows white 32 × 32 cells with 5-pixel grid lines; only the arrangement, no selection.
class LayoutPreviewGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kCell = 32;
  static constexpr int kLine = 5;

  explicit LayoutPreviewGrid(QWidget *parent = nullptr);
  void setCounts(int columns, int rows);
  int columns() const { return columns_; }
  int rows() const { return rows_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  int columns_ = 1;
  int rows_ = 1;
};

class TFrmPrintSettings : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmPrintSettings(const LayoutSettings &settings, QWidget *parent = nullptr);

  // The check box and the four numbers, widths truncated to whole millimetres.
  LayoutSettings settings() const;

  QCheckBox *CBBoUserPrintSetting;
  QSpinBox *EdPrintXCount;
  QDoubleSpinBox *EdPrintXWidth;
  QSpinBox *EdPrintYCount;
  QDoubleSpinBox *EdPrintYWidth;
  LayoutPreviewGrid *JvDrawGrid1;
};

// Opens the layout dialog; true (and `settings` replaced) when "确定" closed it.
bool EditLayoutSettings(QWidget *parent, LayoutSettings &settings);

// "换算": asks for a printer and shows how many of its pixels make one millimetre.
void ShowMmPixelConverter(QWidget *parent);
// "调整打印偏移说明".
void ShowOffsetHelp();

}  // namespace op
