#include "controls/date_edit.h"

#include <QFont>
#include <QFontMetrics>

#include "core/messagesink.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/field_print.h"
#include "document/printitem.h"

namespace op {

namespace {

QDate &todayOverride() {
  static QDate date;
  return date;
}

constexpr int kMarkWidth = 20;
constexpr int kButtonSize = 20;
constexpr int kYearCount = 101;

}  // namespace

QDate TPCustomDateEdit::today() {
  return todayOverride().isValid() ? todayOverride() : QDate::currentDate();
}

void TPCustomDateEdit::setTodayForTesting(const QDate &date) {
  todayOverride() = date;
}

TPCustomDateEdit::TPCustomDateEdit(QObject *owner) : QelElementField(owner) {
  setGeometry(QRect(0, 0, 284, 30));
  buildStyle();
  connect(this, &QelField::geometryChanged, this, &TPCustomDateEdit::relayout);
  connect(this, &QelField::fontChanged, this, &TPCustomDateEdit::relayout);
}

// A follower that goes away leaves its source's subscription list.
TPCustomDateEdit::~TPCustomDateEdit() {
  unsubscribeFrom(*this, sourceId_);
}

void TPCustomDateEdit::setDateStyle(DateStyle style) {
  if (style < DateStyle::DSCNNum || style > DateStyle::DSCNSTDChar || style == style_) return;
  style_ = style;
  buildStyle();
}

void TPCustomDateEdit::buildStyle() {
  const int firstYear = qMax(today().year() - 3, 2000);
  for (int part = 0; part < 3; ++part) {
    DateList &list = lists_[part];
    list.texts.clear();
    list.numbers.clear();
    list.selected = -1;
    list.hint.clear();
    list.position = datePartPosition(style_, part);
  }
  for (int year = firstYear; year < firstYear + kYearCount; ++year) {
    lists_[Year].texts << dateYearText(style_, year);
    lists_[Year].numbers << year;
  }
  for (int month = 1; month <= 12; ++month) {
    lists_[Month].texts << dateMonthText(style_, month);
    lists_[Month].numbers << month;
  }
  for (int day = 1; day <= 31; ++day) {
    lists_[Day].texts << dateDayText(style_, day);
    lists_[Day].numbers << day;
  }
  emit listsRebuilt();
  if (boNow) setToday();
  relayout();
  emit selectionChanged();
  emit changed();
}

void TPCustomDateEdit::relayout() {
  const QFont listFont(font().name, screenFontSize());
  const QFontMetrics metrics(listFont);
  const bool chinese = style_ == DateStyle::DSCNChar || style_ == DateStyle::DSCNSTDChar;
  int unit = 0;
  int yearWidth = 0;
  int partWidth = 0;
  if (chinese) {
    unit = metrics.horizontalAdvance(QStringLiteral("年月")) / 2;
    yearWidth = 4 * unit + 25;
    partWidth = 3 * unit + 25;
  } else {
    unit = metrics.horizontalAdvance(QStringLiteral("1234567890")) / 9;
    yearWidth = 4 * unit + 25;
    partWidth = 2 * unit + 25;
  }
  listHeight_ = metrics.height() + 8;
  const int top = qMax(0, height() - listHeight_) - 3;
  for (int part = 0; part < 3; ++part) {
    DateList &list = lists_[part];
    int left = int((width() - 5) / 100.0 * list.position) + list.offset + 1;
    if (part == Year) left += 2;
    list.rect = QRect(left, top, part == Year ? yearWidth : partWidth, listHeight_);
  }
  emit layoutChanged();
  emit changed();
}

QRect TPCustomDateEdit::markRect(int part) const {
  const QRect &rect = list(part).rect;
  return QRect(rect.left() + rect.width(), lists_[Year].rect.top(), kMarkWidth, listHeight_);
}

QRect TPCustomDateEdit::nowButtonRect() const {
  return QRect(width() - 2 - kButtonSize, lists_[Year].rect.top() + 2, kButtonSize, kButtonSize);
}

void TPCustomDateEdit::setOffset(int part, int pixels) {
  lists_[qBound(0, part, 2)].offset = pixels;
  relayout();
}

void TPCustomDateEdit::setShowNowBtn(bool on) {
  showNowBtn_ = on;
  emit layoutChanged();
  emit changed();
}

void TPCustomDateEdit::setShowDateTimeLabel(bool on) {
  showDateTimeLabel_ = on;
  emit layoutChanged();
  emit changed();
}

QDate TPCustomDateEdit::date() const {
  const DateList &year = lists_[Year], &month = lists_[Month], &day = lists_[Day];
  if (year.selected < 0 || month.selected < 0 || day.selected < 0) return QDate(1900, 1, 1);
  const QDate date(year.numbers.at(year.selected), month.numbers.at(month.selected), day.numbers.at(day.selected));
  return date.isValid() ? date : QDate(1900, 1, 1);
}

void TPCustomDateEdit::selectNumber(int part, int number) {
  const qsizetype index = lists_[part].numbers.indexOf(number);
  if (index >= 0) lists_[part].selected = int(index);
}

void TPCustomDateEdit::setDate(const QDate &date) {
  if (!date.isValid()) return;
  selectNumber(Year, date.year());
  selectNumber(Month, date.month());
  selectNumber(Day, date.day());
  emit selectionChanged();
  emit changed();
  pushToFollowers();
}

bool TPCustomDateEdit::chooseItem(int part, int index) {
  if (part < 0 || part > 2) return false;
  DateList &chosen = lists_[part];
  if (index < -1 || index >= chosen.texts.size()) return false;
  const int previous = chosen.selected;
  chosen.selected = index;
  const auto numberOf = [this](int p) {
    const DateList &list = lists_[p];
    return list.selected >= 0 ? list.numbers.at(list.selected) : 1;
  };
  const int year = numberOf(Year);
  const int month = qMax(1, numberOf(Month));
  const int day = qMax(1, numberOf(Day));
  if (!QDate::isValid(year, month, day)) {
    const int days = QDate(year, month, 1).daysInMonth();
    QString message = QStringLiteral("无效的日期");
    if (month >= 1 && month <= 12 && day > days) message += QStringLiteral("\r\n%1月为[%2]天").arg(month).arg(days);
    chosen.selected = previous;
    emit selectionChanged();
    showNotice(message);
    return false;
  }
  static const QString marks[] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
  for (int p = 0; p < 3; ++p) lists_[p].hint = lists_[p].selectedText() + marks[p];
  emit selectionChanged();
  emit changed();
  pushToFollowers();
  return true;
}

void TPCustomDateEdit::pushToFollowers() {
  const QDate shown = date();
  pushToSubscribers(*this, subscriptions_.ids(), [&shown](QelField &follower) {
    if (follower.metaObject()->indexOfProperty("Date") < 0) return;
    follower.setProperty("Date", shown);
    emit follower.changed();
  });
}

QString TPCustomDateEdit::linkId() const {
  return link_ ? link_->GetID() : QString();
}

void TPCustomDateEdit::setLinkId(const QString &sourceId) {
  unsubscribeFrom(*this, sourceId_);
  sourceId_ = sourceId;
  ControlRegistry &live = registry() ? *registry() : currentRegistry();
  link_ = qobject_cast<TPCustomDateEdit *>(live.findById(sourceId));
  if (!link_ || link_ == this || !subscribeTo(*this, sourceId)) {
    link_ = nullptr;
    return;
  }
  setDate(link_->date());
}

std::unique_ptr<TQelBaseDesigned> TPCustomDateEdit::createDesign() {
  return std::make_unique<TPDateEditDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCustomDateEdit::createPrintData() {
  return std::make_unique<TPDateEditPrintData>(*this);
}

TPDateEditDesigned::TPDateEditDesigned(TPCustomDateEdit &edit)
    : TQelFontDesigned(edit), TQelDbStoreDesigned(edit), edit_(edit) {}

void TPDateEditDesigned::SetBoNow(bool on) {
  edit_.boNow = on;
  if (on) edit_.setToday();
}

const PropertyTable &TPDateEditDesigned::publishedProperties() const {
  using T = TPDateEditDesigned;
  static const PropertyTable table =
      PropertyTableBuilder<T>()
          .integer(QStringLiteral("TextStyle"), &T::TextStyle, &T::SetTextStyleValue)
          .text(QStringLiteral("FontName"), &T::GetFontName, &T::SetFontName)
          .integer(QStringLiteral("FontSize"), &T::GetFontSize, &T::SetFontSize)
          .boolean(QStringLiteral("FontBold"), &T::GetFontBold, &T::SetFontBold)
          .boolean(QStringLiteral("FontItalic"), &T::GetFontItalic, &T::SetFontItalic)
          .boolean(QStringLiteral("FontUnderLine"), &T::GetFontUnderLine, &T::SetFontUnderLine)
          .boolean(QStringLiteral("FontStrikeOut"), &T::GetFontStrikeOut, &T::SetFontStrikeOut)
          .integer(QStringLiteral("FontColor"), &T::GetFontColor, &T::SetFontColor)
          .integer(QStringLiteral("ATop"), &T::Top, &T::SetTop)
          .integer(QStringLiteral("ALeft"), &T::Left, &T::SetLeft)
          .integer(QStringLiteral("AHeight"), &T::Height, &T::SetHeight)
          .integer(QStringLiteral("AWidth"), &T::Width, &T::SetWidth)
          .integer(QStringLiteral("FontExtStyle"), &T::GetFontExtStyle, &T::SetFontExtStyle)
          .integer(QStringLiteral("OffSetYear"), &T::OffSetYear, &T::SetOffSetYear)
          .integer(QStringLiteral("OffSetMonth"), &T::OffSetMonth, &T::SetOffSetMonth)
          .integer(QStringLiteral("OffSetDay"), &T::OffSetDay, &T::SetOffSetDay)
          .boolean(QStringLiteral("BoNow"), &T::BoNow, &T::SetBoNow)
          .boolean(QStringLiteral("ShowNowBtn"), &T::ShowNowBtn, &T::SetShowNowBtn)
          .boolean(QStringLiteral("BoPrintYear"), &T::BoPrintYear, &T::SetBoPrintYear)
          .boolean(QStringLiteral("BoPrintMonth"), &T::BoPrintMonth, &T::SetBoPrintMonth)
          .boolean(QStringLiteral("BoPrintDay"), &T::BoPrintDay, &T::SetBoPrintDay)
          .enumeration(QStringLiteral("QELDateStyle"),
                       {QStringLiteral("DSCNNum"), QStringLiteral("DSCNChar"), QStringLiteral("DSENNum"),
                        QStringLiteral("DSENChar"), QStringLiteral("DSCNSTDChar")},
                       &T::QELDateStyle, &T::SetQELDateStyle)
          .enumeration(QStringLiteral("QELDateEditLink"), {QStringLiteral("DENone"), QStringLiteral("DEOne")},
                       &T::QELDateEditLink, &T::SetQELDateEditLink)
          .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
          .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
          .text(QStringLiteral("DateLinkId"), &T::DateLinkId, &T::SetDateLinkId)
          .integer(QStringLiteral("DbStoreFlag"), &T::GetDbStoreFlag, &T::SetDbStoreFlag)
          .boolean(QStringLiteral("DbSaveAsDate"), &T::DbSaveAsDate, &T::SetDbSaveAsDate)
          .build();
  return table;
}

std::unique_ptr<PrintItem> TPDateEditPrintData::GetPrinteData(int idx) {
  if (idx < 0 || idx > 2 || !edit_.boPrint[idx]) return nullptr;
  const TPCustomDateEdit::DateList &list = edit_.list(idx);
  auto item = std::make_unique<PrintItem>();
  const ItemFont font = itemFontOf(edit_);
  FillItemHeader(*item, &font);
  item->PrintType = kPrintText;
  item->HasFontExt = true;
  item->FontExtValue = edit_.fontExtStyle();

  const int left = list.rect.left(), top = list.rect.top(), width = list.rect.width(), height = list.rect.height();
  item->BaseRect =
      ItemRect{edit_.left() + left, edit_.top() + top, edit_.left() + left + width, edit_.top() + top + height};
  const ControlGeometry geometry = controlGeometryOf(edit_);
  const ItemRect r = ControlPrintRect(&geometry, edit_.fontExtStyle());
  const int shownLeft = left < 1 ? 0 : left;
  const int shownTop = top < 1 ? 0 : top;
  switch (edit_.fontExtStyle() / 900) {
    case 1:
      item->PrintRect = ItemRect{r.Left, edit_.width() + r.Top - left - width, r.Right, edit_.width() + r.Top - left};
      break;
    case 2:
      // Half a turn: the parts are mirrored within the turned control, as the page is.
      item->PrintRect =
          ItemRect{r.Right - shownLeft - width, r.Bottom - shownTop - height, r.Right - shownLeft, r.Bottom - shownTop};
      break;
    case 3:
      item->PrintRect = ItemRect{r.Left, r.Top + left, r.Left + left + width, r.Top + left + width};
      break;
    default:
      item->PrintRect =
          ItemRect{r.Left + shownLeft, r.Top + shownTop, r.Left + shownLeft + width, r.Top + top + height};
      break;
  }
  SetItemText(*item, list.selectedText());
  return item;
}

void registerDateEditClass() {
  registerFieldClass<TQELDateEdit>(QStringLiteral("TQELDateEdit"));
}

}  // namespace op
