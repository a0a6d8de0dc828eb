#pragma once

#include <QString>

namespace op {

// The settings of the open template that the fill-in panel reads from its custom data: the document's own
// (paper size and print offsets) and those the main window keeps (rows-by-columns layout, expressions).
struct FillInDocumentSettings {
  int realWidth = 1;       // REALWIDTH, millimetres
  int realHeight = 1;      // REALHEIGHT, millimetres
  int printLeft = 0;       // PRINTLEFT, negative = left
  int printTop = 0;        // PRINTTOP, negative = up
  int printRealType = -1;  // REALTYPE: 1 millimetres, otherwise pixels
};

struct FillInWindowSettings {
  bool boUserPrintSetting = false;  // BOUSERPRINTSETTING
  int printXCount = 1;              // PRINTXCOUNT
  int printXWidth = 10;             // PRINTXWIDTH
  int printYCount = 1;              // PRINTYCOUNT
  int printYWidth = 10;             // PRINTYWIDTH
  QString exprStr;                  // EXPRSTR, decoded
  bool boExprStr = false;           // BOEXPRSTR, true only for 1
};

// Reads the keys of a custom-data document; a key that is absent or not a number takes its default.
FillInDocumentSettings readDocumentSettings(const QString &customData);
FillInWindowSettings readWindowSettings(const QString &customData);

// The four data-binding keys of a field: "QELDATABIND_" + identity (upper case) + the suffix.
struct FieldBindingSettings {
  int bindType = -1;
  QString bindName, bindTable, bindHelpText;
};
FieldBindingSettings readBindingSettings(const QString &customData, const QString &fieldId);

}  // namespace op
