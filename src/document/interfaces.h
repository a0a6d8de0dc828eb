#pragma once

#include <QString>

#include <memory>

class QObject;

// Capabilities of fields and their property and print data objects. A caller asks an object for a
// capability with query<T>(); there is no reference counting: the owners listed with each class free them.
namespace op {

class PrintItem;
class Persistent;

// Asks `object` for capability T; nullptr when it does not offer it (or is null).
template <class T, class U>
T *query(U *object) {
  return object ? dynamic_cast<T *>(object) : nullptr;
}

class IQELDesign;
class IQELPrintData;

// Offered by every field that is written to template documents.
class IQELElment {
 public:
  virtual ~IQELElment() = default;
  virtual IQELDesign *GetDesign() = 0;        // the property object, created on first use
  virtual IQELPrintData *GetPrintData() = 0;  // the print data object, created on first use
  virtual QString GetID() const = 0;          // field identity (ControlId)
  virtual QString GetInstanceID() const = 0;  // per-object identity, never persisted
  virtual QObject *GetObj() = 0;              // the field object itself
  virtual void QELRefresh() = 0;              // re-read the shown value and repaint
};

// Property object of a field.
class IQELDesign {
 public:
  virtual ~IQELDesign() = default;
  virtual Persistent *GetPersistent() = 0;
  virtual int GetTextStyle() const = 0;
  virtual QString GetName() const = 0;
  virtual QString GetHelpText() const = 0;  // display name plus the component name's ordinal suffix
  virtual void SetName(const QString &name) = 0;
  // The object to ask for further capabilities, or nullptr for kinds that answer none.
  virtual IQELDesign *GetDesignObject() = 0;
};

class IQELTextDesign : public virtual IQELDesign {
 public:
  virtual bool HasText() const { return true; }
  virtual void SetTextStyle(int style) = 0;
  virtual QString GetFontName() const = 0;
  virtual void SetFontName(const QString &name) = 0;
  virtual int GetFontSize() const = 0;
  virtual void SetFontSize(int size) = 0;
  virtual bool GetFontBold() const = 0;
  virtual void SetFontBold(bool on) = 0;
  virtual bool GetFontItalic() const = 0;
  virtual void SetFontItalic(bool on) = 0;
  virtual bool GetFontUnderLine() const = 0;
  virtual void SetFontUnderLine(bool on) = 0;
  virtual bool GetFontStrikeOut() const = 0;
  virtual void SetFontStrikeOut(bool on) = 0;
  virtual int GetFontColor() const = 0;
  virtual void SetFontColor(int color) = 0;
};

class IQELFontDesign {
 public:
  virtual ~IQELFontDesign() = default;
  virtual int HasFontExt() const { return 1; }
  virtual int GetFontExtStyle() const = 0;  // rotation in tenths of a degree
  virtual void SetFontExtStyle(int angle) = 0;
};

// Print data object: turns the field's current value into print items. Items belong to the caller.
class IQELPrintData {
 public:
  virtual ~IQELPrintData() = default;
  virtual int GetPrintDataCount() = 0;
  virtual std::unique_ptr<PrintItem> GetPrinteData(int idx) = 0;
};

class IQELDataBind {
 public:
  virtual ~IQELDataBind() = default;
  virtual int GetBindType() const = 0;
  virtual void SetBindType(int type) = 0;
  virtual QString GetBindName() const = 0;
  virtual void SetBindName(const QString &name) = 0;
  virtual QString GetBindTable() const = 0;
  virtual void SetBindTable(const QString &table) = 0;
  virtual QString GetKindCaption() const = 0;
  virtual void SetBindHelpText(const QString &text) = 0;
  virtual QString GetBindHelpText() const = 0;
  virtual QString GetBindValue() const = 0;
  virtual void SetBindValue(const QString &value) = 0;
};

// Role number of a waybill field (DbStoreFlag): -1 or 0 none, 1 to 14 a part of the waybill.
class IQELDBStore {
 public:
  virtual ~IQELDBStore() = default;
  virtual int GetDbStoreFlag() const = 0;
  virtual void SetDbStoreFlag(int flag) = 0;
};

class IQELRunData {
 public:
  virtual ~IQELRunData() = default;
  virtual void SetRunValue(const QString &value) = 0;
};

// Link subscriptions: fields that follow this field's value.
class IQELEvent {
 public:
  virtual ~IQELEvent() = default;
  virtual void AddEvent(const QString &strId) = 0;  // no duplicates
  virtual void DelEvent(const QString &strId) = 0;  // removes the last subscription with that identity
};

class IQELExprFloatValue {
 public:
  virtual ~IQELExprFloatValue() = default;
  virtual double GetFloatValue() const = 0;
  virtual void SetFloatValue(double value) = 0;
  virtual bool IsNumeric() const = 0;
};

}  // namespace op
