#include <QtTest>

#include "controls/date_edit.h"
#include "core/messagesink.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/printitem.h"

using namespace op;

namespace {

const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

class RecordingSink : public MessageSink {
 public:
  RecordingSink() { setMessageSink(this); }
  ~RecordingSink() override { setMessageSink(nullptr); }
  void show(MessageIcon, const QString &, const QString &text) override { texts << text; }
  bool ask(const QString &, const QString &) override { return false; }
  QStringList texts;
};

QStringList shownTexts(const TPCustomDateEdit &edit) {
  return {edit.list(0).selectedText(), edit.list(1).selectedText(), edit.list(2).selectedText()};
}

TPDateEditDesigned *designOf(TPCustomDateEdit &edit) {
  return dynamic_cast<TPDateEditDesigned *>(edit.designObject());
}

int indexOfNumber(const TPCustomDateEdit &edit, int part, int number) {
  return int(edit.list(part).numbers.indexOf(number));
}

}  // namespace

class TestDateEdit : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    registerDateEditClass();
    setDesignMode(true);
    TPCustomDateEdit::setTodayForTesting(QDate(2026, 3, 15));
  }
  void cleanup() { QCOMPARE(designRegistry().fields().size(), 0); }

  void publishedOrder() {
    TQELDateEdit edit;
    QStringList names;
    for (const PropertyDescriptor &descriptor : edit.designObject()->publishedProperties()) names << descriptor.name;
    QCOMPARE(names, QStringList({"TextStyle",     "FontName",      "FontSize",        "FontBold",    "FontItalic",
                                 "FontUnderLine", "FontStrikeOut", "FontColor",       "ATop",        "ALeft",
                                 "AHeight",       "AWidth",        "FontExtStyle",    "OffSetYear",  "OffSetMonth",
                                 "OffSetDay",     "BoNow",         "ShowNowBtn",      "BoPrintYear", "BoPrintMonth",
                                 "BoPrintDay",    "QELDateStyle",  "QELDateEditLink", "ControlName", "ControlId",
                                 "DateLinkId",    "DbStoreFlag",   "DbSaveAsDate"}));
    QCOMPARE(edit.geometry().size(), QSize(284, 30));
    QVERIFY(setPropertyText(*edit.designObject(), "QELDateStyle", "DSENChar"));
    QCOMPARE(edit.dateStyle(), DateStyle::DSENChar);
  }

  void styleTexts_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("texts");
    const int num = int(DateStyle::DSCNNum), cheque = int(DateStyle::DSCNChar), en = int(DateStyle::DSENNum),
              enChar = int(DateStyle::DSENChar), plain = int(DateStyle::DSCNSTDChar);
    QTest::newRow("figures") << num << QDate(2026, 3, 15) << QStringList{"2026", "3", "15"};
    QTest::newRow("cheque capitals") << cheque << QDate(2026, 3, 15) << QStringList{"贰零贰陆", "零叁", "壹拾伍"};
    QTest::newRow("cheque: month 10, day 10")
        << cheque << QDate(2026, 10, 10) << QStringList{"贰零贰陆", "零拾", "零壹拾"};
    QTest::newRow("cheque: round tens") << cheque << QDate(2026, 11, 20) << QStringList{"贰零贰陆", "壹拾壹", "零贰拾"};
    QTest::newRow("cheque: 30, 31") << cheque << QDate(2026, 12, 31) << QStringList{"贰零贰陆", "壹拾贰", "叁拾壹"};
    QTest::newRow("cheque: day 30") << cheque << QDate(2026, 4, 30) << QStringList{"贰零贰陆", "零肆", "零叁拾"};
    QTest::newRow("english figures") << en << QDate(2026, 3, 15) << QStringList{"2026", "3", "15"};
    QTest::newRow("english names") << enChar << QDate(2026, 8, 1) << QStringList{"2026", "August", "1"};
    QTest::newRow("plain numerals") << plain << QDate(2026, 12, 31) << QStringList{"二0二六", "十二", "三十一"};
    QTest::newRow("plain numerals: tens") << plain << QDate(2030, 10, 20) << QStringList{"二0三0", "十", "二十"};
  }
  void styleTexts() {
    QFETCH(int, style);
    QFETCH(QDate, date);
    TQELDateEdit edit;
    designOf(edit)->SetQELDateStyle(DateStyle(style));
    edit.setDate(date);
    QTEST(shownTexts(edit), "texts");
    QCOMPARE(edit.date(), date);
    QCOMPARE(dateYearText(DateStyle::DSCNSTDChar, 2008), QStringLiteral("二00八"));
  }

  void yearList() {
    TQELDateEdit edit;
    QCOMPARE(edit.list(0).numbers.size(), 101);
    QCOMPARE(edit.list(0).numbers.first(), 2023);
    QCOMPARE(edit.list(0).numbers.last(), 2123);
    TPCustomDateEdit::setTodayForTesting(QDate(2001, 6, 1));
    TQELDateEdit early;
    QCOMPARE(early.list(0).numbers.first(), 2000);
    TPCustomDateEdit::setTodayForTesting(QDate(2026, 3, 15));
    // A year outside the list leaves the year as it was.
    edit.setDate(QDate(1999, 5, 6));
    QCOMPARE(edit.date(), QDate(2026, 5, 6));
  }

  void styleChangeShowsTodayAgain() {
    TQELDateEdit edit;
    QCOMPARE(edit.date(), QDate(2026, 3, 15));
    edit.setDate(QDate(2027, 1, 2));
    designOf(edit)->SetQELDateStyle(DateStyle::DSENChar);
    QCOMPARE(shownTexts(edit), (QStringList{"2026", "March", "15"}));
    QCOMPARE(edit.markText(0), QStringLiteral("Y"));
    // English order: month, day, year from left to right.
    QVERIFY(edit.list(1).rect.left() < edit.list(2).rect.left());
    QVERIFY(edit.list(2).rect.left() < edit.list(0).rect.left());
    designOf(edit)->SetBoNow(false);
    designOf(edit)->SetQELDateStyle(DateStyle::DSCNNum);
    QCOMPARE(shownTexts(edit), (QStringList{"", "", ""}));
    QCOMPARE(edit.date(), QDate(1900, 1, 1));
    QCOMPARE(edit.GetPrintData()->GetPrinteData(0)->text(), QString());
  }

  void impossibleDatesRefused() {
    RecordingSink sink;
    TQELDateEdit source, follower;
    follower.setLinkId(source.GetID());
    source.setDate(QDate(2026, 4, 30));
    QVERIFY(!source.chooseItem(TPCustomDateEdit::Day, indexOfNumber(source, 2, 31)));
    QCOMPARE(sink.texts, QStringList{QStringLiteral("无效的日期\r\n4月为[30]天")});
    // The list goes back, so what is shown and printed stays a real date; the follower is not pushed.
    QCOMPARE(source.date(), QDate(2026, 4, 30));
    QCOMPARE(source.list(2).selectedText(), QStringLiteral("30"));
    QCOMPARE(follower.date(), QDate(2026, 4, 30));
    source.setDate(QDate(2027, 2, 28));
    QVERIFY(!source.chooseItem(TPCustomDateEdit::Day, indexOfNumber(source, 2, 29)));
    QCOMPARE(sink.texts.last(), QStringLiteral("无效的日期\r\n2月为[28]天"));
    QVERIFY(source.chooseItem(TPCustomDateEdit::Month, indexOfNumber(source, 1, 3)));
    QVERIFY(source.chooseItem(TPCustomDateEdit::Day, indexOfNumber(source, 2, 31)));
    QCOMPARE(follower.date(), QDate(2027, 3, 31));
    QCOMPARE(source.list(2).hint, QStringLiteral("31日"));
    QCOMPARE(sink.texts.size(), 2);
  }

  void followersAndCycles() {
    TQELDateEdit a, b, c;
    designOf(b)->SetDateLinkId(a.GetID());
    designOf(c)->SetDateLinkId(b.GetID());
    QCOMPARE(designOf(b)->QELDateEditLink(), TPDateEditDesigned::DEOne);
    QCOMPARE(designOf(b)->DateLinkId(), a.GetID());
    designOf(a)->SetDateLinkId(c.GetID());  // a stored cycle: pushes stop where they started
    a.setDate(QDate(2028, 7, 9));
    QCOMPARE(b.date(), QDate(2028, 7, 9));
    QCOMPARE(c.date(), QDate(2028, 7, 9));
    designOf(c)->SetDateLinkId(QStringLiteral("NOSUCHFIELD"));
    QCOMPARE(designOf(c)->QELDateEditLink(), TPDateEditDesigned::DENone);
    QCOMPARE(designOf(c)->DateLinkId(), QString());
  }

  void printItems() {
    TEditPanels document;
    TQELDateEdit edit(&document);
    edit.setGeometry(QRect(100, 50, 284, 30));
    edit.setDate(QDate(2026, 3, 15));
    IQELPrintData *print = edit.GetPrintData();
    QCOMPARE(print->GetPrintDataCount(), 3);
    const auto day = print->GetPrinteData(2);
    QCOMPARE(day->text(), QStringLiteral("15"));
    QVERIFY(day->HasFontExt && !day->HasTextStyle && !day->HasTextHorzStyle);
    const QRect list = edit.list(2).rect;
    QCOMPARE(list.left(), int(279 / 100.0 * 66) + 1);
    QCOMPARE(day->BaseRect,
             (ItemRect{100 + list.left(), 50 + list.top(), 100 + list.right() + 1, 50 + list.top() + list.height()}));
    const ItemRect year = print->GetPrinteData(0)->PrintRect;
    designOf(edit)->SetOffSetDay(12);
    QCOMPARE(print->GetPrinteData(2)->PrintRect.Left, day->PrintRect.Left + 12);
    QCOMPARE(print->GetPrinteData(0)->PrintRect, year);
    designOf(edit)->SetBoPrintMonth(false);
    QVERIFY(print->GetPrinteData(0));
    QVERIFY(!print->GetPrinteData(1));
    QVERIFY(print->GetPrinteData(2));
  }

  void documentRoundTrip() {
    QString text, followerId;
    {
      TEditPanels document;
      TQELDateEdit source(&document), follower(&document);
      designOf(follower)->SetDateLinkId(source.GetID());
      designOf(follower)->SetQELDateStyle(DateStyle::DSCNChar);
      designOf(follower)->SetOffSetYear(-4);
      designOf(follower)->SetBoPrintDay(false);
      followerId = follower.GetID();
      text = writeDocumentOnSkeleton(document, kSkeleton);
    }
    auto document = readDocument(text);
    auto *follower = qobject_cast<TQELDateEdit *>(designRegistry().findById(followerId));
    QVERIFY(follower && follower->link());
    QCOMPARE(follower->dateStyle(), DateStyle::DSCNChar);
    QCOMPARE(follower->offset(0), -4);
    follower->link()->setDate(QDate(2029, 1, 5));
    QCOMPARE(shownTexts(*follower), (QStringList{"贰零贰玖", "零壹", "零伍"}));
    QCOMPARE(writeDocumentOnSkeleton(*document, kSkeleton), text);
  }
};

QTEST_MAIN(TestDateEdit)
#include "tst_date_edit.moc"
