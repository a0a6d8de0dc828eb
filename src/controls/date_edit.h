#pragma once

#include <QDate>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include <array>

#include "controls/date_edit_texts.h"
#include "document/designed.h"
#include "document/field.h"
#include "document/links.h"

namespace op {

// Date edit model: three choice-only lists (year, month, day) laid out side by side on a panel, each printed
// at its own place. It shows today when created, and can follow another date edit.
class TPCustomDateEdit : public QelElementField {
  Q_OBJECT
  Q_PROPERTY(QDate Date READ date WRITE setDate)

 public:
  enum Part { Year = 0, Month = 1, Day = 2 };

  // One of the three lists: item texts with their numbers, the selection and its place on the panel.
  struct DateList {
    QStringList texts;
    QList<int> numbers;
    int selected = -1;
    int position = 0;  // left edge, percent of the usable width
    int offset = 0;    // extra pixels to the right
    QRect rect;        // on the panel
    QString hint;
    QString selectedText() const { return selected >= 0 && selected < texts.size() ? texts.at(selected) : QString(); }
  };

  explicit TPCustomDateEdit(QObject *owner = nullptr);
  ~TPCustomDateEdit() override;

  DateStyle dateStyle() const { return style_; }
  // Rebuilds the lists; with BoNow they show today again, else they stay empty until a date is set.
  void setDateStyle(DateStyle style);

  // The date of the three selected items; 1 January 1900 when that is no date (nothing selected).
  QDate date() const;
  // Selects the date in each list (a list without that number keeps its selection) and pushes it on.
  void setDate(const QDate &date);
  void setToday() { setDate(today()); }

  const DateList &list(int part) const { return lists_.at(qBound(0, part, 2)); }
  // The user chose item `index` of list `part`. An impossible date is refused with a message and the list
  // goes back to its previous item, so the lists always show the date that prints.
  bool chooseItem(int part, int index);

  QString markText(int part) const { return dateMarkText(style_, part); }
  QRect markRect(int part) const;
  QRect nowButtonRect() const;
  int listHeight() const { return listHeight_; }

  int offset(int part) const { return list(part).offset; }
  void setOffset(int part, int pixels);

  bool boNow = true;
  bool showNowBtn() const { return showNowBtn_; }
  void setShowNowBtn(bool on);
  bool showDateTimeLabel() const { return showDateTimeLabel_; }
  void setShowDateTimeLabel(bool on);
  std::array<bool, 3> boPrint{true, true, true};  // year, month, day
  bool dbSaveAsDate = false;

  // Following another date edit (DateLinkId).
  TPCustomDateEdit *link() const { return link_.data(); }
  QString linkId() const;
  void setLinkId(const QString &sourceId);
  LinkSubscriptions &subscriptions() { return subscriptions_; }

  // Today's date; tests may fix it (an invalid date restores the clock).
  static QDate today();
  static void setTodayForTesting(const QDate &date);

 signals:
  void listsRebuilt();  // items changed
  void selectionChanged();
  void layoutChanged();  // rectangles, marks or button changed

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  void buildStyle();
  void relayout();
  void pushToFollowers();
  void selectNumber(int part, int number);

  DateStyle style_ = DateStyle::DSCNNum;
  std::array<DateList, 3> lists_;
  int listHeight_ = 21;
  bool showNowBtn_ = true;
  bool showDateTimeLabel_ = false;
  QPointer<TPCustomDateEdit> link_;
  QString sourceId_;
  LinkSubscriptions subscriptions_;
};

// The registered class of the date edit.
class TQELDateEdit : public TPCustomDateEdit {
  Q_OBJECT

 public:
  using TPCustomDateEdit::TPCustomDateEdit;
};

// Property object of the date edit.
class TPDateEditDesigned : public TQelFontDesigned, public TQelDbStoreDesigned, public IQELEvent {
 public:
  enum DateEditLink { DENone, DEOne };

  explicit TPDateEditDesigned(TPCustomDateEdit &edit);

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return QStringLiteral("日期输入控件"); }

  int OffSetYear() const { return edit_.offset(TPCustomDateEdit::Year); }
  void SetOffSetYear(int pixels) { edit_.setOffset(TPCustomDateEdit::Year, pixels); }
  int OffSetMonth() const { return edit_.offset(TPCustomDateEdit::Month); }
  void SetOffSetMonth(int pixels) { edit_.setOffset(TPCustomDateEdit::Month, pixels); }
  int OffSetDay() const { return edit_.offset(TPCustomDateEdit::Day); }
  void SetOffSetDay(int pixels) { edit_.setOffset(TPCustomDateEdit::Day, pixels); }
  bool BoNow() const { return edit_.boNow; }
  void SetBoNow(bool on);
  bool ShowNowBtn() const { return edit_.showNowBtn(); }
  void SetShowNowBtn(bool on) { edit_.setShowNowBtn(on); }
  bool BoPrintYear() const { return edit_.boPrint[0]; }
  void SetBoPrintYear(bool on) { edit_.boPrint[0] = on; }
  bool BoPrintMonth() const { return edit_.boPrint[1]; }
  void SetBoPrintMonth(bool on) { edit_.boPrint[1] = on; }
  bool BoPrintDay() const { return edit_.boPrint[2]; }
  void SetBoPrintDay(bool on) { edit_.boPrint[2] = on; }
  DateStyle QELDateStyle() const { return edit_.dateStyle(); }
  void SetQELDateStyle(DateStyle style) { edit_.setDateStyle(style); }
  DateEditLink QELDateEditLink() const { return edit_.link() ? DEOne : DENone; }
  void SetQELDateEditLink(DateEditLink) {}
  QString DateLinkId() const { return edit_.linkId(); }
  void SetDateLinkId(const QString &id) { edit_.setLinkId(id); }
  bool DbSaveAsDate() const { return edit_.dbSaveAsDate; }
  void SetDbSaveAsDate(bool on) { edit_.dbSaveAsDate = on; }

  // IQELEvent
  void AddEvent(const QString &strId) override { edit_.subscriptions().add(strId); }
  void DelEvent(const QString &strId) override { edit_.subscriptions().remove(strId); }

 private:
  TPCustomDateEdit &edit_;
};

// Print data of the date edit: item 0 the year, 1 the month, 2 the day, each at its list's place.
class TPDateEditPrintData : public TQelBasePrint {
 public:
  explicit TPDateEditPrintData(TPCustomDateEdit &edit) : TQelBasePrint(edit), edit_(edit) {}
  int GetPrintDataCount() override { return 3; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCustomDateEdit &edit_;
};

// Registers TQELDateEdit in the class-name registry.
void registerDateEditClass();

}  // namespace op
