#pragma once

#include <QHash>
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

// The fields that take values, by their binding's help text, their component name or their identity.
class FieldValues {
 public:
  explicit FieldValues(TEditPanels &document);
  IQELRunData *find(const QString &key) const;

 private:
  QHash<QString, IQELRunData *> byHelpText_;
  QHash<QString, IQELRunData *> byName_;
};

// The template as PrintOneCopy sees it; the fields' print data objects in panel order.
PrintTemplate printTemplateOf(TEditPanels &document, const QString &customData);

PrintEnvironment commandEnvironment();

}  // namespace op::cli
