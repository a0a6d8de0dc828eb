#include <QtTest>

#include "document/settings_document.h"
#include "document/xml_tree.h"

using namespace op;

namespace {
const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");
}

class TestSettingsDocument : public QObject {
  Q_OBJECT

 private slots:
  void setStoresUpperCasedKeyAndValueOnRequest() {
    QString text = settingsdoc::setValue(kSkeleton, QStringLiteral("RealWidth"), QStringLiteral("abc"), true);
    text = settingsdoc::setValue(text, QStringLiteral("ExprStr"), QStringLiteral("a+b"), false);
    QVERIFY(text.contains(QStringLiteral("<REALWIDTH VALUE=\"ABC\"/>")));
    QVERIFY(text.contains(QStringLiteral("<EXPRSTR VALUE=\"a+b\"/>")));
    QCOMPARE(settingsdoc::getValue(text, QStringLiteral("realwidth")), QStringLiteral("ABC"));
    QCOMPARE(settingsdoc::getValue(text, QStringLiteral("ExprStr")), QStringLiteral("a+b"));
    QCOMPARE(settingsdoc::getValue(text, QStringLiteral("Missing")), QString());
  }

  void secondSetAppendsSecondElement() {
    QString text = settingsdoc::setValue(kSkeleton, QStringLiteral("K"), QStringLiteral("1"), true);
    text = settingsdoc::setValue(text, QStringLiteral("k"), QStringLiteral("2"), true);
    QCOMPARE(parseXml(text).root.children.size(), 2);
    QCOMPARE(settingsdoc::getValue(text, QStringLiteral("K")), QStringLiteral("1"));
  }

  void updateChangesFirstMatchUpperCased() {
    QString text = settingsdoc::setValue(kSkeleton, QStringLiteral("OFFSETX"), QStringLiteral("1"), true);
    text = settingsdoc::setValue(text, QStringLiteral("OFFSETX"), QStringLiteral("2"), true);
    const QString updated = settingsdoc::updateValue(text, QStringLiteral("offsetx"), QStringLiteral("mm"));
    QCOMPARE(settingsdoc::getValue(updated, QStringLiteral("OffsetX")), QStringLiteral("MM"));
    QCOMPARE(parseXml(updated).root.children.at(1).attribute("VALUE"), QStringLiteral("2"));
    QCOMPARE(settingsdoc::updateValue(text, QStringLiteral("Nothing"), QStringLiteral("x")), text);
  }

  void failuresReturnInput_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("malformed") << QStringLiteral("<Root><A VALUE=\"1\"></Root>");
    QTest::newRow("no root") << QStringLiteral("<?xml version=\"1.0\"?>");
  }
  void failuresReturnInput() {
    QFETCH(QString, text);
    QCOMPARE(settingsdoc::setValue(text, QStringLiteral("K"), QStringLiteral("v"), true), text);
    QCOMPARE(settingsdoc::updateValue(text, QStringLiteral("A"), QStringLiteral("v")), text);
    QCOMPARE(settingsdoc::getValue(text, QStringLiteral("A")), QString());
  }

  void invalidKeyLeavesTextUnchanged() {
    QCOMPARE(settingsdoc::setValue(kSkeleton, QStringLiteral("1 bad"), QStringLiteral("v"), true), kSkeleton);
  }

  // The parse cache must never answer for a different text.
  void alternatingTextsReadCorrectly() {
    const QString a = settingsdoc::setValue(kSkeleton, QStringLiteral("K"), QStringLiteral("A"), true);
    const QString b = settingsdoc::setValue(kSkeleton, QStringLiteral("K"), QStringLiteral("B"), true);
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(settingsdoc::getValue(a, QStringLiteral("K")), QStringLiteral("A"));
      QCOMPARE(settingsdoc::getValue(b, QStringLiteral("K")), QStringLiteral("B"));
    }
    QCOMPARE(settingsdoc::getValue(QStringLiteral("<Root"), QStringLiteral("K")), QString());
    QCOMPARE(settingsdoc::getValue(a, QStringLiteral("K")), QStringLiteral("A"));
  }
};

QTEST_MAIN(TestSettingsDocument)
#include "tst_settings_document.moc"
