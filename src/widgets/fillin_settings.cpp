#include "widgets/fillin_settings.h"

#include "core/base64.h"
#include "document/settings_document.h"

namespace op {

namespace {

int intValue(const QString &customData, const QString &key, int fallback) {
  bool ok = false;
  const int value = settingsdoc::getValue(customData, key).trimmed().toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

FillInDocumentSettings readDocumentSettings(const QString &customData) {
  FillInDocumentSettings s;
  s.realWidth = intValue(customData, QStringLiteral("REALWIDTH"), 1);
  s.realHeight = intValue(customData, QStringLiteral("REALHEIGHT"), 1);
  s.printLeft = intValue(customData, QStringLiteral("PRINTLEFT"), 0);
  s.printTop = intValue(customData, QStringLiteral("PRINTTOP"), 0);
  s.printRealType = intValue(customData, QStringLiteral("REALTYPE"), -1);
  return s;
}

FillInWindowSettings readWindowSettings(const QString &customData) {
  FillInWindowSettings s;
  s.boUserPrintSetting = intValue(customData, QStringLiteral("BOUSERPRINTSETTING"), 0) == 1;
  s.printXCount = intValue(customData, QStringLiteral("PRINTXCOUNT"), 1);
  s.printXWidth = intValue(customData, QStringLiteral("PRINTXWIDTH"), 10);
  s.printYCount = intValue(customData, QStringLiteral("PRINTYCOUNT"), 1);
  s.printYWidth = intValue(customData, QStringLiteral("PRINTYWIDTH"), 10);
  const QString stored = settingsdoc::getValue(customData, QStringLiteral("EXPRSTR"));
  s.exprStr = stored.isEmpty() ? QString() : documentFromStorageText(stored);
  s.boExprStr = intValue(customData, QStringLiteral("BOEXPRSTR"), -1) == 1;
  return s;
}

FieldBindingSettings readBindingSettings(const QString &customData, const QString &fieldId) {
  const QString prefix = QStringLiteral("QELDATABIND_") + fieldId.toUpper();
  FieldBindingSettings s;
  s.bindType = intValue(customData, prefix + QStringLiteral("DATABINDTYPE"), -1);
  s.bindName = settingsdoc::getValue(customData, prefix + QStringLiteral("DATABINDNAME"));
  s.bindTable = settingsdoc::getValue(customData, prefix + QStringLiteral("DATABINDTABLE"));
  s.bindHelpText = settingsdoc::getValue(customData, prefix + QStringLiteral("DATABINDHELPNAME"));
  return s;
}

}  // namespace op
