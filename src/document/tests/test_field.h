#pragma once

// A small field kind for the framework tests: one property of every kind, a shown text that pushes to
// its followers, and a link property that subscribes to a source.

#include "document/class_registry.h"
#include "document/designed.h"
#include "document/field.h"
#include "document/links.h"
#include "document/printitem.h"

namespace test {

class TTestField : public op::QelElementField {
 public:
  explicit TTestField(QObject *owner = nullptr) : QelElementField(owner) {}
  QString className() const override { return QStringLiteral("TTestField"); }

  QString text() const { return text_; }
  void setText(const QString &text) {
    text_ = text;
    op::pushToSubscribers(*this, followers.ids(), [&](op::QelField &f) {
      if (auto *t = dynamic_cast<TTestField *>(&f)) t->setText(text_ + QLatin1Char('+'));
    });
  }
  void clearText() override { text_.clear(); }

  bool flag = false;
  int count = 0;
  double ratio = 0;
  QString sourceId;
  op::LinkSubscriptions followers;

 protected:
  std::unique_ptr<op::TQelBaseDesigned> createDesign() override;
  std::unique_ptr<op::TQelBasePrint> createPrintData() override;

 private:
  QString text_;
};

class TTestDesigned : public op::TQelFontDesigned, public op::TQelDbStoreDesigned, public op::IQELEvent {
 public:
  explicit TTestDesigned(TTestField &field) : TQelFontDesigned(field), TQelDbStoreDesigned(field), field_(field) {}

  QString displayName() const override { return QStringLiteral("测试控件"); }

  QString Caption() const { return field_.text(); }
  void SetCaption(const QString &text) { field_.setText(text); }
  bool Flag() const { return field_.flag; }
  void SetFlag(bool on) { field_.flag = on; }
  int Count() const { return field_.count; }
  void SetCount(int n) { field_.count = n; }
  double Ratio() const { return field_.ratio; }
  void SetRatio(double r) { field_.ratio = r; }
  QString LinkId() const { return field_.sourceId; }
  void SetLinkId(const QString &id) {
    op::unsubscribeFrom(field_, field_.sourceId);
    field_.sourceId = id;
    op::subscribeTo(field_, id);
  }
  // A setter that refuses negative values.
  bool SetPositiveCount(int n) {
    if (n < 0) return false;
    field_.count = n;
    return true;
  }

  void AddEvent(const QString &id) override { field_.followers.add(id); }
  void DelEvent(const QString &id) override { field_.followers.remove(id); }

  const op::PropertyTable &publishedProperties() const override {
    using T = TTestDesigned;
    static const op::PropertyTable table = op::PropertyTableBuilder<T>()
                                               .integer("TextStyle", &T::TextStyle, &T::SetTextStyleValue)
                                               .text("FontName", &T::GetFontName, &T::SetFontName)
                                               .integer("FontSize", &T::GetFontSize, &T::SetFontSize)
                                               .boolean("FontBold", &T::GetFontBold, &T::SetFontBold)
                                               .integer("Left", &T::Left, &T::SetLeft)
                                               .integer("Top", &T::Top, &T::SetTop)
                                               .integer("Width", &T::Width, &T::SetWidth)
                                               .integer("Height", &T::Height, &T::SetHeight)
                                               .text("ControlName", &T::ControlName, &T::SetControlName)
                                               .text("ControlId", &T::ControlId, &T::SetControlId)
                                               .text("Caption", &T::Caption, &T::SetCaption)
                                               .boolean("Flag", &T::Flag, &T::SetFlag)
                                               .integer("Count", &T::Count, &T::SetPositiveCount)
                                               .floating("Ratio", &T::Ratio, &T::SetRatio)
                                               .text("LinkId", &T::LinkId, &T::SetLinkId)
                                               .object("Font")
                                               .integer("DbStoreFlag", &T::GetDbStoreFlag, &T::SetDbStoreFlag)
                                               .build();
    return table;
  }

 private:
  TTestField &field_;
};

class TTestPrint : public op::TQelBasePrint {
 public:
  using TQelBasePrint::TQelBasePrint;
  int GetPrintDataCount() override { return 0; }
  std::unique_ptr<op::PrintItem> GetPrinteData(int) override { return nullptr; }
};

inline std::unique_ptr<op::TQelBaseDesigned> TTestField::createDesign() {
  return std::make_unique<TTestDesigned>(*this);
}
inline std::unique_ptr<op::TQelBasePrint> TTestField::createPrintData() {
  return std::make_unique<TTestPrint>(*this);
}

// A registered kind without the element interface (like the memo).
class TPlainField : public op::QelField {
 public:
  explicit TPlainField(QObject *owner = nullptr) : QelField(owner, Registration::Unregistered) {}
  QString className() const override { return QStringLiteral("TPlainField"); }
};

inline void registerTestKinds() {
  op::registerFieldClass<TTestField>(QStringLiteral("TTestField"));
  op::registerFieldClass<TPlainField>(QStringLiteral("TPlainField"));
}

inline TTestDesigned *designOf(op::QelField *field) {
  auto *element = dynamic_cast<op::QelElementField *>(field);
  return element ? dynamic_cast<TTestDesigned *>(element->designObject()) : nullptr;
}

}  // namespace test
