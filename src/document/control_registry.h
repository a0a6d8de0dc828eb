#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace op {

class QelField;

// An ordered list of live fields. Look-ups walk from the most recently registered field backwards.
class ControlRegistry {
 public:
  const QList<QelField *> &fields() const { return fields_; }

  void registerControl(QelField *field);
  // Removes the last field whose instance identity equals `instanceId` (case-insensitive).
  void unregister(const QString &instanceId);

  // True when a field's identity equals `id` exactly (case-sensitive).
  bool identityInUse(const QString &id) const;
  // True when a field other than `except` has the component name `name` in any letter case (never for "").
  bool nameInUse(const QString &name, const QelField *except = nullptr) const;

  // Identities compared trimmed and upper-cased; newest first.
  QelField *findById(const QString &id) const;
  // The property object's display name (GetHelpText) compared upper-cased; newest first.
  QelField *findByHelpText(const QString &text) const;

  // Asks every field of class `className` (case-insensitive) to repaint.
  void refreshClass(const QString &className) const;
  // Data-source rename: fields bound to a column (bind type 2) take `name`; a changed name clears the value.
  void rebind(int bindType, const QString &name) const;
  // Fills every field bound to a column from the current row: (column name, value text) pairs, names
  // compared trimmed and upper-cased with the field's BindHelpText.
  void fillFromRow(const QList<QPair<QString, QString>> &row) const;
  // Sets Checked false on every field of `className` in check group `group` that is checked.
  void clearCheckGroup(const QString &className, int group) const;

 private:
  QList<QelField *> fields_;
};

// The design registry (fields of the open designer) and the run registry (fields of the fill-in panel).
ControlRegistry &designRegistry();
ControlRegistry &runRegistry();
// The design-mode flag selects which registry new fields join.
bool isDesignMode();
void setDesignMode(bool on);
ControlRegistry &currentRegistry();

}  // namespace op
