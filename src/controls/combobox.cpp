#include "controls/combobox.h"

#include "document/class_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

TPCostomComboBox::TPCostomComboBox(QObject *owner) : QelElementField(owner) {
  setGeometry(QRect(0, 0, 145, 21));
}

void TPCostomComboBox::setItems(const QStringList &items) {
  const QString shown = text();
  items_ = items;
  itemIndex_ = shown.isEmpty() ? -1 : int(items_.indexOf(shown));
  emit itemsChanged();
  emit textChanged();
  emit changed();
}

void TPCostomComboBox::setItemIndex(int index) {
  if (index < 0 || index >= items_.size()) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  emit textChanged();
  emit changed();
}

std::unique_ptr<TQelBaseDesigned> TPCostomComboBox::createDesign() {
  return std::make_unique<TPComboBoxDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomComboBox::createPrintData() {
  return std::make_unique<TPComboBoxPrintData>(*this);
}

const PropertyTable &TPComboBoxDesigned::publishedProperties() const {
  using T = TPComboBoxDesigned;
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
          .build();
  return table;
}

// The list box's text is never turned: the item carries no rotation.
std::unique_ptr<PrintItem> TPComboBoxPrintData::GetPrinteData(int idx) {
  if (idx != 0) return nullptr;
  auto item = std::make_unique<PrintItem>(fieldTextItem(box_, box_.text()));
  item->HasFontExt = false;
  item->FontExtValue = 0;
  return item;
}

void registerComboBoxClass() {
  registerFieldClass<TQELComboBox>(QStringLiteral("TQELComboBox"));
}

}  // namespace op
