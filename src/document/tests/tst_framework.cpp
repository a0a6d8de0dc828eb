#include <QtTest>

#include "core/ids.h"
#include "document/captions.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/properties.h"
#include "test_field.h"

using namespace op;
using test::TTestField;

class TestFramework : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { test::registerTestKinds(); }
  void cleanup() {
    setDesignMode(false);
    QCOMPARE(runRegistry().fields().size(), 0);
    QCOMPARE(designRegistry().fields().size(), 0);
  }

  void identityAssignmentRefusedWhenInUse() {
    TTestField a, b;
    const QString old = b.GetID();
    QVERIFY(!b.setId(a.GetID()));
    QCOMPARE(b.GetID(), old);
    QVERIFY(b.setId(a.GetID().toLower()));  // identities in use are compared exactly
    QCOMPARE(b.GetID(), a.GetID().toLower());
  }

  void renameRefusedWhenNameInUse() {
    TTestField a, b;
    QVERIFY(a.setName(QStringLiteral("TestField1")));
    QVERIFY(!b.setName(QStringLiteral("testfield1")));
    QCOMPARE(b.name(), QString());
    QVERIFY(a.setName(QStringLiteral("TESTFIELD1")));  // its own name in another case
    QVERIFY(a.setName(QString()));
    QVERIFY(b.setName(QString()));  // empty names never clash
  }

  void findByIdTrimsAndIgnoresCase() {
    TTestField a, b;
    QCOMPARE(runRegistry().findById(QStringLiteral("  ") + b.GetID().toLower() + QStringLiteral(" ")), &b);
    QCOMPARE(runRegistry().findById(QString()), nullptr);
  }

  void findByHelpTextNewestFirst() {
    TTestField a, b;
    a.setName(QStringLiteral("TestField7"));
    b.setName(QStringLiteral("Other"));
    QCOMPARE(test::designOf(&a)->GetHelpText(), QStringLiteral("测试控件7"));
    QVERIFY(b.setId(getId()));
    b.setName(QStringLiteral("XestField7"));  // same length prefix: same display name
    QCOMPARE(runRegistry().findByHelpText(QStringLiteral("测试控件7")), &b);
  }

  void helpTextSuffix_data() {
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default name") << "TQELLabel"
                                  << "QELLabel12"
                                  << "标签12";
    QTest::newRow("short name") << "TQELLabel"
                                << "L1"
                                << "标签";
    QTest::newRow("empty name") << "TQELLabel"
                                << ""
                                << "标签";
  }
  void helpTextSuffix() {
    QFETCH(QString, className);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(helpTextOf(QStringLiteral("标签"), className, name), expected);
  }

  void registriesFollowDesignMode() {
    TTestField run;
    setDesignMode(true);
    {
      TTestField design;
      QCOMPARE(designRegistry().fields(), QList<QelField *>{&design});
      QCOMPARE(runRegistry().fields(), QList<QelField *>{&run});
      QVERIFY(!designRegistry().identityInUse(run.GetID()));
    }
    QVERIFY(designRegistry().fields().isEmpty());
    setDesignMode(false);
  }

  void createByClassName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("created");
    QTest::newRow("exact") << "TTestField" << true;
    QTest::newRow("lower case with blanks") << "  ttestfield " << true;
    QTest::newRow("not registered") << "TQELNothing" << false;
    QTest::newRow("empty") << "" << false;
  }
  void createByClassName() {
    QFETCH(QString, name);
    QFETCH(bool, created);
    QObject owner;
    QelField *field = ClassRegistry::instance().create(name, &owner);
    QCOMPARE(field != nullptr, created);
    if (field) {
      QCOMPARE(field->parent(), &owner);
      QCOMPARE(field->className(), QStringLiteral("TTestField"));
    }
  }

  void fontSizeLimits_data() {
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("screen");
    QTest::newRow("0") << 0 << 1 << 8;
    QTest::newRow("-4") << -4 << 1 << 8;
    QTest::newRow("6") << 6 << 6 << 8;
    QTest::newRow("12") << 12 << 12 << 12;
  }
  void fontSizeLimits() {
    QFETCH(int, requested);
    QFETCH(int, stored);
    QFETCH(int, screen);
    TTestField field;
    test::designOf(&field)->SetFontSize(requested);
    QCOMPARE(test::designOf(&field)->GetFontSize(), stored);
    QCOMPARE(field.screenFontSize(), screen);
  }

  void floatRoundTrip_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("1/3") << 1.0 / 3.0;
    QTest::newRow("large") << 123456789012.345678;
    QTest::newRow("tiny") << 4.9e-324;
    QTest::newRow("negative") << -2.5;
  }
  void floatRoundTrip() {
    QFETCH(double, value);
    TTestField a, b;
    a.ratio = value;
    const QString text = propertyText(*a.designObject(), QStringLiteral("Ratio"));
    QVERIFY(!text.contains(QLatin1Char(',')));
    QVERIFY(setPropertyText(*b.designObject(), QStringLiteral("Ratio"), text));
    QCOMPARE(b.ratio, value);
  }

  void linkCycleStops() {
    TTestField a, b;
    test::designOf(&a)->SetLinkId(b.GetID());  // a follows b
    test::designOf(&b)->SetLinkId(a.GetID());  // b follows a
    a.setText(QStringLiteral("x"));
    QCOMPARE(b.text(), QStringLiteral("x+"));
    QCOMPARE(a.text(), QStringLiteral("x"));  // not pushed back round the cycle
    b.setText(QStringLiteral("y"));
    QCOMPARE(a.text(), QStringLiteral("y+"));
  }

  void linkToMissingSourceAndDeletedFollower() {
    TTestField source;
    auto *follower = new TTestField;
    test::designOf(follower)->SetLinkId(getId());  // no such field: nothing subscribed
    test::designOf(follower)->SetLinkId(source.GetID());
    QCOMPARE(source.followers.ids(), QStringList{follower->GetID()});
    test::designOf(follower)->SetLinkId(QString());  // unsubscribes from the previous source
    QVERIFY(source.followers.ids().isEmpty());
    test::designOf(follower)->SetLinkId(source.GetID());
    delete follower;
    source.setText(QStringLiteral("z"));  // a follower that no longer exists is skipped
    QCOMPARE(source.text(), QStringLiteral("z"));
  }

  void subscriptionsHaveNoDuplicatesAndRemoveLast() {
    LinkSubscriptions list;
    list.add("A");
    list.add("B");
    list.add("A");
    QCOMPARE(list.ids(), (QStringList{"A", "B"}));
    list.remove("A");
    QCOMPARE(list.ids(), QStringList{"B"});
  }

  void clearCheckGroup() {
    TTestField a, b, c, other;
    for (auto [field, group, checked] : {std::tuple{&a, 1, true}, {&b, 1, true}, {&c, 2, true}}) {
      field->setProperty("CheckGroup", group);
      field->setProperty("Checked", checked);
    }
    runRegistry().clearCheckGroup(QStringLiteral("ttestfield"), 1);
    QCOMPARE(a.property("Checked").toBool(), false);
    QCOMPARE(b.property("Checked").toBool(), false);
    QCOMPARE(c.property("Checked").toBool(), true);
    QVERIFY(!other.property("Checked").isValid());
  }

  void captions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("LineSapce") << "LineSapce"
                               << "换行间距"
                               << "" << false;
    QTest::newRow("lower case") << "linesapce"
                                << "换行间距"
                                << "" << false;
    QTest::newRow("unknown") << "Nothing"
                             << "Nothing"
                             << "" << false;
    QTest::newRow("DbStoreFlag") << "dbstoreflag"
                                 << "存储到数据库的编号，不能重复,-1或0表示不存储"
                                 << "请勿修改此项" << true;
    QTest::newRow("lineType hidden") << "LINETYPE"
                                     << "LINETYPE"
                                     << "" << true;
    QTest::newRow("CheckGroup") << "CheckGroup"
                                << "组编号"
                                << "组编号，同一组编号的此组件，只能有一个被设置为选中状态，0为无效" << false;
  }
  void captions() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(bool, hidden);
    QCOMPARE(captions::propertyCaption(name), caption);
    QCOMPARE(captions::propertyHint(name), hint);
    QCOMPARE(captions::isPropertyHidden(name), hidden);
  }

  void roleNumbers() {
    QCOMPARE(captions::dbStoreFlagChoices().size(), 14);
    QCOMPARE(captions::dbStoreFlagCaption(14), QStringLiteral("固定电话/移动电话"));
    QCOMPARE(captions::dbStoreFlagCaption(13), QString());
    TTestField field;
    QCOMPARE(query<IQELDBStore>(field.GetDesign())->GetDbStoreFlag(), -1);
  }

  void interfacesAnsweredByPropertyObject() {
    TTestField field;
    IQELDesign *design = field.GetDesign();
    QVERIFY(query<IQELTextDesign>(design));
    QVERIFY(query<IQELFontDesign>(design));
    QVERIFY(query<IQELEvent>(design->GetDesignObject()));
    QVERIFY(!query<IQELDataBind>(design));
    QCOMPARE(design->GetPersistent(), static_cast<Persistent *>(field.designObject()));
    QVERIFY(field.GetPrintData());
    QCOMPARE(field.GetPrintData(), field.GetPrintData());  // created once
  }
};

QTEST_MAIN(TestFramework)
#include "tst_framework.moc"
