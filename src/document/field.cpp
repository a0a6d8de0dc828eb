#include "document/field.h"

#include "core/ids.h"
#include "document/control_registry.h"
#include "document/designed.h"
#include "document/edit_panels.h"

namespace op {

QelField::QelField(QObject *owner, Registration registration) : QObject(owner) {
  if (registration == Registration::Registered) {
    id_ = getId();
    instanceId_ = getId();
    registry_ = &currentRegistry();
    registry_->registerControl(this);
  }
}

QelField::~QelField() {
  if (registry_) registry_->unregister(instanceId_);
}

QString QelField::className() const {
  const QString name = QString::fromLatin1(metaObject()->className());
  const qsizetype colons = name.lastIndexOf(QLatin1String("::"));
  return colons < 0 ? name : name.mid(colons + 2);
}

bool QelField::setId(const QString &id) {
  if (registry_ && registry_->identityInUse(id)) return false;
  id_ = id;
  return true;
}

bool QelField::setName(const QString &name) {
  if (registry_ && registry_->nameInUse(name, this)) return false;
  setObjectName(name);
  emit changed();
  return true;
}

void QelField::setLeft(int left) {
  setGeometry(QRect(left, top(), width(), height()));
}
void QelField::setTop(int top) {
  setGeometry(QRect(left(), top, width(), height()));
}
void QelField::setWidth(int width) {
  setGeometry(QRect(left(), top(), width, height()));
}
void QelField::setHeight(int height) {
  setGeometry(QRect(left(), top(), width(), height));
}

void QelField::setGeometry(const QRect &rect) {
  if (rect == geometry_) return;
  geometry_ = rect;
  emit geometryChanged(geometry_);
}

void QelField::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  emit visibilityChanged(visible_);
}

void QelField::notifyFont() {
  emit fontChanged();
  emit changed();
}

void QelField::setFontName(const QString &name) {
  font_.name = name;
  notifyFont();
}

void QelField::setFontSize(int size) {
  font_.size = qMax(1, size);
  notifyFont();
}

void QelField::setFontBold(bool on) {
  font_.bold = on;
  notifyFont();
}

void QelField::setFontItalic(bool on) {
  font_.italic = on;
  notifyFont();
}

void QelField::setFontUnderLine(bool on) {
  font_.underLine = on;
  notifyFont();
}

void QelField::setFontStrikeOut(bool on) {
  font_.strikeOut = on;
  notifyFont();
}

void QelField::setFontColor(int color) {
  font_.color = color;
  notifyFont();
}

void QelField::setFontExtStyle(int angle) {
  fontExtStyle_ = angle;
  emit changed();
}

void QelField::setTextStyle(int style) {
  textStyle_ = style;
  emit changed();
}

void QelField::setDbStoreFlag(int flag) {
  dbStoreFlag_ = flag;
}

TEditPanels *QelField::document() const {
  return qobject_cast<TEditPanels *>(parent());
}

QSize QelField::panelSize() const {
  const TEditPanels *panels = document();
  return panels ? panels->panelSize() : QSize();
}

QelElementField::QelElementField(QObject *owner) : QelField(owner) {}

// The property and print data objects go first, while the whole field still exists.
QelElementField::~QelElementField() {
  printData_.reset();
  design_.reset();
}

IQELDesign *QelElementField::GetDesign() {
  return designObject();
}

TQelBaseDesigned *QelElementField::designObject() {
  if (!design_) design_ = createDesign();
  return design_.get();
}

IQELPrintData *QelElementField::GetPrintData() {
  if (!printData_) printData_ = createPrintData();
  return printData_.get();
}

}  // namespace op
