#include <QTemporaryDir>
#include <QtTest>

#include "core/base64.h"
#include "core/codepage936.h"
#include "core/compression.h"
#include "core/datetime.h"
#include "core/ids.h"
#include "core/inifile.h"

using namespace op;

class TestCore : public QObject {
  Q_OBJECT
 private slots:
  void base64LineBreaks_data();
  void base64LineBreaks();
  void base64SlashAndForeignCharacters();
  void base64RoundTripAllLengths();
  void storageTextOfDocument();
  void cp936TruncatesAtCharacterBoundary();
  void cp936ReplacesUnencodable();
  void compressionRoundTripAndDamage();
  void identifiers();
  void iniCaseInsensitiveAndCrLf();
  void iniIntegersAndMissingFile();
  void dateDoubles();
};

void TestCore::base64LineBreaks_data() {
  QTest::addColumn<int>("length");
  QTest::addColumn<QByteArray>("tail");
  QTest::addColumn<int>("total");
  QTest::newRow("57 bytes: one full line and CR LF") << 57 << QByteArray("\r\n") << 78;
  QTest::newRow("58 bytes: a second line ending ==") << 58 << QByteArray("==") << 82;
  QTest::newRow("empty") << 0 << QByteArray() << 0;
}

void TestCore::base64LineBreaks() {
  QFETCH(int, length);
  QFETCH(QByteArray, tail);
  QFETCH(int, total);
  const QByteArray text = base64::encode(QByteArray(length, 'x'));
  QCOMPARE(text.size(), total);
  QVERIFY(text.endsWith(tail));
  if (length >= 57) QCOMPARE(text.indexOf("\r\n"), 76);
}

void TestCore::base64SlashAndForeignCharacters() {
  const QByteArray bytes("\xff\xff\xff\xfb\xef\xbe", 6);  // encodes to "////++++"
  QCOMPARE(base64::encode(bytes, base64::Slash::Keep), QByteArray("////++++"));
  QCOMPARE(base64::encode(bytes), QByteArray("____++++"));
  QCOMPARE(base64::decode("____++++"), bytes);
  QCOMPARE(base64::decode("//__++++"), bytes);
  QCOMPARE(base64::decode(" _/_\r\n_+ +*+#+\t"), bytes);
  QCOMPARE(base64::decode("QQ=="), QByteArray("A"));
  QCOMPARE(base64::decode("QUI="), QByteArray("AB"));
}

void TestCore::base64RoundTripAllLengths() {
  QByteArray bytes;
  for (int n = 0; n < 300; ++n) {
    QCOMPARE(base64::decode(base64::encode(bytes)), bytes);
    bytes.append(char(n * 37 + 11));
  }
}

void TestCore::storageTextOfDocument() {
  const QString doc = QStringLiteral("<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n<Root 标题=\"发货单\"/>");
  const QString stored = documentToStorageText(doc);
  for (const QChar c : stored) QVERIFY(c.unicode() < 128 && c != '/');
  QCOMPARE(documentFromStorageText(stored), doc);
  QCOMPARE(fromStorageText(stored), cp936::encode(doc));
}

void TestCore::cp936TruncatesAtCharacterBoundary() {
  const QString title = QString(50, QChar(0x6536));  // 50 Chinese characters are 100 bytes
  QCOMPARE(cp936::byteLength(title), 100);
  QCOMPARE(cp936::encodeTruncated(title, 64).size(), 64);
  QCOMPARE(cp936::encodeTruncated("a" + title, 64).size(), 63);
  QCOMPARE(cp936::decode(cp936::encodeTruncated("a" + title, 64)), "a" + QString(31, QChar(0x6536)));
}

void TestCore::cp936ReplacesUnencodable() {
  const QString text = QString::fromUtf8("收货人😀A");
  QCOMPARE(cp936::decode(cp936::encode(text)), QString::fromUtf8("收货人?A"));
}

void TestCore::compressionRoundTripAndDamage() {
  const QString text = QString::fromUtf8("打印记录 print record ") + QString(5000, 'z');
  const QByteArray packed = compressText(text);
  QVERIFY(packed.size() < text.size());
  QCOMPARE(quint8(packed[0]), quint8(0x78));
  QCOMPARE(decompressText(packed), text);
  QVERIFY_THROWS_EXCEPTION(std::runtime_error, decompressText(packed.left(packed.size() / 2)));
  QVERIFY_THROWS_EXCEPTION(std::runtime_error, decompressText(QByteArray("not zlib at all")));
}

void TestCore::identifiers() {
  const QString a = getId();
  const QString b = getId();
  QVERIFY(isIdentifier(a));
  QCOMPARE(a, a.toUpper());
  QVERIFY(a != b);
  QCOMPARE(md5Hex("abc"), QString("900150983cd24fb0d6963f7d28e17f72"));
}

void TestCore::iniCaseInsensitiveAndCrLf() {
  QTemporaryDir dir;
  const QString path = dir.filePath("Config.ini");
  {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("; comment\r\n[DB]\r\nExcelType = 2\r\n\r\n[other]\r\nx=1\r\n");
  }
  IniFile ini(path);
  QCOMPARE(ini.readInteger("db", "exceltype", -1), 2);
  QVERIFY(ini.writeInteger("Db", "EXCELTYPE", 3));
  QVERIFY(ini.writeInteger("letter", "smartaddr", 1));
  QVERIFY(ini.writeString("db", "newkey", QString::fromUtf8("值")));
  QFile f(path);
  QVERIFY(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  QCOMPARE(bytes, QByteArray("; comment\r\n[DB]\r\nEXCELTYPE=3\r\nnewkey=") + cp936::encode(QString::fromUtf8("值")) +
                      QByteArray("\r\n\r\n[other]\r\nx=1\r\n[letter]\r\nsmartaddr=1\r\n"));
  IniFile again(path);
  QCOMPARE(again.readInteger("DB", "ExcelType", -1), 3);
  QCOMPARE(again.readString("db", "NEWKEY"), QString::fromUtf8("值"));
}

void TestCore::iniIntegersAndMissingFile() {
  QTemporaryDir dir;
  IniFile missing(dir.filePath("none.ini"));
  QCOMPARE(missing.readInteger("db", "exceltype", -1), -1);
  {
    QFile f(dir.filePath("bad.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[db\r\nexceltype=abc\r\n[x]\r\na=12abc\r\nb=-7\r\n\x01\x02garbage");
  }
  IniFile bad(dir.filePath("bad.ini"));
  QCOMPARE(bad.readInteger("db", "exceltype", -1), -1);
  QCOMPARE(bad.readInteger("x", "a", 0), 12);
  QCOMPARE(bad.readInteger("x", "b", 0), -7);
}

void TestCore::dateDoubles() {
  QCOMPARE(toDateDouble(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
  QCOMPARE(toDateDouble(QDateTime(QDate(2026, 12, 11), QTime(12, 0))), 46367.5);
  QCOMPARE(fromDateDouble(46367.25), QDateTime(QDate(2026, 12, 11), QTime(6, 0)));
  QCOMPARE(roundHalfEven(2.5), 2);
  QCOMPARE(roundHalfEven(3.5), 4);
  QCOMPARE(roundHalfEven(-2.5), -2);
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
