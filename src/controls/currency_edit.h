#pragma once

#include "controls/currency_cells.h"
#include "document/designed.h"
#include "document/field.h"
#include "document/links.h"

namespace op {

// Money edit model: an amount typed into digit cells, printed one character per cell. Every change of the
// amount is pushed into the money labels that follow it.
class TPCostomCurrencyEdit : public QelElementField {
  Q_OBJECT

 public:
  explicit TPCostomCurrencyEdit(QObject *owner = nullptr);

  // The cell editor's state: amount, cursor, options. Change the amount through this class, not directly.
  const CurrencyCellEditor &cells() const { return cells_; }
  CurrencyCellEditor &cellOptions() { return cells_; }

  const MoneyAmount &amount() const { return cells_.amount(); }
  double floatValue() const { return cells_.Value(); }
  // Sets the amount as from outside and pushes it; false (nothing changes) when it does not fit 18 digits.
  bool setAmount(const MoneyAmount &amount);
  bool setFloatValue(double value);
  void clearText() override { setAmount(MoneyAmount{}); }

  // Typing and keys from the widget; the amount pushed when it changed.
  bool typeDigit(int digit);
  CellKeyResult keyPress(int key, Qt::KeyboardModifiers modifiers, bool keypad = false);
  void focusIn();
  void click(int cell, bool givesFocus);
  void undo();

  // The formatted amount after the last accepted change (the control's hint).
  QString hint() const { return hint_; }

  // 11 cells (up to 亿) when true, 10 when false.
  bool isHM() const { return cells_.DigitalNumber() == 11; }
  void setIsHM(bool on);
  bool boPrintLabel = true;

  LinkSubscriptions &subscriptions() { return subscriptions_; }

 signals:
  void amountChanged();
  void cursorMoved();

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  // Emits and pushes when the amount differs from `before`; always asks for a repaint.
  void afterUserChange(const MoneyAmount &before);
  void pushToFollowers();

  CurrencyCellEditor cells_;
  QString hint_;
  LinkSubscriptions subscriptions_;
};

// The registered class of the money edit.
class TQELCurrencyEdit : public TPCostomCurrencyEdit {
  Q_OBJECT

 public:
  using TPCostomCurrencyEdit::TPCostomCurrencyEdit;
};

// Property object of the money edit. It prints unrotated: FontExtStyle is stored only.
class TPCurrencyEditDesigned : public TQelFontDesigned,
                               public TQelDbStoreDesigned,
                               public IQELExprFloatValue,
                               public IQELEvent {
 public:
  explicit TPCurrencyEditDesigned(TPCostomCurrencyEdit &edit);

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return QStringLiteral("货币数字输入控件"); }
  int HasFontExt() const override { return 0; }

  bool IsHM() const { return edit_.isHM(); }
  void SetIsHM(bool on) { edit_.setIsHM(on); }
  bool BoPrintLabel() const { return edit_.boPrintLabel; }
  void SetBoPrintLabel(bool on) { edit_.boPrintLabel = on; }

  // IQELExprFloatValue
  double GetFloatValue() const override { return edit_.floatValue(); }
  void SetFloatValue(double value) override { edit_.setFloatValue(value); }
  bool IsNumeric() const override { return true; }
  // IQELEvent
  void AddEvent(const QString &strId) override { edit_.subscriptions().add(strId); }
  void DelEvent(const QString &strId) override { edit_.subscriptions().remove(strId); }

 private:
  TPCostomCurrencyEdit &edit_;
};

// Print data of the money edit: one centred character per cell.
class TPCurrencyEditPrintData : public TQelBasePrint {
 public:
  explicit TPCurrencyEditPrintData(TPCostomCurrencyEdit &edit) : TQelBasePrint(edit), edit_(edit) {}
  int GetPrintDataCount() override;
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomCurrencyEdit &edit_;
};

// Registers TQELCurrencyEdit in the class-name registry.
void registerCurrencyEditClass();

}  // namespace op
