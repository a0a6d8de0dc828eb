#include "controls/edit.h"

#include <QFont>
#include <QFontMetrics>
#include <QRegularExpression>

#include "controls/edit_text_rules.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

TPCostomEdit::TPCostomEdit(QObject *owner) : QelElementField(owner) {}

// A follower that goes away leaves its source's subscription list.
TPCostomEdit::~TPCostomEdit() {
  unsubscribeFrom(*this, sourceId_);
}

QString TPCostomEdit::displayName() const {
  return QStringLiteral("通用文字编辑框");
}

namespace {

QString withCase(const QString &text, TPCostomEdit::CharCase charCase) {
  switch (charCase) {
    case TPCostomEdit::CharCase::Upper:
      return text.toUpper();
    case TPCostomEdit::CharCase::Lower:
      return text.toLower();
    case TPCostomEdit::CharCase::Normal:
      break;
  }
  return text;
}

}  // namespace

void TPCostomEdit::setText(const QString &text) {
  const QString cased = withCase(text, charCase_);
  if (cased == text_) return;
  text_ = cased;
  emit textChanged(text_);
  emit changed();
  pushToFollowers();
}

void TPCostomEdit::pushToFollowers() {
  pushToSubscribers(*this, subscriptions_.ids(), [this](QelField &follower) {
    if (follower.metaObject()->indexOfProperty("Text") < 0) return;
    const bool takeNumber = follower.property("TryNum").toBool();
    follower.setProperty("Text", takeNumber ? takeNumberOutOfText(text_) : text_);
    emit follower.changed();
  });
}

void TPCostomEdit::setDisplayFormat(DisplayFormat format) {
  format_ = format;
  emit changed();
}

void TPCostomEdit::setCharCase(CharCase charCase) {
  charCase_ = charCase;
  setText(text_);
}

bool TPCostomEdit::acceptsText(const QString &text) const {
  static const QRegularExpression integer(QStringLiteral("^[+-]?\\d*$"));
  static const QRegularExpression decimal(QStringLiteral("^[+-]?\\d*\\.?\\d*$"));
  switch (format_) {
    case DisplayFormat::Integer:
      return integer.match(text).hasMatch();
    case DisplayFormat::Currency:
    case DisplayFormat::Float:
      return decimal.match(text).hasMatch();
    case DisplayFormat::None:
      break;
  }
  return true;
}

double TPCostomEdit::floatValue() const {
  return text_.trimmed().toDouble();
}

bool TPCostomEdit::withinBounds(double value) const {
  return !(boMinValue && value < minValue) && !(boMaxValue && value > maxValue);
}

void TPCostomEdit::setRightShowBtn(bool visible) {
  rightShowBtn_ = visible;
  emit changed();
}

QString TPCostomEdit::linkId() const {
  return link_ ? link_->GetID() : QString();
}

void TPCostomEdit::setLinkId(const QString &sourceId) {
  unsubscribeFrom(*this, sourceId_);
  sourceId_ = sourceId;
  ControlRegistry &live = registry() ? *registry() : currentRegistry();
  QelField *source = live.findById(sourceId);
  link_ = qobject_cast<TPCostomEdit *>(source);
  if (!subscribeTo(*this, sourceId)) link_ = nullptr;
}

void TPCostomEdit::setBindType(int type) {
  bindType_ = type;
  setRightShowBtn(type == 1);
}

QStringList TPCostomEdit::printLines() const {
  QFont screenFont(font().name, screenFontSize());
  screenFont.setBold(font().bold);
  screenFont.setItalic(font().italic);
  const QFontMetrics metrics(screenFont);
  return breakIntoPrintLines(text_, width(), [&](const QString &line) { return metrics.horizontalAdvance(line); });
}

std::unique_ptr<TQelBaseDesigned> TPCostomEdit::createDesign() {
  return std::make_unique<TPEditDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomEdit::createPrintData() {
  return std::make_unique<TPEditPrintData>(*this);
}

TPEditDesigned::TPEditDesigned(TPCostomEdit &edit) : TQelFontDesigned(edit), TQelDbStoreDesigned(edit), edit_(edit) {}

bool TPEditDesigned::BoOnlyNum() const {
  return edit_.displayFormat() == TPCostomEdit::DisplayFormat::Integer;
}

void TPEditDesigned::SetBoOnlyNum(bool on) {
  if (on) edit_.setDisplayFormat(TPCostomEdit::DisplayFormat::Integer);
}

bool TPEditDesigned::BoOnlyFloat() const {
  const auto format = edit_.displayFormat();
  return format == TPCostomEdit::DisplayFormat::Currency || format == TPCostomEdit::DisplayFormat::Float;
}

void TPEditDesigned::SetBoOnlyFloat(bool on) {
  if (on) edit_.setDisplayFormat(TPCostomEdit::DisplayFormat::Currency);
}

void TPEditDesigned::SetBoUpperCase(bool on) {
  if (on) edit_.setCharCase(TPCostomEdit::CharCase::Upper);
}

void TPEditDesigned::SetBoLowerCase(bool on) {
  if (on) edit_.setCharCase(TPCostomEdit::CharCase::Lower);
}

void TPEditDesigned::SetFloatValue(double value) {
  edit_.setText(shortestDecimal(value));
}

void TPEditDesigned::SetBindName(const QString &name) {
  if (edit_.bindType() != -1) edit_.bindName = name;
}

void TPEditDesigned::SetBindValue(const QString &value) {
  edit_.bindValue = value;
  edit_.setText(value);
}

const PropertyTable &TPEditDesigned::publishedProperties() const {
  using T = TPEditDesigned;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .integer(QStringLiteral("TextStyle"), &T::TextStyle, &T::SetTextStyleValue)
          .text(QStringLiteral("FontName"), &T::GetFontName, &T::SetFontName)
          .integer(QStringLiteral("FontSize"), &T::GetFontSize, &T::SetFontSize)
          .boolean(QStringLiteral("FontBold"), &T::GetFontBold, &T::SetFontBold)
          .boolean(QStringLiteral("FontItalic"), &T::GetFontItalic, &T::SetFontItalic)
          .boolean(QStringLiteral("FontUnderLine"), &T::GetFontUnderLine, &T::SetFontUnderLine)
          .boolean(QStringLiteral("FontStrikeOut"), &T::GetFontStrikeOut, &T::SetFontStrikeOut)
          .integer(QStringLiteral("Left"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("Top"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("Width"), &T::Width, &T::SetWidth)
          .integer(QStringLiteral("Height"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("FontExtStyle"), &T::GetFontExtStyle, &T::SetFontExtStyle)
          .text(QStringLiteral("Expr"), &T::Expr, &T::SetExpr)
          .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
          .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
          .integer(QStringLiteral("FontColor"), &T::GetFontColor, &T::SetFontColor)
          .enumeration(QStringLiteral("QELEditLink"), {QStringLiteral("CLNone"), QStringLiteral("CLOne")},
                       &T::QELEditLink, &T::SetQELEditLink)
          .text(QStringLiteral("DateLinkId"), &T::DateLinkId, &T::SetDateLinkId)
          .integer(QStringLiteral("MaxCharLen"), &T::MaxCharLen, &T::SetMaxCharLen)
          .boolean(QStringLiteral("BoOnlyNum"), &T::BoOnlyNum, &T::SetBoOnlyNum)
          .boolean(QStringLiteral("BoOnlyFloat"), &T::BoOnlyFloat, &T::SetBoOnlyFloat)
          .boolean(QStringLiteral("BoMinValue"), &T::BoMinValue, &T::SetBoMinValue)
          .floating(QStringLiteral("MinValue"), &T::MinValue, &T::SetMinValue)
          .boolean(QStringLiteral("BoMaxValue"), &T::BoMaxValue, &T::SetBoMaxValue)
          .floating(QStringLiteral("MaxValue"), &T::MaxValue, &T::SetMaxValue)
          .boolean(QStringLiteral("ShowRightBtn"), &T::ShowRightBtn, &T::SetShowRightBtn)
          .boolean(QStringLiteral("AutoWrapble"), &T::AutoWrapble, &T::SetAutoWrapble)
          .integer(QStringLiteral("LineSapce"), &T::LineSapce, &T::SetLineSapce)
          .boolean(QStringLiteral("ReadOnly"), &T::ReadOnly, &T::SetReadOnly)
          .boolean(QStringLiteral("TryNum"), &T::TryNum, &T::SetTryNum)
          .boolean(QStringLiteral("BoPrint"), &T::BoPrint, &T::SetBoPrint)
          .boolean(QStringLiteral("BoUpperCase"), &T::BoUpperCase, &T::SetBoUpperCase)
          .boolean(QStringLiteral("BoLowerCase"), &T::BoLowerCase, &T::SetBoLowerCase)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

int TPEditPrintData::GetPrintDataCount() {
  if (!edit_.boPrint) return 0;
  return edit_.autoWrapble ? int(edit_.printLines().size()) : 1;
}

std::unique_ptr<PrintItem> TPEditPrintData::GetPrinteData(int idx) {
  if (!edit_.boPrint) return nullptr;
  QString text = edit_.text();
  if (edit_.autoWrapble) {
    const QStringList lines = edit_.printLines();
    if (idx < 0 || idx >= lines.size()) return nullptr;
    text = lines.at(idx);
  } else if (idx != 0) {
    return nullptr;
  }
  auto item = std::make_unique<PrintItem>(fieldTextItem(edit_, text));
  const qint32 shift = idx * (edit_.height() + edit_.lineSapce);
  item->PrintRect.Top += shift;
  item->PrintRect.Bottom += shift;
  return item;
}

void registerEditClass() {
  registerFieldClass<TQELEdit>(QStringLiteral("TQELEdit"));
}

}  // namespace op
