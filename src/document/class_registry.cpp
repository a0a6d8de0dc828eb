#include "document/class_registry.h"

#include "document/field.h"

namespace op {

ClassRegistry &ClassRegistry::instance() {
  static ClassRegistry registry;
  return registry;
}

int ClassRegistry::indexOf(const QString &className) const {
  const QString wanted = className.trimmed();
  for (int i = 0; i < entries_.size(); ++i)
    if (entries_.at(i).name.compare(wanted, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

void ClassRegistry::registerClass(const QString &className, FieldCreator creator) {
  const int index = indexOf(className);
  if (index >= 0)
    entries_[index].creator = std::move(creator);
  else
    entries_.append(Entry{className.trimmed(), std::move(creator)});
}

bool ClassRegistry::contains(const QString &className) const {
  return indexOf(className) >= 0;
}

QStringList ClassRegistry::classNames() const {
  QStringList names;
  for (const Entry &entry : entries_) names.append(entry.name);
  return names;
}

QelField *ClassRegistry::create(const QString &className, QObject *owner) const {
  const int index = indexOf(className);
  if (index < 0) return nullptr;
  QelField *field = entries_.at(index).creator(owner);
  if (field) field->clearText();
  return field;
}

}  // namespace op
