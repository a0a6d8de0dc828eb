#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <limits>
#include <type_traits>

// Published properties: every persisted object offers an ordered table of descriptors (ancestor first).
// The template document writer walks the table; the reader sets properties by name through it.
namespace op {

enum class PropertyKind {
  Char,    // text, written as TYPE="CHAR"
  Enum,    // enumeration (Booleans included), written as its identifier
  Num,     // 32- or 64-bit integer
  Float,   // double
  Object,  // published but never persisted (fonts, pictures, lists, events)
};

class Persistent;

struct PropertyDescriptor {
  QString name;
  PropertyKind kind = PropertyKind::Char;
  QStringList enumNames;                                // Enum: identifier of each ordinal
  qint64 minimum = std::numeric_limits<qint32>::min();  // Num: range of the integer type
  qint64 maximum = std::numeric_limits<qint32>::max();
  // Char: QString; Enum: int ordinal; Num: qint64; Float: double.
  std::function<QVariant(const Persistent &)> get;
  // Returns false when the object refuses the value (the old value stays).
  std::function<bool(Persistent &, const QVariant &)> set;

  bool persisted() const { return kind != PropertyKind::Object; }
};

using PropertyTable = QList<PropertyDescriptor>;

// An object whose published properties can be written to and read from a template document.
class Persistent {
 public:
  virtual ~Persistent() = default;
  virtual const PropertyTable &publishedProperties() const = 0;
};

// Descriptor of `name` (case-insensitive), or nullptr.
const PropertyDescriptor *findProperty(const PropertyTable &table, const QString &name);

// The TYPE marker of a kind ("CHAR", "ENUM", "NUM", "FLOAT"); empty for Object.
QString kindMarker(PropertyKind kind);

// The value as document text: enumerations by identifier, floats with "." and round-trip digits.
QString propertyText(const PropertyDescriptor &descriptor, const Persistent &object);

// Sets the property from document text. False when the text does not convert (unknown identifier,
// non-integer text for an integer, out of range) or the object refuses; the old value then stays.
bool setPropertyText(const PropertyDescriptor &descriptor, Persistent &object, const QString &text);

// By name through the object's table; false when the object has no such property.
QString propertyText(const Persistent &object, const QString &name);
bool setPropertyText(Persistent &object, const QString &name, const QString &text);

// Builds a descriptor table for class T from member functions. Setters may return void or bool.
template <class T>
class PropertyTableBuilder {
 public:
  explicit PropertyTableBuilder(const PropertyTable &ancestor = {}) : table_(ancestor) {}

  template <class G, class S>
  PropertyTableBuilder &text(const QString &name, G getter, S setter) {
    return add(name, PropertyKind::Char, {}, getter, setter);
  }
  template <class G, class S>
  PropertyTableBuilder &integer(const QString &name, G getter, S setter) {
    return add(name, PropertyKind::Num, {}, getter, setter);
  }
  template <class G, class S>
  PropertyTableBuilder &integer64(const QString &name, G getter, S setter) {
    add(name, PropertyKind::Num, {}, getter, setter);
    table_.last().minimum = std::numeric_limits<qint64>::min();
    table_.last().maximum = std::numeric_limits<qint64>::max();
    return *this;
  }
  template <class G, class S>
  PropertyTableBuilder &boolean(const QString &name, G getter, S setter) {
    return add(name, PropertyKind::Enum, {QStringLiteral("False"), QStringLiteral("True")}, getter, setter);
  }
  // An enumeration whose getter/setter work with the ordinal as int (or an enum convertible to it).
  template <class G, class S>
  PropertyTableBuilder &enumeration(const QString &name, const QStringList &identifiers, G getter, S setter) {
    return add(name, PropertyKind::Enum, identifiers, getter, setter);
  }
  template <class G, class S>
  PropertyTableBuilder &floating(const QString &name, G getter, S setter) {
    return add(name, PropertyKind::Float, {}, getter, setter);
  }
  // A published property that is never persisted (shown by an inspector only).
  PropertyTableBuilder &object(const QString &name) {
    PropertyDescriptor d;
    d.name = name;
    d.kind = PropertyKind::Object;
    d.get = [](const Persistent &) { return QVariant(); };
    d.set = [](Persistent &, const QVariant &) { return false; };
    table_.append(d);
    return *this;
  }

  PropertyTable build() const { return table_; }

 private:
  template <class M>
  struct SetterTraits;
  template <class R, class C, class A>
  struct SetterTraits<R (C::*)(A)> {
    using Arg = std::remove_cvref_t<A>;
    using Result = R;
  };

  template <class G, class S>
  PropertyTableBuilder &add(const QString &name, PropertyKind kind, const QStringList &identifiers, G getter,
                            S setter) {
    PropertyDescriptor d;
    d.name = name;
    d.kind = kind;
    d.enumNames = identifiers;
    d.get = [getter](const Persistent &p) -> QVariant {
      auto *self = dynamic_cast<const T *>(&p);
      if (!self) return {};
      if constexpr (std::is_enum_v<decltype((self->*getter)())>)
        return QVariant::fromValue(int((self->*getter)()));
      else
        return QVariant::fromValue((self->*getter)());
    };
    d.set = [setter](Persistent &p, const QVariant &value) -> bool {
      auto *self = dynamic_cast<T *>(&p);
      if (!self) return false;
      using Arg = typename SetterTraits<S>::Arg;
      Arg arg;
      if constexpr (std::is_enum_v<Arg>)
        arg = static_cast<Arg>(value.toInt());
      else
        arg = value.value<Arg>();
      if constexpr (std::is_same_v<typename SetterTraits<S>::Result, bool>) {
        return (self->*setter)(arg);
      } else {
        (self->*setter)(arg);
        return true;
      }
    };
    table_.append(d);
    return *this;
  }

  PropertyTable table_;
};

}  // namespace op
