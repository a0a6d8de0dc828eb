#pragma once

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "document/field.h"

namespace op {

class QelField;

// Base of the visual controls of the field kinds: follows its field's geometry and visibility, repaints on
// every change and goes away with the field. The field model stays the only owner of the data.
class FieldWidget : public QWidget {
  Q_OBJECT

 public:
  FieldWidget(QelField &field, QWidget *parent);

  QelField *field() const { return field_.data(); }

 protected:
  // Called after the field's font changed; the default applies fieldScreenFont to the widget.
  virtual void fieldFontChanged();
  // Called on the field's `changed` signal; the default repaints.
  virtual void fieldChanged();

 private:
  QPointer<QelField> field_;
};

// The on-screen font of a field: face, screen size and style bits.
QFont fieldScreenFont(const QelField &field);
// A platform colour integer (red in the lowest byte); system colours (negative) show as the window text.
QColor platformColor(int color);

// Creates the widget of a field, parented to `parent`.
using FieldWidgetCreator = std::function<QWidget *(QelField &field, QWidget *parent)>;

// Registers the widget creator of the field class named `className` (the C++ class name with namespace,
// as QMetaObject gives it). A field takes the creator of its own class or of its nearest registered base.
void registerFieldWidget(const char *className, FieldWidgetCreator creator);

template <class Field, class Widget>
void registerFieldWidget() {
  registerFieldWidget(Field::staticMetaObject.className(), [](QelField &field, QWidget *parent) -> QWidget * {
    return new Widget(static_cast<Field &>(field), parent);
  });
}

// Registers the widgets of every field kind (one line per kind); repeated calls are harmless.
void registerFieldWidgets();

// The widget of `field` placed on `parent` at the field's geometry; nullptr for a kind without a widget.
QWidget *createFieldWidget(QelField &field, QWidget *parent);

}  // namespace op
