#pragma once

#include "document/interfaces.h"
#include "document/properties.h"

namespace op {

class QelField;

// Base of every design-time property object: holds a plain back-reference to its field and forwards the
// persisted properties to it. Its published property table is exactly what the template document stores.
class TQelBaseDesigned : public Persistent, public virtual IQELDesign {
 public:
  explicit TQelBaseDesigned(QelField &owner) : owner_(owner) {}

  QelField &owner() const { return owner_; }

  Persistent *GetPersistent() override { return this; }
  int GetTextStyle() const override;
  QString GetName() const override { return {}; }
  QString GetHelpText() const override;
  void SetName(const QString &) override {}
  IQELDesign *GetDesignObject() override { return this; }

  // The kind's display name ("文字标签控件" …).
  virtual QString displayName() const = 0;

  // Forwarders for the common persisted properties, used by the kinds' property tables.
  int Left() const;
  void SetLeft(int value);
  int Top() const;
  void SetTop(int value);
  int Width() const;
  void SetWidth(int value);
  int Height() const;
  void SetHeight(int value);
  QString ControlName() const;
  bool SetControlName(const QString &name);
  QString ControlId() const;
  bool SetControlId(const QString &id);
  int TextStyle() const;
  void SetTextStyleValue(int style);

 private:
  QelField &owner_;
};

// Property object of a kind with a font (text and rotation): forwards the font group to the field.
class TQelFontDesigned : public TQelBaseDesigned, public IQELTextDesign, public IQELFontDesign {
 public:
  using TQelBaseDesigned::TQelBaseDesigned;

  void SetTextStyle(int style) override;
  QString GetFontName() const override;
  void SetFontName(const QString &name) override;
  int GetFontSize() const override;
  void SetFontSize(int size) override;
  bool GetFontBold() const override;
  void SetFontBold(bool on) override;
  bool GetFontItalic() const override;
  void SetFontItalic(bool on) override;
  bool GetFontUnderLine() const override;
  void SetFontUnderLine(bool on) override;
  bool GetFontStrikeOut() const override;
  void SetFontStrikeOut(bool on) override;
  int GetFontColor() const override;
  void SetFontColor(int color) override;
  int GetFontExtStyle() const override;
  void SetFontExtStyle(int angle) override;
};

// Role number forwarder for kinds that carry DbStoreFlag.
class TQelDbStoreDesigned : public IQELDBStore {
 public:
  explicit TQelDbStoreDesigned(QelField &field) : field_(field) {}
  int GetDbStoreFlag() const override;
  void SetDbStoreFlag(int flag) override;

 private:
  QelField &field_;
};

// Base of every print data object: a plain back-reference to its field.
class TQelBasePrint : public IQELPrintData {
 public:
  explicit TQelBasePrint(QelField &owner) : owner_(owner) {}
  QelField &owner() const { return owner_; }

 private:
  QelField &owner_;
};

// GetHelpText of a field: display name plus the component name after the class name's length
// (a default name "QELLabel1" of class "TQELLabel" gives the counter "1").
QString helpTextOf(const QString &displayName, const QString &className, const QString &componentName);

}  // namespace op
