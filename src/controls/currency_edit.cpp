#include "controls/currency_edit.h"

#include "controls/currency_label.h"
#include "document/class_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

TPCostomCurrencyEdit::TPCostomCurrencyEdit(QObject *owner) : QelElementField(owner) {
  cells_.setDigitalNumber(11);
  cells_.GridLineColor = QColor(202, 202, 202);
  cells_.FocusedColor = QColor(213, 213, 251);
  cells_.focusIn();
  setGeometry(QRect(0, 0, 121, 25));
}

bool TPCostomCurrencyEdit::setAmount(const MoneyAmount &amount) {
  if (!cells_.setAmount(amount)) return false;
  emit amountChanged();
  emit changed();
  pushToFollowers();
  return true;
}

bool TPCostomCurrencyEdit::setFloatValue(double value) {
  if (!cells_.setFloatValue(value)) return false;
  emit amountChanged();
  emit changed();
  pushToFollowers();
  return true;
}

void TPCostomCurrencyEdit::afterUserChange(const MoneyAmount &before) {
  if (!(cells_.amount() == before)) {
    hint_ = cells_.formatted();
    emit amountChanged();
    pushToFollowers();
  }
  emit cursorMoved();
  emit changed();
}

bool TPCostomCurrencyEdit::typeDigit(int digit) {
  const MoneyAmount before = cells_.amount();
  const bool accepted = cells_.typeDigit(digit);
  afterUserChange(before);
  return accepted;
}

CellKeyResult TPCostomCurrencyEdit::keyPress(int key, Qt::KeyboardModifiers modifiers, bool keypad) {
  const MoneyAmount before = cells_.amount();
  const CellKeyResult result = cells_.keyPress(key, modifiers, keypad);
  if (result != CellKeyResult::Ignored) afterUserChange(before);
  return result;
}

void TPCostomCurrencyEdit::focusIn() {
  cells_.focusIn();
  emit cursorMoved();
  emit changed();
}

void TPCostomCurrencyEdit::click(int cell, bool givesFocus) {
  cells_.click(cell, givesFocus);
  emit cursorMoved();
  emit changed();
}

void TPCostomCurrencyEdit::undo() {
  const MoneyAmount before = cells_.amount();
  cells_.undo();
  afterUserChange(before);
}

void TPCostomCurrencyEdit::setIsHM(bool on) {
  cells_.setDigitalNumber(on ? 11 : 10);
  emit changed();
}

void TPCostomCurrencyEdit::pushToFollowers() {
  const MoneyAmount amount = cells_.amount();
  pushToSubscribers(*this, subscriptions_.ids(), [&amount](QelField &follower) {
    if (auto *label = qobject_cast<TPCostomCurrencyLabel *>(&follower)) {
      label->setAmount(amount);
    } else if (follower.metaObject()->indexOfProperty("Momey") >= 0) {
      if (const auto currency = amount.toCurrency()) follower.setProperty("Momey", QVariant::fromValue(*currency));
    } else {
      return;
    }
    emit follower.changed();
  });
}

std::unique_ptr<TQelBaseDesigned> TPCostomCurrencyEdit::createDesign() {
  return std::make_unique<TPCurrencyEditDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomCurrencyEdit::createPrintData() {
  return std::make_unique<TPCurrencyEditPrintData>(*this);
}

TPCurrencyEditDesigned::TPCurrencyEditDesigned(TPCostomCurrencyEdit &edit)
    : TQelFontDesigned(edit), TQelDbStoreDesigned(edit), edit_(edit) {}

const PropertyTable &TPCurrencyEditDesigned::publishedProperties() const {
  using T = TPCurrencyEditDesigned;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .integer(QStringLiteral("TextStyle"), &T::TextStyle, &T::SetTextStyleValue)
          .text(QStringLiteral("FontName"), &T::GetFontName, &T::SetFontName)
          .integer(QStringLiteral("FontSize"), &T::GetFontSize, &T::SetFontSize)
          .boolean(QStringLiteral("FontBold"), &T::GetFontBold, &T::SetFontBold)
          .boolean(QStringLiteral("FontItalic"), &T::GetFontItalic, &T::SetFontItalic)
          .boolean(QStringLiteral("FontUnderLine"), &T::GetFontUnderLine, &T::SetFontUnderLine)
          .boolean(QStringLiteral("FontStrikeOut"), &T::GetFontStrikeOut, &T::SetFontStrikeOut)
          .integer(QStringLiteral("ATop"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("ALeft"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("AHeight"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("AWidth"), &T::Width, &T::SetWidth)
          .integer(QStringLiteral("FontExtStyle"), &T::GetFontExtStyle, &T::SetFontExtStyle)
          .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
          .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
          .integer(QStringLiteral("FontColor"), &T::GetFontColor, &T::SetFontColor)
          .boolean(QStringLiteral("IsHM"), &T::IsHM, &T::SetIsHM)
          .boolean(QStringLiteral("BoPrintLabel"), &T::BoPrintLabel, &T::SetBoPrintLabel)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

int TPCurrencyEditPrintData::GetPrintDataCount() {
  const int cells = edit_.cells().DigitalNumber();
  return cells < 2 ? 1 : cells;
}

std::unique_ptr<PrintItem> TPCurrencyEditPrintData::GetPrinteData(int idx) {
  if (!edit_.boPrintLabel) return nullptr;
  const CurrencyCellEditor &cells = edit_.cells();
  const int count = cells.DigitalNumber();
  if (idx < 0 || idx >= count) return nullptr;
  const QString text = cells.printText();
  // Nothing for the blank cells left of the first character.
  qsizetype firstShown = 0;
  while (firstShown < text.size() && text.at(firstShown) == u' ') ++firstShown;
  if (idx < firstShown) return nullptr;

  auto item = std::make_unique<PrintItem>();
  const ItemFont font = itemFontOf(edit_);
  FillItemHeader(*item, &font);
  item->HasTextStyle = true;
  item->TextStyle = 2;
  item->HasTextHorzStyle = true;
  item->TextHorzStyleValue = 2;
  item->HasFontExt = false;
  item->PrintType = kPrintText;
  const int step = cells.layout(edit_.width()).usedWidth / count;
  const ItemRect rect{step * idx + edit_.left(), edit_.top(), step * (idx + 1) + edit_.left(),
                      edit_.top() + edit_.height()};
  item->PrintRect = rect;
  item->BaseRect = rect;
  SetItemText(*item, text.mid(idx, 1));
  return item;
}

void registerCurrencyEditClass() {
  registerFieldClass<TQELCurrencyEdit>(QStringLiteral("TQELCurrencyEdit"));
}

}  // namespace op
