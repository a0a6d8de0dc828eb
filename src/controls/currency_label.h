#pragma once

#include <QPointer>

#include "controls/currency_amount.h"
#include "document/designed.h"
#include "document/field.h"

namespace op {

class TPCostomCurrencyEdit;

// Money label model: an amount shown in capital numerals, in figures, or as one capital digit of it. It
// follows at most one money edit and recomposes its text whenever the amount or a display option changes.
class TPCostomCurrencyLabel : public QelElementField {
  Q_OBJECT
  Q_PROPERTY(qint64 Momey READ momey WRITE setMomey)

 public:
  enum MoneyFlagType { CMFT_CN, CMFT_US, CMFT_UR, CMFT_EN };

  explicit TPCostomCurrencyLabel(QObject *owner = nullptr);
  ~TPCostomCurrencyLabel() override;

  // The amount as Currency (saturated when a money edit handed over a wider one) and exactly.
  Currency momey() const;
  void setMomey(Currency amount) { setAmount(MoneyAmount::fromCurrency(amount)); }
  const MoneyAmount &amount() const { return amount_; }
  void setAmount(const MoneyAmount &amount);
  void clearText() override { setAmount(MoneyAmount{}); }

  // The text painted and printed (CnMomey), and what is painted: "￥" when the text is empty.
  QString CnMomey() const { return cnMomey_; }
  QString paintedText() const { return cnMomey_.isEmpty() ? QStringLiteral("￥") : cnMomey_; }
  // TextStyle as horizontal alignment: 1 left, 2 centred, anything else right.
  Qt::Alignment horizontalAlignment() const;

  bool boNum() const { return boNum_; }
  void setBoNum(bool on) { setOption(boNum_, on); }
  bool showMoneyFlag() const { return showMoneyFlag_; }
  void setShowMoneyFlag(bool on) { setOption(showMoneyFlag_, on); }
  MoneyFlagType moneyFlagType() const { return moneyFlagType_; }
  void setMoneyFlagType(MoneyFlagType type);
  bool showKFlag() const { return showKFlag_; }
  void setShowKFlag(bool on);  // also sets ShowDigits
  bool showDigits() const { return showDigits_; }
  void setShowDigits(bool on) { setOption(showDigits_, on); }
  bool forceShowEndText() const { return forceShowEndText_; }
  void setForceShowEndText(bool on) { setOption(forceShowEndText_, on); }
  bool boShowSub() const { return boShowSub_; }
  void setBoShowSub(bool on) { setOption(boShowSub_, on); }
  int subIndex() const { return subIndex_; }
  void setSubIndex(int index);
  // Whether the digit chosen by SubIndex exists in the amount.
  bool boShowText() const;

  // Following a money edit (DateLinkId): the edit, nullptr when there is none or it was deleted.
  TPCostomCurrencyEdit *link() const;
  QString linkId() const;
  void setLinkId(const QString &editId);

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  void setOption(bool &option, bool on);
  void compose();

  MoneyAmount amount_;
  QString cnMomey_;
  bool boNum_ = false;
  bool showMoneyFlag_ = false;
  MoneyFlagType moneyFlagType_ = CMFT_CN;
  bool showKFlag_ = false;
  bool showDigits_ = false;
  bool forceShowEndText_ = true;
  bool boShowSub_ = false;
  int subIndex_ = 0;
  QPointer<TPCostomCurrencyEdit> link_;
  QString sourceId_;
};

// The registered class of the money label.
class TQELCurrencyLabel : public TPCostomCurrencyLabel {
  Q_OBJECT

 public:
  using TPCostomCurrencyLabel::TPCostomCurrencyLabel;
};

// Property object of the money label. It prints unrotated: FontExtStyle is stored only.
class TPCurrencyLabelDesigned : public TQelFontDesigned, public TQelDbStoreDesigned {
 public:
  enum CurrencyEditLink { CLNone, CLOne };

  explicit TPCurrencyLabelDesigned(TPCostomCurrencyLabel &label);

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return QStringLiteral("货币大写显示控件"); }
  int HasFontExt() const override { return 0; }

  bool BoNum() const { return label_.boNum(); }
  void SetBoNum(bool on) { label_.setBoNum(on); }
  bool ShowMoneyFlag() const { return label_.showMoneyFlag(); }
  void SetShowMoneyFlag(bool on) { label_.setShowMoneyFlag(on); }
  bool ShowKFlag() const { return label_.showKFlag(); }
  void SetShowKFlag(bool on) { label_.setShowKFlag(on); }
  bool ShowDigits() const { return label_.showDigits(); }
  void SetShowDigits(bool on) { label_.setShowDigits(on); }
  TPCostomCurrencyLabel::MoneyFlagType MoneyFlagType() const { return label_.moneyFlagType(); }
  void SetMoneyFlagType(TPCostomCurrencyLabel::MoneyFlagType type) { label_.setMoneyFlagType(type); }
  CurrencyEditLink QELCurrencyEditLink() const { return label_.link() ? CLOne : CLNone; }
  void SetQELCurrencyEditLink(CurrencyEditLink) {}
  QString DateLinkId() const { return label_.linkId(); }
  void SetDateLinkId(const QString &id) { label_.setLinkId(id); }
  bool ForceShowEndText() const { return label_.forceShowEndText(); }
  void SetForceShowEndText(bool on) { label_.setForceShowEndText(on); }
  bool BoShowSub() const { return label_.boShowSub(); }
  void SetBoShowSub(bool on) { label_.setBoShowSub(on); }
  int SubIndex() const { return label_.subIndex(); }
  void SetSubIndex(int index) { label_.setSubIndex(index); }

 private:
  TPCostomCurrencyLabel &label_;
};

// Print data of the money label: one text item with CnMomey, aligned by TextStyle.
class TPCurrencyLabelPrintData : public TQelBasePrint {
 public:
  explicit TPCurrencyLabelPrintData(TPCostomCurrencyLabel &label) : TQelBasePrint(label), label_(label) {}
  int GetPrintDataCount() override { return 1; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomCurrencyLabel &label_;
};

// Registers TQELCurrencyLabel in the class-name registry.
void registerCurrencyLabelClass();

}  // namespace op
