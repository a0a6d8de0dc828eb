#include "document/control_registry.h"

#include <QVariant>

#include "document/designed.h"
#include "document/field.h"
#include "document/interfaces.h"

namespace op {

void ControlRegistry::registerControl(QelField *field) {
  if (field) fields_.append(field);
}

void ControlRegistry::unregister(const QString &instanceId) {
  for (qsizetype i = fields_.size() - 1; i >= 0; --i) {
    if (fields_.at(i)->GetInstanceID().compare(instanceId, Qt::CaseInsensitive) == 0) {
      fields_.removeAt(i);
      return;
    }
  }
}

bool ControlRegistry::identityInUse(const QString &id) const {
  for (const QelField *field : fields_)
    if (field->GetID() == id) return true;
  return false;
}

bool ControlRegistry::nameInUse(const QString &name, const QelField *except) const {
  if (name.isEmpty()) return false;  // fields without a component name never clash
  for (const QelField *field : fields_)
    if (field != except && field->name().compare(name, Qt::CaseInsensitive) == 0) return true;
  return false;
}

QelField *ControlRegistry::findById(const QString &id) const {
  const QString wanted = id.trimmed();
  for (qsizetype i = fields_.size() - 1; i >= 0; --i)
    if (QStringView(fields_.at(i)->GetID()).trimmed().compare(wanted, Qt::CaseInsensitive) == 0) return fields_.at(i);
  return nullptr;
}

namespace {

IQELDesign *designOf(QelField *field) {
  IQELElment *element = query<IQELElment>(field);
  return element ? element->GetDesign() : nullptr;
}

IQELDataBind *dataBindOf(QelField *field) {
  return query<IQELDataBind>(designOf(field));
}

}  // namespace

QelField *ControlRegistry::findByHelpText(const QString &text) const {
  const QString wanted = text.toUpper();
  for (qsizetype i = fields_.size() - 1; i >= 0; --i) {
    IQELDesign *design = designOf(fields_.at(i));
    if (design && design->GetHelpText().toUpper() == wanted) return fields_.at(i);
  }
  return nullptr;
}

void ControlRegistry::refreshClass(const QString &className) const {
  for (QelField *field : fields_) {
    if (field->className().compare(className, Qt::CaseInsensitive) != 0) continue;
    if (IQELElment *element = query<IQELElment>(field))
      element->QELRefresh();
    else
      emit field->changed();
  }
}

void ControlRegistry::rebind(int bindType, const QString &name) const {
  for (QelField *field : fields_) {
    IQELDataBind *bind = dataBindOf(field);
    if (!bind || bindType != 2 || bind->GetBindType() != 2) continue;
    if (bind->GetBindName() != name) bind->SetBindValue(QString());
    bind->SetBindName(name);
  }
}

void ControlRegistry::fillFromRow(const QList<QPair<QString, QString>> &row) const {
  for (QelField *field : fields_) {
    IQELDataBind *bind = dataBindOf(field);
    if (!bind || bind->GetBindType() != 2) continue;
    const QString helpText = bind->GetBindHelpText().trimmed().toUpper();
    for (const auto &column : row)
      if (column.first.trimmed().toUpper() == helpText) bind->SetBindValue(column.second);
  }
}

void ControlRegistry::clearCheckGroup(const QString &className, int group) const {
  for (QelField *field : fields_) {
    if (field->className().compare(className, Qt::CaseInsensitive) != 0) continue;
    const QVariant fieldGroup = field->property("CheckGroup");
    const QVariant checked = field->property("Checked");
    if (!fieldGroup.isValid() || !checked.isValid()) continue;
    if (fieldGroup.toInt() == group && checked.toBool()) field->setProperty("Checked", false);
  }
}

namespace {
bool designMode = false;
}

ControlRegistry &designRegistry() {
  static ControlRegistry registry;
  return registry;
}

ControlRegistry &runRegistry() {
  static ControlRegistry registry;
  return registry;
}

bool isDesignMode() {
  return designMode;
}
void setDesignMode(bool on) {
  designMode = on;
}
ControlRegistry &currentRegistry() {
  return designMode ? designRegistry() : runRegistry();
}

}  // namespace op
