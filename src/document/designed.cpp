#include "document/designed.h"

#include "document/field.h"

namespace op {

QString helpTextOf(const QString &displayName, const QString &className, const QString &componentName) {
  return displayName + componentName.mid(qMax<qsizetype>(0, className.size() - 1));
}

int TQelBaseDesigned::GetTextStyle() const {
  return owner_.textStyle();
}

QString TQelBaseDesigned::GetHelpText() const {
  return helpTextOf(displayName(), owner_.className(), owner_.name());
}

int TQelBaseDesigned::Left() const {
  return owner_.left();
}
void TQelBaseDesigned::SetLeft(int value) {
  owner_.setLeft(value);
}
int TQelBaseDesigned::Top() const {
  return owner_.top();
}
void TQelBaseDesigned::SetTop(int value) {
  owner_.setTop(value);
}
int TQelBaseDesigned::Width() const {
  return owner_.width();
}
void TQelBaseDesigned::SetWidth(int value) {
  owner_.setWidth(value);
}
int TQelBaseDesigned::Height() const {
  return owner_.height();
}
void TQelBaseDesigned::SetHeight(int value) {
  owner_.setHeight(value);
}
QString TQelBaseDesigned::ControlName() const {
  return owner_.name();
}
bool TQelBaseDesigned::SetControlName(const QString &name) {
  return owner_.setName(name);
}
QString TQelBaseDesigned::ControlId() const {
  return owner_.GetID();
}
bool TQelBaseDesigned::SetControlId(const QString &id) {
  return owner_.setId(id);
}
int TQelBaseDesigned::TextStyle() const {
  return owner_.textStyle();
}
void TQelBaseDesigned::SetTextStyleValue(int style) {
  owner_.setTextStyle(style);
}

void TQelFontDesigned::SetTextStyle(int style) {
  owner().setTextStyle(style);
}
QString TQelFontDesigned::GetFontName() const {
  return owner().font().name;
}
void TQelFontDesigned::SetFontName(const QString &name) {
  owner().setFontName(name);
}
int TQelFontDesigned::GetFontSize() const {
  return owner().font().size;
}
void TQelFontDesigned::SetFontSize(int size) {
  owner().setFontSize(size);
}
bool TQelFontDesigned::GetFontBold() const {
  return owner().font().bold;
}
void TQelFontDesigned::SetFontBold(bool on) {
  owner().setFontBold(on);
}
bool TQelFontDesigned::GetFontItalic() const {
  return owner().font().italic;
}
void TQelFontDesigned::SetFontItalic(bool on) {
  owner().setFontItalic(on);
}
bool TQelFontDesigned::GetFontUnderLine() const {
  return owner().font().underLine;
}
void TQelFontDesigned::SetFontUnderLine(bool on) {
  owner().setFontUnderLine(on);
}
bool TQelFontDesigned::GetFontStrikeOut() const {
  return owner().font().strikeOut;
}
void TQelFontDesigned::SetFontStrikeOut(bool on) {
  owner().setFontStrikeOut(on);
}
int TQelFontDesigned::GetFontColor() const {
  return owner().font().color;
}
void TQelFontDesigned::SetFontColor(int color) {
  owner().setFontColor(color);
}
int TQelFontDesigned::GetFontExtStyle() const {
  return owner().fontExtStyle();
}
void TQelFontDesigned::SetFontExtStyle(int angle) {
  owner().setFontExtStyle(angle);
}

int TQelDbStoreDesigned::GetDbStoreFlag() const {
  return field_.dbStoreFlag();
}
void TQelDbStoreDesigned::SetDbStoreFlag(int flag) {
  field_.setDbStoreFlag(flag);
}

}  // namespace op
