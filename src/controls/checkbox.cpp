#include "controls/checkbox.h"

#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

TPCostomCheckBox::TPCostomCheckBox(QObject *owner) : QelElementField(owner) {
  setGeometry(QRect(0, 0, 25, 17));
}

void TPCostomCheckBox::setCaption(const QString &caption) {
  if (caption == caption_) return;
  caption_ = caption;
  emit captionChanged(caption_);
  emit changed();
}

void TPCostomCheckBox::setCheckedState(bool on) {
  if (on == checked_) return;
  checked_ = on;
  emit checkedChanged(checked_);
  emit changed();
}

void TPCostomCheckBox::setChecked(bool on) {
  if (!on || clearingGroup_ || checkGroup_ <= 0 || !registry()) {
    setCheckedState(on);
    return;
  }
  // While the group is cleared this box ignores the exclusivity rule, then it is checked again.
  clearingGroup_ = true;
  registry()->clearCheckGroup(QStringLiteral("TQELCheckBox"), checkGroup_);
  clearingGroup_ = false;
  setCheckedState(true);
}

std::unique_ptr<TQelBaseDesigned> TPCostomCheckBox::createDesign() {
  return std::make_unique<TPCheckBoxDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomCheckBox::createPrintData() {
  return std::make_unique<TPCheckBoxPrintData>(*this);
}

const PropertyTable &TPCheckBoxDesigned::publishedProperties() const {
  using T = TPCheckBoxDesigned;
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
          .text(QStringLiteral("LableCaption"), &T::LableCaption, &T::SetLableCaption)
          .integer(QStringLiteral("CheckGroup"), &T::CheckGroup, &T::SetCheckGroup)
          .boolean(QStringLiteral("BoDefaultCheck"), &T::BoDefaultCheck, &T::SetBoDefaultCheck)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

std::unique_ptr<PrintItem> TPCheckBoxPrintData::GetPrinteData(int idx) {
  if (idx != 0) return nullptr;
  return std::make_unique<PrintItem>(fieldTextItem(box_, box_.isChecked() ? QStringLiteral("√") : QString()));
}

void registerCheckBoxClass() {
  registerFieldClass<TQELCheckBox>(QStringLiteral("TQELCheckBox"));
}

}  // namespace op
