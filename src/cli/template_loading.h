#pragma once

#include <QHash>

#include <functional>
#include <QString>

#include <memory>
#include <vector>

#include "printing/printonecopy.h"

// What the printing commands share: field kinds and hooks set up once, a template read from the database or
// from a document file, its fields found by name, and the description PrintOneCopy needs.
namespace op {
class Database;
class IQELRunData;
class TEditPanels;
}  // namespace op

namespace op::cli {

// Registers every field kind and the barcode drawer; the run registry becomes current.
void preparePrinting();

// The process-wide offset settings from PP_CONFIG.
void loadGlobalSettings(Database &db);

struct LoadedTemplate {
  std::unique_ptr<TEditPanels> document;
  QString customData;  // the template settings document; empty for a document file
};

// By InnerID from the database. Throws std::runtime_error with a message for the user.
LoadedTemplate loadTemplateFromDatabase(Database &db, const QString &innerId);
// From a template document file (code page 936 or UTF-8 text).
LoadedTemplate loadTemplateFromFile(const QString &path);

// Puts a value given as text into a field; false when the text is not a value of the field.
using FieldSetter = std::function<bool(const QString &value)>;

// The fields that take values, by their binding's help text, their component name or their identity:
// text fields take any text, money fields a decimal amount, date fields a date written yyyy-MM-dd.
class FieldValues {
 public:
  explicit FieldValues(TEditPanels &document);
  // An empty function when no field answers to the key.
  FieldSetter find(const QString &key) const;

 private:
  QHash<QString, FieldSetter> byHelpText_;
  QHash<QString, FieldSetter> byName_;
};

// The template as PrintOneCopy sees it; the fields' print data objects in panel order.
PrintTemplate printTemplateOf(TEditPanels &document, const QString &customData);

PrintEnvironment commandEnvironment();

}  // namespace op::cli
