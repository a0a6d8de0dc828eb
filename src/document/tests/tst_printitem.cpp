#include "core/binaryfields.h"
#include "core/codepage936.h"
#include "document/interfaces.h"
#include "document/printitem.h"

#include <QtTest>

using namespace op;
using binary::get;

namespace {

// A property object with a text design and, when rotatable, a font design.
class FakeDesign : public IQELTextDesign {
 public:
  Persistent *GetPersistent() override { return nullptr; }
  int GetTextStyle() const override { return 0; }
  QString GetName() const override { return {}; }
  QString GetHelpText() const override { return {}; }
  void SetName(const QString &) override {}
  IQELDesign *GetDesignObject() override { return this; }
  void SetTextStyle(int) override {}
  QString GetFontName() const override { return QStringLiteral("黑体"); }
  void SetFontName(const QString &) override {}
  int GetFontSize() const override { return 14; }
  void SetFontSize(int) override {}
  bool GetFontBold() const override { return true; }
  void SetFontBold(bool) override {}
  bool GetFontItalic() const override { return false; }
  void SetFontItalic(bool) override {}
  bool GetFontUnderLine() const override { return true; }
  void SetFontUnderLine(bool) override {}
  bool GetFontStrikeOut() const override { return false; }
  void SetFontStrikeOut(bool) override {}
  int GetFontColor() const override { return kColorWindowText; }
  void SetFontColor(int) override {}
};

class FakeRotatableDesign : public FakeDesign, public IQELFontDesign {
 public:
  int GetFontExtStyle() const override { return 900; }
  void SetFontExtStyle(int) override {}
};

}  // namespace

class TestPrintItem : public QObject {
  Q_OBJECT

 private:
  static PrintItem fullItem() {
    PrintItem item;
    item.FontName = QStringLiteral("宋体");
    item.FontSize = 12;
    item.FontBlod = true;
    item.FontStrikOut = true;
    item.FontColor = 0x00FF0080;
    item.HasTextStyle = true;
    item.TextStyle = 3;
    item.HasFontExt = true;
    item.FontExtValue = 900;
    item.PrintType = kPrintBarcode;
    item.PrintRect = {-5, 6, 700, 80000};
    item.HasTextHorzStyle = true;
    item.TextHorzStyleValue = 2;
    item.BoStretch = true;
    item.BaseRect = {1, 2, 3, 4};
    item.BarCodeType = 7;
    item.BarCodeCheckSum = true;
    item.BarCodeCheckSumType = 1;
    item.BarCodeOnlyDrawImage = 1;
    item.setBarcodeText(QStringLiteral("AB12"));
    return item;
  }

 private slots:
  void headerFieldsAtTheirOffsets() {
    const QByteArray bytes = fullItem().toBytes();
    const char *b = bytes.constData();
    QCOMPARE(bytes.size(), 213 + 4);
    QCOMPARE(get<quint32>(b, 0), 213u);
    QCOMPARE(get<quint32>(b, 4), 4u);
    QCOMPARE(get<quint16>(b, 8), quint16(1));
    QCOMPARE(get<quint16>(b, 10), quint16(0));
    QCOMPARE(int(quint8(b[12])), 4);  // two double-byte characters
    QCOMPARE(QByteArray(b + 13, 4), cp936::encode(QStringLiteral("宋体")));
    QCOMPARE(QByteArray(b + 17, 60), QByteArray(60, '\0'));
    QCOMPARE(get<qint32>(b, 79), 12);
    QCOMPARE(QByteArray(b + 83, 4), QByteArray("\x01\x00\x00\x01", 4));
    QCOMPARE(get<qint32>(b, 87), 0x00FF0080);
    QCOMPARE(int(b[91]), 1);
    QCOMPARE(get<qint32>(b, 92), 3);
    QCOMPARE(int(b[96]), 1);
    QCOMPARE(get<qint32>(b, 97), 900);
    QCOMPARE(get<qint32>(b, 101), 3);
    QCOMPARE(get<qint32>(b, 105), -5);
    QCOMPARE(get<qint32>(b, 109), 6);
    QCOMPARE(get<qint32>(b, 113), 700);
    QCOMPARE(get<qint32>(b, 117), 80000);
    QCOMPARE(get<quint32>(b, 121), 4u);
    QCOMPARE(int(b[125]), 1);
    QCOMPARE(get<qint32>(b, 126), 2);
    QCOMPARE(get<qint32>(b, 130), 0);
    QCOMPARE(int(b[134]), 1);
    QCOMPARE(QByteArray(b + 135, 34), QByteArray(34, '\0'));  // BoMd5 and Md5
    QCOMPARE(get<qint32>(b, 169), 1);
    QCOMPARE(get<qint32>(b, 181), 4);
    QCOMPARE(QByteArray(b + 185, 4), QByteArray("\x07\x01\x01\x01", 4));
    QCOMPARE(QByteArray(b + 189, 24), QByteArray(24, '\0'));
    QCOMPARE(QByteArray(b + 213, 4), QByteArray("AB12"));
  }

  void roundTripKeepsEveryField() {
    const PrintItem item = fullItem();
    const QByteArray bytes = item.toBytes();
    QString error;
    const auto back = PrintItem::fromBytes(bytes.constData(), bytes.size(), &error);
    QVERIFY2(back, qPrintable(error));
    QCOMPARE(back->toBytes(), bytes);
    QCOMPARE(back->PrintRect, item.PrintRect);
    QCOMPARE(back->barcodeText(), QStringLiteral("AB12"));
  }

  void fontNameCutAtCharacterBoundary_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expectedBytes");
    QTest::newRow("ascii fits") << QString(64, QLatin1Char('a')) << 64;
    QTest::newRow("ascii cut") << QString(70, QLatin1Char('a')) << 64;
    QTest::newRow("chinese cut to 32 characters") << QString(40, QChar(0x5B8B)) << 64;
    QTest::newRow("odd boundary") << (QStringLiteral("a") + QString(40, QChar(0x5B8B))) << 63;
  }
  void fontNameCutAtCharacterBoundary() {
    QFETCH(QString, name);
    QFETCH(int, expectedBytes);
    PrintItem item;
    item.FontName = name;
    const QByteArray bytes = item.toBytes();
    QCOMPARE(int(quint8(bytes[12])), expectedBytes);
    const auto back = PrintItem::fromBytes(bytes.constData(), bytes.size());
    QVERIFY(back);
    QVERIFY(name.startsWith(back->FontName));
    QCOMPARE(cp936::byteLength(back->FontName), expectedBytes);
  }

  void lengthByteClampedToCapacity() {
    QByteArray bytes = PrintItem().toBytes();
    bytes[12] = char(200);
    std::fill(bytes.begin() + 13, bytes.begin() + 77, 'x');
    const auto back = PrintItem::fromBytes(bytes.constData(), bytes.size());
    QVERIFY(back);
    QCOMPARE(back->FontName, QString(64, QLatin1Char('x')));
  }

  void damagedItemsRefused_data() {
    QTest::addColumn<qint64>("headSize");
    QTest::addColumn<qint64>("dataSize");
    QTest::addColumn<int>("available");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << qint64(213) << qint64(10) << 223 << true;
    QTest::newRow("longer head skipped") << qint64(220) << qint64(3) << 223 << true;
    QTest::newRow("head too small") << qint64(212) << qint64(0) << 223 << false;
    QTest::newRow("head past end") << qint64(224) << qint64(0) << 223 << false;
    QTest::newRow("payload past end") << qint64(213) << qint64(11) << 223 << false;
    QTest::newRow("huge payload") << qint64(213) << qint64(0xFFFFFFFF) << 223 << false;
    QTest::newRow("truncated header") << qint64(213) << qint64(0) << 200 << false;
  }
  void damagedItemsRefused() {
    QFETCH(qint64, headSize);
    QFETCH(qint64, dataSize);
    QFETCH(int, available);
    QFETCH(bool, accepted);
    QByteArray bytes(223, '\0');
    binary::put<quint32>(bytes.data(), 0, quint32(headSize));
    binary::put<quint32>(bytes.data(), 4, quint32(dataSize));
    QString error;
    const auto item = PrintItem::fromBytes(bytes.constData(), available, &error);
    QCOMPARE(bool(item), accepted);
    QCOMPARE(error.isEmpty(), accepted);
    if (item) QCOMPARE(item->payload.size(), qsizetype(dataSize));
  }

  void textPayloadIsUtf16() {
    PrintItem item;
    SetItemText(item, QStringLiteral("收货人A"));
    QCOMPARE(item.DataSize, 8u);
    QCOMPARE(item.PrintElementSize, 4u);
    QCOMPARE(item.payload.mid(6), QByteArray("A\0", 2));
    QCOMPARE(ItemText(item), QStringLiteral("收货人A"));
    item.payload.append(QByteArray("\0\0B\0", 4));
    QCOMPARE(ItemText(item), QStringLiteral("收货人A"));  // stops at the terminator
  }

  void barcodePayloadSizedInCodePageBytes() {
    PrintItem item;
    item.setBarcodeText(QStringLiteral("条码12"));
    QCOMPARE(item.DataSize, 6u);
    QCOMPARE(item.PrintElementSize, 6u);
    QCOMPARE(item.barcodeText(), QStringLiteral("条码12"));
  }

  void backgroundKeyIsShortString50() {
    PrintItem item;
    const QString key = QStringLiteral("0123456789abcdef0123456789abcdef");
    item.setBackgroundKey(key);
    QCOMPARE(item.DataSize, 51u);
    QCOMPARE(int(item.payload[0]), 32);
    QCOMPARE(item.backgroundKey(), key);
    item.payload.truncate(10);
    QCOMPARE(item.backgroundKey(), key.left(9));
  }

  void penBlocks() {
    PenBlock pen;
    pen.PenStyle = 2;
    pen.Kind = 3;
    pen.AntiAliasing = 1;
    pen.PenWidth = 4;
    pen.PenColor = 0x0000FF;
    pen.FullFill = true;
    const QByteArray line = pen.toLineBytes();
    const QByteArray shape = pen.toShapeBytes();
    QCOMPARE(line.size(), 25);
    QCOMPARE(shape.size(), 26);
    QCOMPARE(shape.left(25), line);
    QCOMPARE(get<qint32>(line.constData(), 0), 25);
    QCOMPARE(get<quint16>(line.constData(), 4), quint16(1));
    QCOMPARE(get<qint32>(line.constData(), 8), 2);
    QCOMPARE(get<qint32>(line.constData(), 12), 3);
    QCOMPARE(int(line[16]), 1);
    QCOMPARE(get<qint32>(line.constData(), 17), 4);
    QCOMPARE(get<qint32>(line.constData(), 21), 0xFF);
    QCOMPARE(int(shape[25]), 1);
    QVERIFY(!PenBlock::fromBytes(line)->FullFill);
    QVERIFY(PenBlock::fromBytes(shape)->FullFill);
    QString error;
    QVERIFY(!PenBlock::fromBytes(line.left(24), &error));
    QVERIFY(!error.isEmpty());
  }

  void fillItemHeader_data() {
    QTest::addColumn<qint32>("color");
    QTest::addColumn<qint32>("stored");
    QTest::newRow("black") << 0 << 0;
    QTest::newRow("window text") << kColorWindowText << 0;
    QTest::newRow("red") << 0xFF << 0xFF;
  }
  void fillItemHeader() {
    QFETCH(qint32, color);
    QFETCH(qint32, stored);
    PrintItem item = fullItem();
    const ItemFont font{QStringLiteral("Arial"), 10, true, true, false, true, color};
    FillItemHeader(item, &font);
    QCOMPARE(item.FontName, QStringLiteral("Arial"));
    QCOMPARE(item.FontSize, 10);
    QVERIFY(item.FontBlod && item.FontItalic && !item.FontUnderLine && item.FontStrikOut);
    QCOMPARE(item.FontColor, stored);
    QVERIFY(item.payload.isEmpty() && !item.HasFontExt && item.PrintType == 0 && item.PrintRect == ItemRect{});
    FillItemHeader(item, static_cast<const ItemFont *>(nullptr));
    QCOMPARE(item.toBytes(), PrintItem().toBytes());
  }

  void rulesThroughPropertyObjects() {
    FakeDesign plain;
    FakeRotatableDesign rotatable;
    PrintItem item;
    FillItemHeader(item, static_cast<IQELDesign *>(&rotatable));
    QCOMPARE(item.FontName, QStringLiteral("黑体"));
    QCOMPARE(item.FontSize, 14);
    QVERIFY(item.FontBlod && !item.FontItalic && item.FontUnderLine && !item.FontStrikOut);
    QCOMPARE(item.FontColor, 0);
    FillItemHeader(item, static_cast<IQELDesign *>(nullptr));
    QVERIFY(item.FontName.isEmpty() && item.FontSize == 0);
    const ControlGeometry control{10, 20, 30, 40, 200, 100};
    QCOMPARE(DesignAngle(&rotatable), 900);
    QCOMPARE(DesignAngle(&plain), 0);
    QCOMPARE(ControlPrintRect(&control, static_cast<IQELDesign *>(&rotatable)), (ItemRect{20, 160, 60, 190}));
    QCOMPARE(ControlPrintRect(&control, static_cast<IQELDesign *>(&plain)), (ItemRect{10, 20, 40, 60}));
  }

  void controlPrintRect_data() {
    QTest::addColumn<qint32>("angle");
    QTest::addColumn<ItemRect>("expected");
    // control (10, 20) 30 x 40 on a 200 x 100 panel
    QTest::newRow("0") << 0 << ItemRect{10, 20, 40, 60};
    QTest::newRow("900") << 900 << ItemRect{20, 160, 60, 190};
    QTest::newRow("1800 mirrors both axes") << 1800 << ItemRect{160, 40, 190, 80};
    QTest::newRow("2700") << 2700 << ItemRect{40, 10, 80, 40};
    QTest::newRow("899 is unrotated") << 899 << ItemRect{10, 20, 40, 60};
    QTest::newRow("3600 is unrotated") << 3600 << ItemRect{10, 20, 40, 60};
  }
  void controlPrintRect() {
    QFETCH(qint32, angle);
    QFETCH(ItemRect, expected);
    const ControlGeometry control{10, 20, 30, 40, 200, 100};
    QCOMPARE(ControlPrintRect(&control, angle), expected);
    QCOMPARE(ControlBaseRect(&control), (ItemRect{10, 20, 40, 60}));
    QCOMPARE(ControlPrintRect(nullptr, angle), ItemRect{});
    QCOMPARE(ControlBaseRect(nullptr), ItemRect{});
  }
};

QTEST_APPLESS_MAIN(TestPrintItem)
#include "tst_printitem.moc"
