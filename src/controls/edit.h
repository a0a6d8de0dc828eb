#pragma once

#include <QPointer>

#include "document/designed.h"
#include "document/field.h"
#include "document/links.h"

namespace op {

// Text edit model: the field the user fills in. It can be restricted to numbers, forced to one letter case,
// limited in length, bound to a dictionary or data column, follow another edit and wrap when printed.
class TPCostomEdit : public QelElementField {
  Q_OBJECT
  Q_PROPERTY(QString Text READ text WRITE setText NOTIFY textChanged)
  Q_PROPERTY(bool TryNum READ tryNum WRITE setTryNum)

 public:
  enum class DisplayFormat { None, Integer, Currency, Float };
  enum class CharCase { Normal, Upper, Lower };

  explicit TPCostomEdit(QObject *owner = nullptr);
  ~TPCostomEdit() override;

  // The shown text; letters follow the letter case. Every change is pushed into the edit's followers.
  QString text() const { return text_; }
  void setText(const QString &text);
  void clearText() override { setText(QString()); }

  // Display name for GetHelpText; the serial-number kinds built on the edit answer their own.
  virtual QString displayName() const;

  DisplayFormat displayFormat() const { return format_; }
  void setDisplayFormat(DisplayFormat format);
  CharCase charCase() const { return charCase_; }
  void setCharCase(CharCase charCase);
  // True when the text may stand in this edit: integers only, or decimal numbers only, by the format.
  bool acceptsText(const QString &text) const;
  // The number shown (0 for text that is not a number) and whether it lies within the enabled bounds.
  double floatValue() const;
  bool withinBounds(double value) const;

  bool readOnly = false;
  int maxLength = 0;  // 0: unlimited (applies to typing)
  bool boMinValue = false;
  bool boMaxValue = false;
  double minValue = 0;
  double maxValue = 0;
  bool autoWrapble = false;
  int lineSapce = 0;
  bool boPrint = true;
  QString expr;

  bool rightShowBtn() const { return rightShowBtn_; }
  void setRightShowBtn(bool visible);
  bool tryNum() const { return tryNum_; }
  void setTryNum(bool on) { tryNum_ = on; }

  // Following another edit (DateLinkId): the source edit, nullptr when there is none or it was deleted.
  TPCostomEdit *link() const { return link_.data(); }
  QString linkId() const;
  void setLinkId(const QString &sourceId);
  LinkSubscriptions &subscriptions() { return subscriptions_; }

  // Data binding state (IQELDataBind).
  int bindType() const { return bindType_; }
  void setBindType(int type);
  QString bindName, bindTable, bindHelpText, bindValue;

  // Print lines of the text measured with the on-screen font and the edit's width.
  QStringList printLines() const;

 signals:
  void textChanged(const QString &text);
  // The selection button was asked for by the user (the widget emits it through requestPick()).
  void pickRequested(TPCostomEdit *edit);

 public:
  void requestPick() { emit pickRequested(this); }

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  void pushToFollowers();

  QString text_;
  DisplayFormat format_ = DisplayFormat::None;
  CharCase charCase_ = CharCase::Normal;
  bool rightShowBtn_ = false;
  bool tryNum_ = false;
  QPointer<TPCostomEdit> link_;
  QString sourceId_;
  LinkSubscriptions subscriptions_;
  int bindType_ = -1;
};

// The registered class of the text edit.
class TQELEdit : public TPCostomEdit {
  Q_OBJECT

 public:
  using TPCostomEdit::TPCostomEdit;
};

// Property object of the text edit.
class TPEditDesigned : public TQelFontDesigned,
                       public TQelDbStoreDesigned,
                       public IQELExprFloatValue,
                       public IQELRunData,
                       public IQELEvent,
                       public IQELDataBind {
 public:
  enum EditLink { CLNone, CLOne };

  explicit TPEditDesigned(TPCostomEdit &edit);

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return edit_.displayName(); }

  QString Expr() const { return edit_.expr; }
  void SetExpr(const QString &expr) { edit_.expr = expr; }
  EditLink QELEditLink() const { return edit_.link() ? CLOne : CLNone; }
  void SetQELEditLink(EditLink) {}
  QString DateLinkId() const { return edit_.linkId(); }
  void SetDateLinkId(const QString &id) { edit_.setLinkId(id); }
  int MaxCharLen() const { return edit_.maxLength; }
  void SetMaxCharLen(int length) { edit_.maxLength = length; }
  bool BoOnlyNum() const;
  void SetBoOnlyNum(bool on);
  bool BoOnlyFloat() const;
  void SetBoOnlyFloat(bool on);
  bool BoMinValue() const { return edit_.boMinValue; }
  void SetBoMinValue(bool on) { edit_.boMinValue = on; }
  double MinValue() const { return edit_.minValue; }
  void SetMinValue(double value) { edit_.minValue = value; }
  bool BoMaxValue() const { return edit_.boMaxValue; }
  void SetBoMaxValue(bool on) { edit_.boMaxValue = on; }
  double MaxValue() const { return edit_.maxValue; }
  void SetMaxValue(double value) { edit_.maxValue = value; }
  bool ShowRightBtn() const { return edit_.rightShowBtn(); }
  void SetShowRightBtn(bool on) { edit_.setRightShowBtn(on); }
  bool AutoWrapble() const { return edit_.autoWrapble; }
  void SetAutoWrapble(bool on) { edit_.autoWrapble = on; }
  int LineSapce() const { return edit_.lineSapce; }
  void SetLineSapce(int space) { edit_.lineSapce = space; }
  bool ReadOnly() const { return edit_.readOnly; }
  void SetReadOnly(bool on) { edit_.readOnly = on; }
  bool TryNum() const { return edit_.tryNum(); }
  void SetTryNum(bool on) { edit_.setTryNum(on); }
  bool BoPrint() const { return edit_.boPrint; }
  void SetBoPrint(bool on) { edit_.boPrint = on; }
  bool BoUpperCase() const { return edit_.charCase() == TPCostomEdit::CharCase::Upper; }
  void SetBoUpperCase(bool on);
  bool BoLowerCase() const { return edit_.charCase() == TPCostomEdit::CharCase::Lower; }
  void SetBoLowerCase(bool on);

  // IQELExprFloatValue
  double GetFloatValue() const override { return edit_.floatValue(); }
  void SetFloatValue(double value) override;
  bool IsNumeric() const override { return BoOnlyNum() || BoOnlyFloat(); }
  // IQELRunData
  void SetRunValue(const QString &value) override { edit_.setText(value); }
  // IQELEvent
  void AddEvent(const QString &strId) override { edit_.subscriptions().add(strId); }
  void DelEvent(const QString &strId) override { edit_.subscriptions().remove(strId); }
  // IQELDataBind
  int GetBindType() const override { return edit_.bindType(); }
  void SetBindType(int type) override { edit_.setBindType(type); }
  QString GetBindName() const override { return edit_.bindName; }
  void SetBindName(const QString &name) override;
  QString GetBindTable() const override { return edit_.bindTable; }
  void SetBindTable(const QString &table) override { edit_.bindTable = table; }
  QString GetKindCaption() const override { return QStringLiteral("文字编辑框"); }
  void SetBindHelpText(const QString &text) override { edit_.bindHelpText = text; }
  QString GetBindHelpText() const override { return edit_.bindHelpText; }
  QString GetBindValue() const override { return edit_.bindValue; }
  void SetBindValue(const QString &value) override;

 private:
  TPCostomEdit &edit_;
};

// Print data of the text edit: the whole text, or one item per print line when it wraps.
class TPEditPrintData : public TQelBasePrint {
 public:
  explicit TPEditPrintData(TPCostomEdit &edit) : TQelBasePrint(edit), edit_(edit) {}
  int GetPrintDataCount() override;
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomEdit &edit_;
};

// Registers TQELEdit in the class-name registry.
void registerEditClass();

}  // namespace op
