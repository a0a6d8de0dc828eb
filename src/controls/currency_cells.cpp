#include "controls/currency_cells.h"

#include <cmath>

namespace op {

namespace {

constexpr quint64 kHundredthsLimit = 1'000'000'000'000'000'000ull;  // 18 digits without the point

// The amount rounded to hundredths, half away from zero; nothing when it needs more than 18 digits.
std::optional<MoneyAmount> toHundredths(const MoneyAmount &amount) {
  quint64 units = amount.units;
  int hundredths = (amount.tenThousandths + 50) / 100;
  if (hundredths == 100) {
    hundredths = 0;
    ++units;
  }
  if (units >= kHundredthsLimit / 100) return std::nullopt;
  return MoneyAmount::fromHundredths(amount.negative, units * 100 + quint64(hundredths));
}

QString withoutPoint(QString text) {
  return text.remove(u'.');
}

}  // namespace

int CellLayout::cellAt(int x) const {
  const int step = cellWidth + gridLineWidth;
  if (x < 0 || step <= 0) return -1;
  const int cell = x / step;
  if (cell >= cells || x - cellLeft(cell) >= cellWidth) return -1;
  return cell;
}

CurrencyCellEditor::CurrencyCellEditor() {
  cursor_ = unitsCell();
}

bool CurrencyCellEditor::setDigitalNumber(int cells) {
  if (cells < DecimalNumber || cells > kMaxCells) return false;
  cells_ = cells;
  cursor_ = qBound(0, cursor_, lastCell());
  if (cursor_ < leftLimit()) cursor_ = unitsCell();
  return true;
}

bool CurrencyCellEditor::setAmount(const MoneyAmount &amount) {
  const std::optional<MoneyAmount> rounded = toHundredths(amount);
  if (!rounded) return false;
  amount_ = *rounded;
  origin_ = amount_;
  modified_ = false;
  if (cursor_ < leftLimit()) cursor_ = unitsCell();
  return true;
}

bool CurrencyCellEditor::setFloatValue(double value) {
  if (!std::isfinite(value)) return false;
  // The decimal text of the double rounded to hundredths, read back digit by digit: no binary error.
  const QString text = QString::number(std::fabs(value), 'f', 2);
  const qsizetype point = text.indexOf(u'.');
  if (point < 0 || point > 16) return false;
  MoneyAmount amount;
  amount.negative = value < 0;
  amount.units = text.left(point).toULongLong();
  amount.tenThousandths = text.mid(point + 1).toInt() * 100;
  return setAmount(amount);
}

void CurrencyCellEditor::undo() {
  amount_ = origin_;
  modified_ = false;
  if (cursor_ < leftLimit()) cursor_ = unitsCell();
}

bool CurrencyCellEditor::fits() const {
  return withoutPoint(formatted()).size() <= cells_;
}

QString CurrencyCellEditor::shownInteger() const {
  const QString digits = QString::number(amount_.units);
  return amount_.isNegative() && ShowNegativeSign ? QStringLiteral("-") + digits : digits;
}

QString CurrencyCellEditor::decimals() const {
  return QString::number(amount_.hundredths()).rightJustified(2, u'0');
}

int CurrencyCellEditor::firstCharCell() const {
  const qsizetype shown = shownInteger().size() + DecimalNumber;
  if (cells_ + DotLength - (shown + DotLength) < 0) return 0;  // shown as stars
  return cells_ - DecimalNumber - int(shownInteger().size());
}

QStringList CurrencyCellEditor::cellTexts(bool focused) const {
  QStringList cells(cells_);
  if (ZeroEmpty && amount_.isZero() && !focused) return cells;
  const QString integer = shownInteger();
  const QString decimal = decimals();
  if (cells_ + DotLength - (integer.size() + DotLength + DecimalNumber) < 0) {
    for (QString &cell : cells) cell = QStringLiteral("*");
    return cells;
  }
  const int first = cells_ - DecimalNumber - int(integer.size());
  for (int k = 0; k < integer.size(); ++k) cells[first + k] = integer.at(k);
  for (int k = 0; k < DecimalNumber; ++k) cells[firstDecimalCell() + k] = decimal.at(k);
  if (!CurrencySymbol.isEmpty()) {
    const int symbolCell = CurrencySymbolAligned ? 0 : first - 1;
    if (symbolCell >= 0 && cells[symbolCell].isEmpty()) cells[symbolCell] = CurrencySymbol;
  }
  return cells;
}

CellLayout CurrencyCellEditor::layout(int width) const {
  CellLayout layout;
  layout.cells = cells_;
  layout.gridLineWidth = qMax(0, GridLineWidth);
  const int lines = (cells_ - 1) * layout.gridLineWidth;
  if (CellWidth < 0) {
    layout.usedWidth = qMax(0, width - width % cells_);
    layout.cellWidth = qMax(0, (layout.usedWidth - lines) / cells_);
  } else {
    layout.cellWidth = CellWidth;
    layout.usedWidth = CellWidth * cells_ + lines;
  }
  return layout;
}

QColor CurrencyCellEditor::lineColor(int line) const {
  const int integerCells = cells_ - DecimalNumber;
  if (line == integerCells) return DecimalSeparatorColor;
  if ((integerCells - line) % 3 == 0) return KilobitSeparatorColor;
  return GridLineColor;
}

QString CurrencyCellEditor::printText() const {
  QString text = withoutPoint(formatted());
  if (text.size() > cells_) return QString(cells_, u'*');
  if (text.size() < cells_) text.prepend(QStringLiteral("￥"));
  return text.rightJustified(cells_, u' ');
}

void CurrencyCellEditor::click(int cell, bool givesFocus) {
  if (cell < 0 || cell >= cells_) {
    if (givesFocus) cursor_ = unitsCell();
    return;
  }
  cursor_ = qMax(cell, givesFocus ? firstCharCell() : leftLimit());
}

bool CurrencyCellEditor::acceptTyped(const MoneyAmount &amount) {
  if (withoutPoint(formatFixed2(amount)).size() > cells_) return false;
  if (!(amount == amount_)) modified_ = true;
  amount_ = amount;
  return true;
}

bool CurrencyCellEditor::typeDigit(int digit) {
  if (ReadOnly || digit < 0 || digit > 9) return false;
  QString integer = QString::number(amount_.units);
  if (integer.size() >= maxLength_) return false;
  QString decimal = decimals();
  const QChar typed(u'0' + digit);
  if (cursor_ <= unitsCell()) {
    // The digit lands in the cursor cell; the cursor cell's old digit and all left of it move one cell left.
    const QString shown = shownInteger();
    const int signLength = int(shown.size() - integer.size());
    const int first = cells_ - DecimalNumber - int(shown.size());
    const int insertAt = cursor_ - first + 1 - signLength;
    integer.insert(qBound(0, insertAt, int(integer.size())), typed);
  } else {
    // The digit lands in the cursor cell; the decimals right of it move one cell right, the last drops out.
    decimal.insert(cursor_ - firstDecimalCell(), typed);
    decimal.truncate(DecimalNumber);
  }
  MoneyAmount typedAmount{amount_.negative, integer.toULongLong(), decimal.toInt() * 100};
  if (!acceptTyped(typedAmount)) return false;
  if (cursor_ > unitsCell() && cursor_ < lastCell()) ++cursor_;
  return true;
}

bool CurrencyCellEditor::deleteInteger(bool backspace) {
  const QString shown = shownInteger();
  const int first = cells_ - DecimalNumber - int(shown.size());
  int at = -1;
  if (backspace && cursor_ > first) {
    at = cursor_ - 1 - first;
  } else {
    if (cursor_ >= first) at = cursor_ - first;
    cursor_ = qMin(cursor_ + 1, unitsCell());
  }
  if (at < 0 || at >= shown.size()) return false;
  MoneyAmount changed = amount_;
  if (shown.at(at) == u'-') {
    changed.negative = false;
  } else {
    QString integer = QString::number(amount_.units);
    integer.remove(at - int(shown.size() - integer.size()), 1);
    changed.units = integer.toULongLong();  // an empty integer part reads 0
  }
  return acceptTyped(changed);
}

bool CurrencyCellEditor::deleteDecimal(int decimal) {
  QString digits = decimals();
  digits.remove(qBound(0, decimal, DecimalNumber - 1), 1);
  digits.append(u'0');
  MoneyAmount changed = amount_;
  changed.tenThousandths = digits.toInt() * 100;
  return acceptTyped(changed);
}

CellKeyResult CurrencyCellEditor::ctrlMove(bool left) {
  const int integerCells = cells_ - DecimalNumber;
  const int c = cursor_;
  if (left) {
    if (c <= unitsCell())
      cursor_ = qMax((integerCells - c - 1) % 3 + c - 3, leftLimit());
    else if (c == firstDecimalCell())
      cursor_ = unitsCell();
    else
      cursor_ = c - ((c - integerCells - 1) % 3) - 1;
  } else {
    if (c < unitsCell())
      cursor_ = (integerCells - c + 1) % 3 + c + 1;
    else if (c == unitsCell())
      cursor_ = firstDecimalCell();
    else
      cursor_ = qMin(c + 3 - ((c - integerCells) % 3), lastCell());
  }
  return CellKeyResult::Handled;
}

CellKeyResult CurrencyCellEditor::keyPress(int key, Qt::KeyboardModifiers modifiers, bool keypad) {
  const bool ctrl = modifiers & Qt::ControlModifier;
  const bool shift = modifiers & Qt::ShiftModifier;
  const int c = cursor_;
  const auto moveOut = [this] { return MoveOutAllowed ? CellKeyResult::MoveOut : CellKeyResult::Handled; };

  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    if (ReadOnly) return CellKeyResult::Ignored;
    typeDigit(key - Qt::Key_0);
    return CellKeyResult::Handled;
  }
  switch (key) {
    case Qt::Key_Backspace:
      if (ReadOnly) return CellKeyResult::Ignored;
      if (c <= unitsCell()) {
        deleteInteger(true);
      } else {
        const int decimal = c - firstDecimalCell();
        deleteDecimal(decimal > 0 ? decimal - 1 : 0);
        cursor_ = qMax(firstDecimalCell(), c - 1);
      }
      return CellKeyResult::Handled;
    case Qt::Key_Delete:
      if (ReadOnly) return CellKeyResult::Ignored;
      if (ctrl) {
        acceptTyped(MoneyAmount{});
        cursor_ = unitsCell();
      } else if (c <= unitsCell()) {
        deleteInteger(false);
      } else {
        deleteDecimal(c - firstDecimalCell());
      }
      return CellKeyResult::Handled;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      if (ReadOnly || !(keypad || shift)) return CellKeyResult::Ignored;
      if (amount_.isNegative()) {
        MoneyAmount positive = amount_;
        positive.negative = false;
        acceptTyped(positive);
      }
      amount_.negative = false;
      return CellKeyResult::Handled;
    case Qt::Key_Minus:
      if (ReadOnly) return CellKeyResult::Ignored;
      if (amount_.isZero()) {
        amount_.negative = !amount_.negative;  // the next digit typed makes a negative amount
      } else {
        MoneyAmount turned = amount_;
        turned.negative = !amount_.negative;
        acceptTyped(turned);  // refused when the minus sign would not fit the cells
      }
      return CellKeyResult::Handled;
    case Qt::Key_Period:
      if (DecimalNumber > 0) cursor_ = c <= unitsCell() ? firstDecimalCell() : unitsCell();
      return CellKeyResult::Handled;
    case Qt::Key_Comma:
      return CellKeyResult::Handled;
    case Qt::Key_Home:
      cursor_ = leftLimit();
      return CellKeyResult::Handled;
    case Qt::Key_End:
      cursor_ = lastCell();
      return CellKeyResult::Handled;
    case Qt::Key_Left:
      if (ctrl) return ctrlMove(true);
      if (c <= leftLimit()) return moveOut();
      cursor_ = c - 1;
      return CellKeyResult::Handled;
    case Qt::Key_Right:
      if (ctrl) return ctrlMove(false);
      if (c >= lastCell()) return moveOut();
      cursor_ = c + 1;
      return CellKeyResult::Handled;
    case Qt::Key_Up:
    case Qt::Key_Down:
      return MoveOutAllowed ? CellKeyResult::MoveOut : CellKeyResult::Ignored;
    default:
      return CellKeyResult::Ignored;
  }
}

}  // namespace op
