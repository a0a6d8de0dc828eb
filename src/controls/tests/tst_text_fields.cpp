#include <QtTest>

#include "controls/edit.h"
#include "controls/edit_text_rules.h"
#include "controls/label.h"
#include "controls/memo.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/printitem.h"
#include "document/xml_tree.h"

using namespace op;

namespace {

const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

QStringList propertyNames(const Persistent &object) {
  QStringList names;
  for (const PropertyDescriptor &descriptor : object.publishedProperties()) names << descriptor.name;
  return names;
}

TPEditDesigned *editDesign(TPCostomEdit &edit) {
  return dynamic_cast<TPEditDesigned *>(edit.designObject());
}

}  // namespace

class TestTextFields : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    registerLabelClass();
    registerEditClass();
    registerMemoClass();
    setDesignMode(true);
  }
  void cleanup() { QCOMPARE(designRegistry().fields().size(), 0); }

  void publishedOrder() {
    TQELLabel label;
    QCOMPARE(propertyNames(*label.designObject()), QStringList({"TextStyle",     "FontName",      "FontSize",
                                                                "FontBold",      "FontItalic",    "FontUnderLine",
                                                                "FontStrikeOut", "Top",           "Left",
                                                                "Height",        "Width",         "FontExtStyle",
                                                                "ControlName",   "ControlId",     "FontColor",
                                                                "LableCaption",  "BoPrintLabel",  "BoAppendDate",
                                                                "BoAppendTime",  "AppendTimeSec", "RandAppendTimeSec",
                                                                "DbStoreFlag"}));
    TQELEdit edit;
    QCOMPARE(propertyNames(*edit.designObject()),
             QStringList({"TextStyle",     "FontName",     "FontSize",    "FontBold",   "FontItalic",  "FontUnderLine",
                          "FontStrikeOut", "Left",         "Top",         "Width",      "Height",      "FontExtStyle",
                          "Expr",          "ControlName",  "ControlId",   "FontColor",  "QELEditLink", "DateLinkId",
                          "MaxCharLen",    "BoOnlyNum",    "BoOnlyFloat", "BoMinValue", "MinValue",    "BoMaxValue",
                          "MaxValue",      "ShowRightBtn", "AutoWrapble", "LineSapce",  "ReadOnly",    "TryNum",
                          "BoPrint",       "BoUpperCase",  "BoLowerCase", "DbStoreFlag"}));
  }

  void workedExample() {
    TEditPanels document;
    document.SetTitle(QStringLiteral("发货单"));
    TQELLabel label(&document);
    label.setGeometry(QRect(40, 20, 120, 18));
    label.setCaption(QStringLiteral("收货人"));
    const XmlDocument xml = parseXml(writeDocumentOnSkeleton(document, kSkeleton));
    const XmlElement &labelElement = xml.root.children.first().children.first();
    QCOMPARE(labelElement.name, QStringLiteral("TQELLabel"));
    QCOMPARE(labelElement.attribute("TYPE"), QStringLiteral("CLASS"));
    QCOMPARE(labelElement.children.size(), 22);
    const QList<QStringList> expected = {{"TextStyle", "1", "NUM"},
                                         {"FontName", "MS Sans Serif", "CHAR"},
                                         {"FontSize", "9", "NUM"},
                                         {"FontBold", "False", "ENUM"},
                                         {"FontItalic", "False", "ENUM"},
                                         {"FontUnderLine", "False", "ENUM"},
                                         {"FontStrikeOut", "False", "ENUM"},
                                         {"Top", "20", "NUM"},
                                         {"Left", "40", "NUM"},
                                         {"Height", "18", "NUM"},
                                         {"Width", "120", "NUM"},
                                         {"FontExtStyle", "0", "NUM"},
                                         {"ControlName", "", "CHAR"},
                                         {"ControlId", label.GetID(), "CHAR"},
                                         {"FontColor", "0", "NUM"},
                                         {"LableCaption", "收货人", "CHAR"},
                                         {"BoPrintLabel", "True", "ENUM"},
                                         {"BoAppendDate", "False", "ENUM"},
                                         {"BoAppendTime", "False", "ENUM"},
                                         {"AppendTimeSec", "0", "NUM"},
                                         {"RandAppendTimeSec", "0", "NUM"},
                                         {"DbStoreFlag", "-1", "NUM"}};
    for (int i = 0; i < expected.size(); ++i) {
      const XmlElement &property = labelElement.children.at(i);
      QCOMPARE((QStringList{property.name, property.attribute("VALUE"), property.attribute("TYPE")}), expected.at(i));
    }
  }

  void documentRoundTripWithEveryTextKind() {
    QString text;
    QString editId;
    {
      TEditPanels document;
      TQELLabel label(&document);
      TQELEdit source(&document), follower(&document);
      TQELMemo memo(&document);
      label.setCaption(QStringLiteral("收货人"));
      editDesign(follower)->SetDateLinkId(source.GetID());
      editDesign(follower)->SetBoOnlyFloat(true);
      editDesign(follower)->SetMaxValue(99.5);
      editId = follower.GetID();
      text = writeDocumentOnSkeleton(document, kSkeleton);
      QVERIFY(!text.contains(QStringLiteral("TQELMemo")));
    }
    auto document = readDocument(
        text.replace(QStringLiteral("</TEditPanels>"), QStringLiteral("<TQELMemo TYPE=\"CLASS\"/></TEditPanels>")));
    QCOMPARE(document->findChildren<TQELLabel *>().first()->caption(), QStringLiteral("收货人"));
    QCOMPARE(document->findChildren<TQELMemo *>().size(), 1);
    auto *follower = qobject_cast<TQELEdit *>(designRegistry().findById(editId));
    QVERIFY(follower && follower->link());
    QCOMPARE(editDesign(*follower)->QELEditLink(), TPEditDesigned::CLOne);
    QCOMPARE(follower->maxValue, 99.5);
    const QStringList again = writeDocumentOnSkeleton(*document, kSkeleton).split(QStringLiteral("\r\n"));
    const QStringList before = text.remove(QStringLiteral("<TQELMemo TYPE=\"CLASS\"/>")).split(QStringLiteral("\r\n"));
    QCOMPARE(again.size(), before.size());
    for (int i = 0; i < again.size(); ++i) QCOMPARE(again.at(i), before.at(i));
  }

  void createdByNameWithClearedText() {
    QObject owner;
    auto *label = qobject_cast<TQELLabel *>(ClassRegistry::instance().create(QStringLiteral(" tqellabel "), &owner));
    QVERIFY(label);
    QCOMPARE(label->caption(), QString());
    QCOMPARE(label->textStyle(), 1);
    QCOMPARE(label->geometry().size(), QSize(120, 30));
    QVERIFY(!ClassRegistry::instance().create(QStringLiteral("TQELLabels"), &owner));
  }

  void labelAlignment_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("alignment");
    QTest::newRow("0") << 0 << int(Qt::AlignLeft);
    QTest::newRow("1") << 1 << int(Qt::AlignLeft);
    QTest::newRow("2") << 2 << int(Qt::AlignHCenter);
    QTest::newRow("3") << 3 << int(Qt::AlignRight);
    QTest::newRow("7") << 7 << int(Qt::AlignLeft);
  }
  void labelAlignment() {
    QFETCH(int, style);
    QFETCH(int, alignment);
    TQELLabel label;
    label.setTextStyle(style);
    QCOMPARE(int(label.horizontalAlignment()), alignment);
  }

  void labelPrintItem() {
    TQELLabel label;
    label.setGeometry(QRect(40, 20, 120, 18));
    label.setCaption(QStringLiteral("收货人"));
    label.setTextStyle(2);
    IQELPrintData *print = label.GetPrintData();
    QCOMPARE(print->GetPrintDataCount(), 1);
    auto item = print->GetPrinteData(0);
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("收货人"));
    QVERIFY(item->HasTextStyle);
    QCOMPARE(item->TextStyle, 2);
    QVERIFY(item->HasFontExt);
    QCOMPARE(item->BaseRect, (ItemRect{40, 20, 160, 38}));
    QCOMPARE(item->FontName, QStringLiteral("MS Sans Serif"));
    label.setBoPrintLabel(false);
    QVERIFY(!print->GetPrinteData(0));
    QVERIFY(!query<IQELDesign>(label.GetDesign())->GetDesignObject());  // a label is never a link source
  }

  void tryNum_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("stops at comma") << "合计: 1,200.50元"
                                    << "1";
    QTest::newRow("unit after") << "100元"
                                << "100";
    QTest::newRow("no digits") << "总计"
                               << "总计";
    QTest::newRow("does not parse") << "..5"
                                    << "..5";
    QTest::newRow("leading zeros") << "0012.50"
                                   << "12.5";
    QTest::newRow("later digits ignored") << "a1b2"
                                          << "1";
  }
  void tryNum() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(takeNumberOutOfText(text), expected);
  }

  void wrapping_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("exactly as wide") << "abcde" << QStringList{"abcde"};
    QTest::newRow("one more") << "abcdef" << QStringList{"abcdef"};
    QTest::newRow("two more") << "abcdefg" << QStringList{"abcdef", "g"};
    QTest::newRow("blank last line dropped") << "abcdef " << QStringList{"abcdef"};
    QTest::newRow("empty") << "" << QStringList{};
  }
  void wrapping() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(breakIntoPrintLines(text, 50, [](const QString &s) { return int(s.size()) * 10; }), lines);
  }

  void wrappedLinesMoveDown() {
    TQELEdit edit;
    edit.setGeometry(QRect(10, 100, 30, 20));
    edit.autoWrapble = true;
    edit.lineSapce = 4;
    edit.setText(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    IQELPrintData *print = edit.GetPrintData();
    QVERIFY(print->GetPrintDataCount() >= 2);
    auto first = print->GetPrinteData(0), second = print->GetPrinteData(1);
    QCOMPARE(second->PrintRect.Top - first->PrintRect.Top, 24);
    QCOMPARE(second->PrintRect.Bottom - first->PrintRect.Bottom, 24);
    QCOMPARE(first->text() + second->text(), edit.text().left(first->text().size() + second->text().size()));
    QVERIFY(!first->HasTextStyle);
    edit.boPrint = false;
    QCOMPARE(print->GetPrintDataCount(), 0);
    QVERIFY(!print->GetPrinteData(0));
  }

  void formatAndCaseSwitchOnlyOn() {
    TQELEdit edit;
    TPEditDesigned *design = editDesign(edit);
    design->SetBoOnlyNum(true);
    design->SetBoOnlyNum(false);
    QVERIFY(design->BoOnlyNum());
    QVERIFY(design->IsNumeric());
    QVERIFY(edit.acceptsText(QStringLiteral("-12")));
    QVERIFY(!edit.acceptsText(QStringLiteral("1.5")));
    design->SetBoUpperCase(true);
    edit.setText(QStringLiteral("abc中"));
    QCOMPARE(edit.text(), QStringLiteral("ABC中"));
    design->SetBoUpperCase(false);
    QVERIFY(design->BoUpperCase());
    design->SetBoLowerCase(true);
    QCOMPARE(edit.text(), QStringLiteral("abc中"));
    QVERIFY(!design->BoUpperCase());
  }

  void followerTakesNumberAndSurvivesSourceDeletion() {
    auto *source = new TQELEdit;
    TQELEdit plain, numeric;
    editDesign(plain)->SetDateLinkId(source->GetID());
    editDesign(numeric)->SetDateLinkId(source->GetID());
    editDesign(numeric)->SetTryNum(true);
    source->setText(QStringLiteral("合计: 1,200.50元"));
    QCOMPARE(plain.text(), QStringLiteral("合计: 1,200.50元"));
    QCOMPARE(numeric.text(), QStringLiteral("1"));
    delete source;
    QCOMPARE(plain.text(), QStringLiteral("合计: 1,200.50元"));
    QVERIFY(!plain.link());
    QCOMPARE(editDesign(plain)->DateLinkId(), QString());
  }

  void unknownSourceLeavesNoLink() {
    TQELEdit edit;
    editDesign(edit)->SetDateLinkId(QStringLiteral("0123456789ABCDEF0123456789ABCDEF"));
    QVERIFY(!edit.link());
    QCOMPARE(editDesign(edit)->QELEditLink(), TPEditDesigned::CLNone);
  }

  void editsFollowingEachOtherDoNotHang() {
    TQELEdit a, b;
    editDesign(a)->SetDateLinkId(b.GetID());
    editDesign(b)->SetDateLinkId(a.GetID());
    a.setText(QStringLiteral("x"));
    QCOMPARE(b.text(), QStringLiteral("x"));
  }

  void dataBinding() {
    TQELEdit edit;
    IQELDataBind *bind = query<IQELDataBind>(edit.GetDesign());
    QVERIFY(bind);
    QCOMPARE(bind->GetKindCaption(), QStringLiteral("文字编辑框"));
    bind->SetBindName(QStringLiteral("ignored"));
    QCOMPARE(bind->GetBindName(), QString());
    bind->SetBindType(1);
    QVERIFY(edit.rightShowBtn());
    bind->SetBindType(2);
    QVERIFY(!edit.rightShowBtn());
    bind->SetBindName(QStringLiteral("Sheet1"));
    bind->SetBindHelpText(QStringLiteral(" 收货人 "));
    designRegistry().fillFromRow({{QStringLiteral("收货人"), QStringLiteral("张三")}});
    QCOMPARE(edit.text(), QStringLiteral("张三"));
    designRegistry().rebind(2, QStringLiteral("Sheet2"));
    QCOMPARE(bind->GetBindName(), QStringLiteral("Sheet2"));
    QCOMPARE(bind->GetBindValue(), QString());
    QCOMPARE(edit.text(), QString());
  }

  void floatValue() {
    TQELEdit edit;
    auto *value = query<IQELExprFloatValue>(edit.GetDesign());
    value->SetFloatValue(12.50);
    QCOMPARE(edit.text(), QStringLiteral("12.5"));
    QCOMPARE(value->GetFloatValue(), 12.5);
    QCOMPARE(query<IQELDesign>(edit.GetDesign())->GetHelpText(), QStringLiteral("通用文字编辑框"));
    edit.setName(QStringLiteral("QELEdit3"));
    QCOMPARE(query<IQELDesign>(edit.GetDesign())->GetHelpText(), QStringLiteral("通用文字编辑框3"));
  }
};

QTEST_MAIN(TestTextFields)
#include "tst_text_fields.moc"
