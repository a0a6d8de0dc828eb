#include "controls/zipcode_edit.h"

#include <cmath>

#include "document/class_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

TPCustomZipCodeEdit::TPCustomZipCodeEdit(QObject *owner, int boxCount) : QelElementField(owner) {
  boxes_.resize(qMax(1, boxCount));
  setGeometry(QRect(0, 0, 284, 30));
}

QString TPCustomZipCodeEdit::displayName() const {
  return className().compare(QLatin1String("TQELZipCodeEdit"), Qt::CaseInsensitive) == 0
             ? QStringLiteral("邮政编码控件")
             : QStringLiteral("证件号码控件");
}

bool TPCustomZipCodeEdit::boxAccepts(int box, int boxCount, QChar c) {
  if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return true;
  // Only the check character of an ID-card number may be a letter.
  return box == 17 && boxCount == 18 && (c == QLatin1Char('X') || c == QLatin1Char('x'));
}

int TPCustomZipCodeEdit::typeChar(int box, QChar c) {
  if (box < 0 || box >= boxCount() || !boxAccepts(box, boxCount(), c)) return -1;
  if (boxes_[box] != QString(c)) {
    boxes_[box] = QString(c);
    emit changed();
  }
  return qMin(box + 1, boxCount() - 1);
}

void TPCustomZipCodeEdit::eraseBox(int box) {
  if (box < 0 || box >= boxCount() || boxes_[box].isEmpty()) return;
  boxes_[box].clear();
  emit changed();
}

void TPCustomZipCodeEdit::setZipCodeStr(const QString &text) {
  zipCodeStr_ = text;
  for (int k = 0; k < boxCount(); ++k) boxes_[k] = k < text.size() ? QString(text.at(k)) : QString();
  emit changed();
}

QRect TPCustomZipCodeEdit::buttonRect() const {
  return QRect(width() - kButtonSize - 1, (height() - kButtonSize) / 2, kButtonSize, kButtonSize);
}

QRect TPCustomZipCodeEdit::boxRect(int box) const {
  const int columns = qMax(boxCount(), kPostalBoxes);
  const double pitch = double(buttonRect().left() - 2) / columns;
  const int left = int(std::trunc(box * pitch)) + 4;
  const int top = height() > kBoxHeight ? (height() - kBoxHeight) / 2 : 0;
  return QRect(left, top, kBoxWidth, kBoxHeight);
}

std::unique_ptr<TQelBaseDesigned> TPCustomZipCodeEdit::createDesign() {
  return std::make_unique<TPZipCodeEditDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCustomZipCodeEdit::createPrintData() {
  return std::make_unique<TPZipCodeEditPrintData>(*this);
}

TPZipCodeEditDesigned::TPZipCodeEditDesigned(TPCustomZipCodeEdit &edit)
    : TQelFontDesigned(edit), TQelDbStoreDesigned(edit), edit_(edit) {}

void TPZipCodeEditDesigned::SetBindName(const QString &name) {
  if (edit_.bindType != -1) edit_.bindName = name;
}

void TPZipCodeEditDesigned::SetBindValue(const QString &value) {
  edit_.bindValue = value;
  edit_.setZipCodeStr(value);
}

const PropertyTable &TPZipCodeEditDesigned::publishedProperties() const {
  using T = TPZipCodeEditDesigned;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .integer(QStringLiteral("TextStyle"), &T::TextStyle, &T::SetTextStyleValue)
          .text(QStringLiteral("FontName"), &T::GetFontName, &T::SetFontName)
          .integer(QStringLiteral("FontSize"), &T::GetFontSize, &T::SetFontSize)
          .boolean(QStringLiteral("FontBold"), &T::GetFontBold, &T::SetFontBold)
          .boolean(QStringLiteral("FontItalic"), &T::GetFontItalic, &T::SetFontItalic)
          .boolean(QStringLiteral("FontUnderLine"), &T::GetFontUnderLine, &T::SetFontUnderLine)
          .boolean(QStringLiteral("FontStrikeOut"), &T::GetFontStrikeOut, &T::SetFontStrikeOut)
          .integer(QStringLiteral("FontColor"), &T::GetFontColor, &T::SetFontColor)
          .integer(QStringLiteral("ATop"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("ALeft"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("AHeight"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("AWidth"), &T::Width, &T::SetWidth)
          .integer(QStringLiteral("FontExtStyle"), &T::GetFontExtStyle, &T::SetFontExtStyle)
          .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
          .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .build();
  return table;
}

// Each box prints from its own left and top edge. A turned field turns each box's rectangle with the page
// as well, so the characters stay in their boxes and in reading order whatever the rotation.
std::unique_ptr<PrintItem> TPZipCodeEditPrintData::GetPrinteData(int idx) {
  if (idx < 0 || idx >= edit_.boxCount()) return nullptr;
  auto item = std::make_unique<PrintItem>(fieldTextItem(edit_, edit_.boxText(idx)));
  const QRect box = edit_.boxRect(idx);
  ControlGeometry boxArea = controlGeometryOf(edit_);
  boxArea.left += box.left();
  boxArea.top += box.top();
  boxArea.width -= box.left();
  boxArea.height -= box.top();
  item->PrintRect = ControlPrintRect(&boxArea, edit_.fontExtStyle());
  item->BaseRect.Left = box.left();
  item->BaseRect.Top = box.top();
  return item;
}

void registerZipCodeClass() {
  registerFieldClass<TQELZipCodeEdit>(QStringLiteral("TQELZipCodeEdit"));
}

}  // namespace op
