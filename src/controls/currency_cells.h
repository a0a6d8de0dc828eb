#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "controls/currency_amount.h"

namespace op {

// Where a pressed key led: nothing to do, handled here, or out of the control (MoveOutAllowed).
enum class CellKeyResult { Ignored, Handled, MoveOut };

// Cell positions of a cell editor of a given width: cell i spans [cellLeft(i), cellLeft(i) + cellWidth - 1],
// grid line i (1 to N - 1) lies at lineX(i).
struct CellLayout {
  int cells = 0;
  int gridLineWidth = 1;
  int cellWidth = 0;
  int usedWidth = 0;  // W': the width reduced to a multiple of the cell count (or the fixed-width total)

  int cellLeft(int cell) const { return cell * (cellWidth + gridLineWidth); }
  int lineX(int line) const { return line * (cellWidth + gridLineWidth) - gridLineWidth; }
  // The cell under x, or -1 on a grid line or outside.
  int cellAt(int x) const;
};

// State and typing rules of the money cell editor, without any display: N digit cells of which the last D
// are decimals, the amount, the insertion cell and the options that decide what is shown. The widget
// paints what this class answers and hands key presses, clicks and focus changes to it.
class CurrencyCellEditor {
 public:
  static constexpr int DecimalNumber = 2;  // D: the amount always has two decimals
  static constexpr int kMaxCells = 18;

  CurrencyCellEditor();

  // N, the number of cells: DecimalNumber to 18 (other values are refused).
  int DigitalNumber() const { return cells_; }
  bool setDigitalNumber(int cells);
  int MaxLength() const { return maxLength_; }
  void setMaxLength(int length) { maxLength_ = qBound(0, length, kMaxCells); }

  // ---- amount ----
  const MoneyAmount &amount() const { return amount_; }
  double Value() const { return amount_.toDouble(); }  // signed
  // Sets the amount as from outside: it becomes OriginValue, Modified clears. Refused (false, nothing
  // changes) when it has more than 18 digits; more than two decimals are rounded to hundredths.
  bool setAmount(const MoneyAmount &amount);
  bool setFloatValue(double value);  // NaN and infinities refused
  bool Modified() const { return modified_; }
  // Restores the amount last set from outside.
  void undo();

  // The amount formatted with two decimals, signed when negative.
  QString formatted() const { return formatFixed2(amount_); }
  // Whether the signed amount without its point fits the cells.
  bool fits() const;

  // ---- display ----
  // What each of the N cells shows: a digit, the minus sign, the currency symbol, a star or nothing.
  QStringList cellTexts(bool focused) const;
  CellLayout layout(int width) const;
  // The colour of grid line i (1 to N - 1).
  QColor lineColor(int line) const;
  // The characters printed into the N cells: the signed amount without its point, "￥" in front when there
  // is room, blanks on the left. An amount too long for the cells prints stars, never a cut-off amount.
  QString printText() const;

  // ---- cursor ----
  int cursor() const { return cursor_; }
  int unitsCell() const { return cells_ - DecimalNumber - 1; }
  int firstDecimalCell() const { return cells_ - DecimalNumber; }
  int lastCell() const { return cells_ - 1; }
  // The cell of the first character shown (the minus sign when shown), and the cell left of it (at least 0).
  int firstCharCell() const;
  int leftLimit() const { return qMax(0, firstCharCell() - 1); }
  void focusIn() { cursor_ = unitsCell(); }
  // A click on `cell` (-1: a grid line); `givesFocus` when the click focuses the control.
  void click(int cell, bool givesFocus);

  // ---- typing ----
  // A digit typed into the cursor cell; false when refused (read-only, too many digits, amount too long).
  bool typeDigit(int digit);
  // A key press (Qt::Key, modifiers, whether it came from the keypad).
  CellKeyResult keyPress(int key, Qt::KeyboardModifiers modifiers, bool keypad);

  // ---- options ----
  bool ReadOnly = false;
  bool MoveOutAllowed = false;
  bool ShowNegativeSign = true;
  bool ShowNegativeColor = false;
  bool ShowNegativeFont = false;
  bool ZeroEmpty = true;
  bool CurrencySymbolAligned = false;
  QString CurrencySymbol = QStringLiteral("￥");
  int CellWidth = -1;  // -1: the cells share the width
  int GridLineWidth = 1;
  int DotLength = 1;
  QColor GridLineColor{192, 192, 192};
  QColor DecimalSeparatorColor{255, 0, 0};
  QColor KilobitSeparatorColor{0, 0, 0};
  QColor FocusedColor{255, 255, 0};
  QColor NegativeColor{255, 0, 0};

 private:
  // The shown integer characters (sign included when shown) and the two decimals.
  QString shownInteger() const;
  QString decimals() const;
  // Takes a changed amount made by the user; false when it does not fit the cells.
  bool acceptTyped(const MoneyAmount &amount);
  bool deleteInteger(bool backspace);
  bool deleteDecimal(int decimal);
  CellKeyResult ctrlMove(bool left);

  int cells_ = 10;
  int maxLength_ = kMaxCells;
  MoneyAmount amount_;
  MoneyAmount origin_;
  bool modified_ = false;
  int cursor_ = 0;
};

}  // namespace op
