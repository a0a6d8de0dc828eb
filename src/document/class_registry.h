#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace op {

class QelField;

// Creates a field of one kind, owned by `owner`.
using FieldCreator = std::function<QelField *(QObject *owner)>;

// Class-name registry: every field kind registers a creator under its class name (the element name of
// template documents). Names are compared trimmed and case-insensitively, in registration order.
class ClassRegistry {
 public:
  static ClassRegistry &instance();

  // Registers `creator` under `className`; a second registration of the same name replaces the first.
  void registerClass(const QString &className, FieldCreator creator);
  bool contains(const QString &className) const;
  QStringList classNames() const;

  // A new field of the named class with its shown text cleared, or nullptr for a name not registered.
  QelField *create(const QString &className, QObject *owner) const;

 private:
  int indexOf(const QString &className) const;

  struct Entry {
    QString name;
    FieldCreator creator;
  };
  QList<Entry> entries_;
};

// Registers kind T (a QelField with a constructor taking the owner) under its class name.
template <class T>
void registerFieldClass(const QString &className) {
  ClassRegistry::instance().registerClass(className, [](QObject *owner) -> QelField * { return new T(owner); });
}

}  // namespace op
