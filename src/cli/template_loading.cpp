#include "cli/template_loading.h"

#include <QFile>

#include <stdexcept>

#include "barcode/barcode_print.h"
#include "cli/command.h"
#include "controls/date_edit.h"
#include "controls/field_kinds.h"
#include "core/base64.h"
#include "core/codepage936.h"
#include "core/currency.h"
#include "core/globalsettings.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/edit_panels.h"
#include "document/field.h"
#include "document/interfaces.h"
#include "printing/print_template.h"
#include "storage/database.h"

namespace op::cli {
namespace {

QString readBlob(Database &db, const QString &sql, const QString &id, const QString &column) {
  auto query = db.NewStatement(sql);
  query->bind("InnerID", id);
  query->open();
  return query->next() ? query->text(column) : QString();
}

std::unique_ptr<TEditPanels> readOrThrow(const QString &text, const QString &what) {
  auto document = readDocument(text);
  if (!document) throw std::runtime_error(("模板数据为空: " + what).toStdString());
  return document;
}

}  // namespace

void preparePrinting() {
  registerFieldKinds();
  InstallBarcodeDrawer();
  setDesignMode(false);
}

void loadGlobalSettings(Database &db) {
  GlobalSettings &settings = GlobalSettings::instance();
  auto query = db.NewStatement("select CONFIGID, CONFIG_IVALUE from PP_CONFIG");
  query->open();
  while (query->next()) {
    const int value = query->toInt("CONFIG_IVALUE");
    switch (query->toInt("CONFIGID")) {
      case 1:
        settings.setUseGlobalOffset(value != 0);
        break;
      case 2:
        settings.setGlobalOffsetX(value);
        break;
      case 3:
        settings.setGlobalOffsetY(value);
        break;
      case 6:
        settings.setGlobalOffsetUnit(value);
        break;
      default:
        break;
    }
  }
}

LoadedTemplate loadTemplateFromDatabase(Database &db, const QString &innerId) {
  const QString stored = readBlob(db, "select RPData from PP_Items where InnerID = :InnerID", innerId, "RPData");
  if (stored.trimmed().isEmpty()) throw std::runtime_error(("未找到模板: " + innerId).toStdString());
  LoadedTemplate loaded;
  loaded.customData = documentFromStorageText(
      readBlob(db, "select CustomData from PP_CustomData where InnerID = :InnerID", innerId, "CustomData"));
  loaded.document = readOrThrow(documentFromStorageText(stored), innerId);
  return loaded;
}

LoadedTemplate loadTemplateFromFile(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(("无法读取模板文件: " + path + " (" + file.errorString() + ")").toStdString());
  const QByteArray bytes = file.readAll();
  // Documents declare code page 936; a file saved as UTF-8 is taken as such.
  QString text = QString::fromUtf8(bytes);
  if (text.contains(QChar::ReplacementCharacter)) text = cp936::decode(bytes);
  LoadedTemplate loaded;
  loaded.document = readOrThrow(text, path);
  return loaded;
}

namespace {

FieldSetter setterOf(QelField &field, IQELDesign *design) {
  if (auto *date = qobject_cast<TPCustomDateEdit *>(&field)) {
    return [date](const QString &value) {
      const QDate day = QDate::fromString(value.trimmed(), Qt::ISODate);
      if (!day.isValid()) return false;
      date->setDate(day);
      return true;
    };
  }
  if (auto *runData = query<IQELRunData>(design)) {
    return [runData](const QString &value) {
      runData->SetRunValue(value);
      return true;
    };
  }
  if (auto *number = query<IQELExprFloatValue>(design)) {
    return [number](const QString &value) {
      const std::optional<Currency> amount = parseCurrency(value.trimmed());
      if (!amount) return false;
      number->SetFloatValue(double(*amount) / kCurrencyScale);
      return true;
    };
  }
  return {};
}

}  // namespace

FieldValues::FieldValues(TEditPanels &document) {
  for (QObject *child : document.children()) {
    auto *element = dynamic_cast<IQELElment *>(child);
    auto *field = qobject_cast<QelField *>(child);
    if (!element || !field) continue;
    IQELDesign *design = element->GetDesign();
    FieldSetter setter = setterOf(*field, design);
    if (!setter) continue;
    if (auto *bind = query<IQELDataBind>(design); bind && !bind->GetBindHelpText().trimmed().isEmpty())
      byHelpText_.insert(bind->GetBindHelpText().trimmed().toLower(), setter);
    byName_.insert(field->name().trimmed().toLower(), setter);
    byName_.insert(field->GetID().trimmed().toLower(), setter);
  }
}

FieldSetter FieldValues::find(const QString &key) const {
  const QString k = key.trimmed().toLower();
  return byHelpText_.value(k, byName_.value(k));
}

PrintTemplate printTemplateOf(TEditPanels &document, const QString &customData) {
  return PrintTemplateOfDocument(document, customData);
}

PrintEnvironment commandEnvironment() {
  PrintEnvironment env;
  const GlobalSettings &global = GlobalSettings::instance();
  env.global = {global.UseGlobalOffset(), global.GlobalOffsetX(), global.GlobalOffsetY(), global.GlobalOffsetUnit()};
  env.windowFont = ItemFont{QStringLiteral("宋体"), 9, false, false, false, false, 0};
  env.showMessage = [](const QString &, const QString &text, bool) { printError(text); };
  env.appendNotice = [](const QString &) {};
  return env;
}

}  // namespace op::cli
