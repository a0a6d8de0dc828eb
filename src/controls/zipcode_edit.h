#pragma once

#include <QRect>
#include <QStringList>

#include "document/designed.h"
#include "document/field.h"

namespace op {

// Boxed code edit: a row of single-character boxes (six for a postal code) and a "..." button at the right
// that lets the fill-in panel offer stored codes. Each box takes one character and prints into its own box.
class TPCustomZipCodeEdit : public QelElementField {
  Q_OBJECT
  Q_PROPERTY(QString ZipCodeStr READ zipCodeStr WRITE setZipCodeStr)
  Q_PROPERTY(int ZipCodeEditWidth READ zipCodeEditWidth WRITE setZipCodeEditWidth)

 public:
  static constexpr int kButtonSize = 20;
  static constexpr int kBoxWidth = 12;
  static constexpr int kBoxHeight = 18;
  static constexpr int kPostalBoxes = 6;

  explicit TPCustomZipCodeEdit(QObject *owner = nullptr) : TPCustomZipCodeEdit(owner, kPostalBoxes) {}

  int boxCount() const { return int(boxes_.size()); }
  QString boxText(int box) const { return boxes_.value(box); }
  // The boxes' characters in order; empty boxes contribute nothing.
  QString value() const { return boxes_.join(QString()); }

  // Whether box `box` of an edit with `boxCount` boxes takes `c`: digits everywhere, and X or x in the
  // eighteenth box of an ID-card edit.
  static bool boxAccepts(int box, int boxCount, QChar c);
  // Types `c` into `box`, replacing its character, and answers the box that has the focus afterwards (the next
  // one, the last box keeping it); -1 when the box refuses the character.
  int typeChar(int box, QChar c);
  // Backspace or Delete in a box.
  void eraseBox(int box);

  // The text last set from outside; setting it spreads its characters over the boxes (cut to the boxes).
  QString zipCodeStr() const { return zipCodeStr_; }
  void setZipCodeStr(const QString &text);
  void clearText() override { setZipCodeStr(QString()); }

  int zipCodeEditWidth() const { return zipCodeEditWidth_; }
  void setZipCodeEditWidth(int width) { zipCodeEditWidth_ = width; }

  // Layout within the field (design pixels): the button and every box at the field's current size.
  QRect buttonRect() const;
  QRect boxRect(int box) const;

  // Hint of the "..." button.
  virtual QString buttonHint() const { return QStringLiteral("选择邮政编码"); }
  // Display name of the kind: postal code for the postal class, ID card for every class built on it.
  QString displayName() const;

  // Binding state (IQELDataBind); the bind type starts at 0.
  int bindType = 0;
  QString bindName, bindTable, bindHelpText, bindValue;

  // The "..." button was pressed (the widget calls it); the fill-in panel offers stored codes.
  void requestPick() { emit buttonClicked(this); }

 signals:
  void buttonClicked(TPCustomZipCodeEdit *edit);

 protected:
  TPCustomZipCodeEdit(QObject *owner, int boxCount);
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  QStringList boxes_;
  QString zipCodeStr_;
  int zipCodeEditWidth_ = 16;
};

// The registered postal code edit.
class TQELZipCodeEdit : public TPCustomZipCodeEdit {
  Q_OBJECT

 public:
  using TPCustomZipCodeEdit::TPCustomZipCodeEdit;
};

// Property object of the boxed code edits (postal code and ID card).
class TPZipCodeEditDesigned : public TQelFontDesigned, public TQelDbStoreDesigned, public IQELDataBind {
 public:
  explicit TPZipCodeEditDesigned(TPCustomZipCodeEdit &edit);

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return edit_.displayName(); }

  int GetBindType() const override { return edit_.bindType; }
  void SetBindType(int type) override { edit_.bindType = type; }
  QString GetBindName() const override { return edit_.bindName; }
  void SetBindName(const QString &name) override;
  QString GetBindTable() const override { return edit_.bindTable; }
  void SetBindTable(const QString &table) override { edit_.bindTable = table; }
  QString GetKindCaption() const override { return {}; }
  void SetBindHelpText(const QString &text) override { edit_.bindHelpText = text; }
  QString GetBindHelpText() const override { return edit_.bindHelpText; }
  QString GetBindValue() const override { return edit_.bindValue; }
  void SetBindValue(const QString &value) override;

 private:
  TPCustomZipCodeEdit &edit_;
};

// Print data of the boxed code edits: one text item per box, each starting at its box.
class TPZipCodeEditPrintData : public TQelBasePrint {
 public:
  explicit TPZipCodeEditPrintData(TPCustomZipCodeEdit &edit) : TQelBasePrint(edit), edit_(edit) {}
  int GetPrintDataCount() override { return edit_.boxCount(); }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCustomZipCodeEdit &edit_;
};

// Registers TQELZipCodeEdit in the class-name registry.
void registerZipCodeClass();

}  // namespace op
