#include "controls/currency_label.h"

#include "controls/currency_edit.h"
#include "controls/money_capitals.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/field_print.h"
#include "document/links.h"
#include "document/printitem.h"

namespace op {

namespace {

// The digit of the amount at SubIndex (0 units, 1 tens, …; -2 角, -1 分), for amounts of any width.
SubDigit subDigitOfAmount(const MoneyAmount &amount, int subIndex) {
  SubDigit sub;
  if (subIndex >= 0) {
    const QByteArray digits = QByteArray::number(amount.units);
    if (subIndex < digits.size()) {
      sub.BoShowText = true;
      sub.digit = digits[digits.size() - 1 - subIndex] - '0';
    }
    return sub;
  }
  // 角 and 分 come from the hundredths written without a leading zero: 0.05 has no 角 digit of its own.
  sub.BoShowText = true;
  const QByteArray digits = QByteArray::number(amount.hundredths());
  if (digits.size() >= -subIndex) {
    if (subIndex == -2) sub.digit = digits.front() - '0';
    if (subIndex == -1) sub.digit = digits.back() - '0';
  }
  return sub;
}

QString moneyFlag(TPCostomCurrencyLabel::MoneyFlagType type) {
  switch (type) {
    case TPCostomCurrencyLabel::CMFT_US:
      return QStringLiteral("＄");
    case TPCostomCurrencyLabel::CMFT_UR:
      return QStringLiteral("€");
    case TPCostomCurrencyLabel::CMFT_EN:
      return QStringLiteral("￡");
    case TPCostomCurrencyLabel::CMFT_CN:
      break;
  }
  return QStringLiteral("￥");
}

}  // namespace

TPCostomCurrencyLabel::TPCostomCurrencyLabel(QObject *owner) : QelElementField(owner) {
  setTextStyleDefault(3);
  setWidth(120);
  compose();
}

// A follower that goes away leaves its money edit's subscription list.
TPCostomCurrencyLabel::~TPCostomCurrencyLabel() {
  unsubscribeFrom(*this, sourceId_);
}

Currency TPCostomCurrencyLabel::momey() const {
  if (const auto currency = amount_.toCurrency()) return *currency;
  return amount_.isNegative() ? std::numeric_limits<Currency>::min() : std::numeric_limits<Currency>::max();
}

void TPCostomCurrencyLabel::setAmount(const MoneyAmount &amount) {
  amount_ = amount;
  compose();
}

Qt::Alignment TPCostomCurrencyLabel::horizontalAlignment() const {
  switch (textStyle()) {
    case 1:
      return Qt::AlignLeft;
    case 2:
      return Qt::AlignHCenter;
    default:
      return Qt::AlignRight;
  }
}

void TPCostomCurrencyLabel::setMoneyFlagType(MoneyFlagType type) {
  moneyFlagType_ = qBound(CMFT_CN, type, CMFT_EN);
  compose();
}

void TPCostomCurrencyLabel::setShowKFlag(bool on) {
  showKFlag_ = on;
  showDigits_ = true;
  compose();
}

void TPCostomCurrencyLabel::setSubIndex(int index) {
  subIndex_ = index;
  compose();
}

bool TPCostomCurrencyLabel::boShowText() const {
  return subDigitOfAmount(amount_, subIndex_).BoShowText;
}

void TPCostomCurrencyLabel::setOption(bool &option, bool on) {
  option = on;
  compose();
}

// Every display option takes effect at once, so the text always matches the options and the amount.
void TPCostomCurrencyLabel::compose() {
  QString text;
  if (boShowSub_) {
    text = subDigitText(subDigitOfAmount(amount_, subIndex_));
  } else if (boNum_) {
    text = showKFlag_ ? formatThousands2(amount_) : showDigits_ ? formatFixed2(amount_) : formatShortest(amount_);
    if (showMoneyFlag_) text.prepend(moneyFlag(moneyFlagType_));
  } else {
    if (amount_.isNegative()) text = QStringLiteral("负");
    text += capitalNumerals(amount_.units, amount_.hundredths());
    if (forceShowEndText_) text += QStringLiteral("整");
  }
  if (text == cnMomey_) return;
  cnMomey_ = text;
  emit changed();
}

TPCostomCurrencyEdit *TPCostomCurrencyLabel::link() const {
  return link_.data();
}

QString TPCostomCurrencyLabel::linkId() const {
  return link_ ? link_->GetID() : QString();
}

void TPCostomCurrencyLabel::setLinkId(const QString &editId) {
  unsubscribeFrom(*this, sourceId_);
  sourceId_ = editId;
  ControlRegistry &live = registry() ? *registry() : currentRegistry();
  link_ = qobject_cast<TPCostomCurrencyEdit *>(live.findById(editId));
  if (!link_ || !subscribeTo(*this, editId)) {
    link_ = nullptr;
    return;
  }
  setAmount(link_->amount());
}

std::unique_ptr<TQelBaseDesigned> TPCostomCurrencyLabel::createDesign() {
  return std::make_unique<TPCurrencyLabelDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomCurrencyLabel::createPrintData() {
  return std::make_unique<TPCurrencyLabelPrintData>(*this);
}

TPCurrencyLabelDesigned::TPCurrencyLabelDesigned(TPCostomCurrencyLabel &label)
    : TQelFontDesigned(label), TQelDbStoreDesigned(label), label_(label) {}

const PropertyTable &TPCurrencyLabelDesigned::publishedProperties() const {
  using T = TPCurrencyLabelDesigned;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .integer(QStringLiteral("TextStyle"), &T::TextStyle, &T::SetTextStyleValue)
          .text(QStringLiteral("FontName"), &T::GetFontName, &T::SetFontName)
          .integer(QStringLiteral("FontSize"), &T::GetFontSize, &T::SetFontSize)
          .boolean(QStringLiteral("FontBold"), &T::GetFontBold, &T::SetFontBold)
          .boolean(QStringLiteral("FontItalic"), &T::GetFontItalic, &T::SetFontItalic)
          .boolean(QStringLiteral("FontUnderLine"), &T::GetFontUnderLine, &T::SetFontUnderLine)
          .boolean(QStringLiteral("FontStrikeOut"), &T::GetFontStrikeOut, &T::SetFontStrikeOut)
          .integer(QStringLiteral("Top"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("Left"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("Height"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("Width"), &T::Width, &T::SetWidth)
          .integer(QStringLiteral("FontExtStyle"), &T::GetFontExtStyle, &T::SetFontExtStyle)
          .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
          .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
          .integer(QStringLiteral("FontColor"), &T::GetFontColor, &T::SetFontColor)
          .boolean(QStringLiteral("BoNum"), &T::BoNum, &T::SetBoNum)
          .boolean(QStringLiteral("ShowMoneyFlag"), &T::ShowMoneyFlag, &T::SetShowMoneyFlag)
          .boolean(QStringLiteral("ShowKFlag"), &T::ShowKFlag, &T::SetShowKFlag)
          .boolean(QStringLiteral("ShowDigits"), &T::ShowDigits, &T::SetShowDigits)
          .enumeration(QStringLiteral("MoneyFlagType"),
                       {QStringLiteral("CMFT_CN"), QStringLiteral("CMFT_US"), QStringLiteral("CMFT_UR"),
                        QStringLiteral("CMFT_EN")},
                       &T::MoneyFlagType, &T::SetMoneyFlagType)
          .enumeration(QStringLiteral("QELCurrencyEditLink"), {QStringLiteral("CLNone"), QStringLiteral("CLOne")},
                       &T::QELCurrencyEditLink, &T::SetQELCurrencyEditLink)
          .text(QStringLiteral("DateLinkId"), &T::DateLinkId, &T::SetDateLinkId)
          .boolean(QStringLiteral("ForceShowEndText"), &T::ForceShowEndText, &T::SetForceShowEndText)
          .boolean(QStringLiteral("BoShowSub"), &T::BoShowSub, &T::SetBoShowSub)
          .integer(QStringLiteral("SubIndex"), &T::SubIndex, &T::SetSubIndex)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

std::unique_ptr<PrintItem> TPCurrencyLabelPrintData::GetPrinteData(int idx) {
  if (idx != 0) return nullptr;
  auto item = std::make_unique<PrintItem>();
  const ItemFont font = itemFontOf(label_);
  FillItemHeader(*item, &font);
  const ControlGeometry geometry = controlGeometryOf(label_);
  item->BaseRect = ControlBaseRect(&geometry);
  item->PrintRect = ControlPrintRect(&geometry, 0);
  item->HasFontExt = false;
  item->PrintType = kPrintText;
  // Aligned as the label shows it: TextStyle values other than 1 and 2 show right-aligned.
  item->HasTextStyle = true;
  const int style = label_.textStyle();
  item->TextStyle = style == 1 || style == 2 ? style : 3;
  SetItemText(*item, label_.CnMomey());
  return item;
}

void registerCurrencyLabelClass() {
  registerFieldClass<TQELCurrencyLabel>(QStringLiteral("TQELCurrencyLabel"));
}

}  // namespace op
