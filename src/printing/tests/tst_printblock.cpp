#include "core/base64.h"
#include "core/binaryfields.h"
#include "core/datetime.h"
#include "printing/pageunits.h"
#include "printing/printblock.h"
#include "printing/printrecord.h"

#include <QtTest>

using namespace op;
using binary::get;
using binary::put;

namespace {

PrintItem textItem(const QString &text, ItemRect rect) {
  PrintItem item;
  item.FontName = QStringLiteral("Arial");
  item.FontSize = 9;
  item.PrintRect = rect;
  item.setText(text);
  return item;
}

QByteArray twoItemBlock() {
  const PrintItem a = textItem(QStringLiteral("甲"), {10, 20, 30, 40});
  const PrintItem b = textItem(QStringLiteral("abc"), {-7, 5, 9, 99});
  return BuildPrintBlock({&a, nullptr, &b}, QDateTime(QDate(2024, 3, 1), QTime(12, 0)));
}

}  // namespace

class TestPrintBlock : public QObject {
  Q_OBJECT

 private slots:
  void blockLayout() {
    const QByteArray block = twoItemBlock();
    const char *b = block.constData();
    const int first = 213 + 2, second = 213 + 6;
    QCOMPARE(block.size(), 36 + 2 * 36 + first + second);
    QCOMPARE(get<quint32>(b, 0), quint32(block.size()));
    QCOMPARE(get<double>(b, 4), toDateDouble(QDateTime(QDate(2024, 3, 1), QTime(12, 0))));
    QCOMPARE(get<quint16>(b, 12), quint16(1));
    QCOMPARE(get<quint16>(b, 14), quint16(0));
    QCOMPARE(get<quint32>(b, 16), 2u);
    QCOMPARE(QByteArray(b + 20, 16), QByteArray(16, '\0'));
    QCOMPARE(get<quint32>(b, 36), quint32(first));
    QCOMPARE(QByteArray(b + 40, 32), QByteArray(32, '\0'));
    QCOMPARE(get<quint32>(b, 72), quint32(second));
    QCOMPARE(get<quint32>(b, 108), 213u);  // first item right after the index
    QCOMPARE(get<quint32>(b, 108 + first), 213u);
    const auto items = ReadPrintBlockItems(block);
    QVERIFY(items);
    QCOMPARE(items->size(), size_t(2));
    QCOMPARE(items->at(1).text(), QStringLiteral("abc"));
  }

  void emptyListGivesNoBlock() {
    QVERIFY(BuildPrintBlock({}).isNull());
    QVERIFY(BuildPrintBlock({nullptr}).isNull());
    const QByteArray empty = EmptyPrintBlock();
    QCOMPARE(empty.size(), 36);
    QCOMPARE(get<quint32>(empty.constData(), 0), 36u);
    QCOMPARE(ReadPrintBlockItems(empty)->size(), size_t(0));
  }

  void copyTakesDataSizeBytes() {
    QVERIFY(CopyPrintBlock(QByteArray()).isNull());
    const QByteArray block = twoItemBlock();
    QCOMPARE(CopyPrintBlock(block + QByteArray("trailing")), block);
  }

  void scaling_data() {
    QTest::addColumn<double>("yFactor");
    QTest::addColumn<double>("xFactor");
    QTest::addColumn<ItemRect>("first");
    QTest::addColumn<ItemRect>("second");
    QTest::newRow("x 3.125, y 2.5") << 2.5 << 3.125 << ItemRect{31, 50, 93, 100} << ItemRect{-21, 12, 28, 247};
    QTest::newRow("truncated toward zero") << 0.33 << 0.33 << ItemRect{3, 6, 9, 13} << ItemRect{-2, 1, 2, 32};
    QTest::newRow("x zero leaves unscaled") << 2.0 << 0.0 << ItemRect{10, 20, 30, 40} << ItemRect{-7, 5, 9, 99};
    QTest::newRow("y zero leaves unscaled") << 0.0 << 2.0 << ItemRect{10, 20, 30, 40} << ItemRect{-7, 5, 9, 99};
  }
  void scaling() {
    QFETCH(double, yFactor);
    QFETCH(double, xFactor);
    QFETCH(ItemRect, first);
    QFETCH(ItemRect, second);
    QByteArray block = twoItemBlock();
    const QByteArray original = block;
    QVERIFY(ScalePrintBlock(block, yFactor, xFactor));
    const auto items = ReadPrintBlockItems(block);
    QCOMPARE(items->at(0).PrintRect, first);
    QCOMPARE(items->at(1).PrintRect, second);
    // Only the rectangles change.
    for (qsizetype i = 0; i < block.size(); ++i) {
      const qsizetype inFirst = i - 108 - PrintItem::kOffPrintRect;
      const qsizetype inSecond = inFirst - 215;
      if ((inFirst >= 0 && inFirst < 16) || (inSecond >= 0 && inSecond < 16)) continue;
      QCOMPARE(block[i], original[i]);
    }
  }

  void damagedBlocksRefused_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<int>("truncateTo");
    const int count = 16, dataSize = 0, firstHead = 108, firstData = 112;
    QTest::newRow("item count too large") << count << 3u << -1;
    QTest::newRow("index past the end") << count << 100000000u << -1;
    QTest::newRow("DataSize past the bytes") << dataSize << 100000u << -1;
    QTest::newRow("DataSize below header") << dataSize << 35u << -1;
    QTest::newRow("item head below 213") << firstHead << 212u << -1;
    QTest::newRow("item payload past DataSize") << firstData << 100u << -1;
    QTest::newRow("block cut short") << dataSize << 0u << 300;
    QTest::newRow("shorter than header") << dataSize << 0u << 20;
  }
  void damagedBlocksRefused() {
    QFETCH(int, offset);
    QFETCH(quint32, value);
    QFETCH(int, truncateTo);
    QByteArray block = twoItemBlock();
    if (truncateTo >= 0)
      block.truncate(truncateTo);
    else
      put<quint32>(block.data(), offset, value);
    QString error;
    QVERIFY(!ReadPrintBlockItems(block, &error));
    QVERIFY(!error.isEmpty());
    const QByteArray before = block;
    QVERIFY(!ScalePrintBlock(block, 2, 2));
    QCOMPARE(block, before);
    QVERIFY(!BlockHasKind(block, kColouredText));
  }

  void blockHasKind_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("color");
    QTest::addColumn<bool>("hasFontExt");
    QTest::addColumn<int>("angle");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<int>("what");
    QTest::addColumn<bool>("expected");
    QTest::newRow("coloured text") << 0 << 0xFF << false << 0 << false << 0 << true;
    QTest::newRow("black text") << 0 << 0 << false << 0 << false << 0 << false;
    QTest::newRow("coloured line is no text") << 5 << 0xFF << false << 0 << false << 0 << false;
    QTest::newRow("rotated text") << 0 << 0 << true << 900 << false << 1 << true;
    QTest::newRow("rotation flag with angle 0") << 0 << 0 << true << 0 << false << 1 << false;
    QTest::newRow("angle without flag") << 0 << 0 << false << 900 << false << 1 << false;
    QTest::newRow("stretched image") << 1 << 0 << false << 0 << true << 2 << true;
    QTest::newRow("stretch flag on text") << 0 << 0 << false << 0 << true << 2 << false;
  }
  void blockHasKind() {
    QFETCH(int, type);
    QFETCH(int, color);
    QFETCH(bool, hasFontExt);
    QFETCH(int, angle);
    QFETCH(bool, stretch);
    QFETCH(int, what);
    QFETCH(bool, expected);
    PrintItem plain = textItem(QStringLiteral("x"), {});
    PrintItem item = plain;
    item.PrintType = type;
    item.FontColor = color;
    item.HasFontExt = hasFontExt;
    item.FontExtValue = angle;
    item.BoStretch = stretch;
    QCOMPARE(BlockHasKind(BuildPrintBlock({&plain, &item}), what), expected);
  }

  void recordLayout() {
    PrintHistoryInfo info;
    info.Title = QStringLiteral("出库单");
    info.BkX = 1.25f;
    info.BkY = 0.5f;
    info.OffSetx = -10;
    info.OffSety = 300;
    const QByteArray block = twoItemBlock();
    const QByteArray record = BuildPrintRecord(info, block);
    const char *b = record.constData();
    QCOMPARE(record.size(), 158 + block.size());
    QCOMPARE(get<quint32>(b, 0), 158u);
    QCOMPARE(get<quint32>(b, 4), 0u);  // MainVer, SubVer
    QCOMPARE(get<qint32>(b, 8), 0);
    QCOMPARE(QByteArray(b + 12, 65), QByteArray(65, '\0'));
    QCOMPARE(int(b[77]), 6);
    QCOMPARE(get<float>(b, 142), 1.25f);
    QCOMPARE(get<float>(b, 146), 0.5f);
    QCOMPARE(get<quint16>(b, 150), quint16(0xFFF6));
    QCOMPARE(get<quint16>(b, 152), quint16(300));
    QCOMPARE(QByteArray(b + 154, 4), QByteArray(4, '\0'));
    QCOMPARE(record.mid(158), block);
    const auto back = ReadPrintRecord(record);
    QVERIFY(back);
    QCOMPARE(back->info.Title, info.Title);
    QCOMPARE(back->info.OffSetx, qint16(-10));
    QCOMPARE(back->block, block);
  }

  void titleCutInBytes() {
    PrintHistoryInfo info;
    info.Title = QString(50, QChar(0x5355));  // 100 bytes in code page 936
    const QByteArray record = BuildPrintRecord(info, twoItemBlock());
    QCOMPARE(int(quint8(record[77])), 64);
    QCOMPARE(ReadPrintRecord(record)->info.Title, QString(32, QChar(0x5355)));
  }

  void damagedRecordsRefused_data() {
    QTest::addColumn<QByteArray>("record");
    const QByteArray good = BuildPrintRecord({}, twoItemBlock());
    QByteArray small = good;
    put<quint32>(small.data(), 0, 157);
    QByteArray huge = good;
    put<quint32>(huge.data(), 0, 0x7FFFFFFF);
    QByteArray badCount = good;
    put<quint32>(badCount.data(), 158 + 16, 5);
    QTest::newRow("short header") << good.left(100);
    QTest::newRow("head size below 158") << small;
    QTest::newRow("head size past end") << huge;
    QTest::newRow("block item count") << badCount;
    QTest::newRow("block cut") << good.left(good.size() - 1);
  }
  void damagedRecordsRefused() {
    QFETCH(QByteArray, record);
    QString error;
    QVERIFY(!ReadPrintRecord(record, &error));
    QVERIFY(!error.isEmpty());
  }

  void mmToDevicePixels_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<double>("cm");
    QTest::addColumn<int>("pixels");
    QTest::newRow("-10 mm at 600 dpi") << 600 << -1.0 << -236;
    QTest::newRow("1 mm at 300 dpi") << 300 << 0.1 << 12;
    QTest::newRow("1 mm at 600 dpi") << 600 << 0.1 << 24;
    QTest::newRow("2.54 cm at 96 dpi") << 96 << 2.54 << 96;
  }
  void mmToDevicePixels() {
    QFETCH(int, dpi);
    QFETCH(double, cm);
    QFETCH(int, pixels);
    QCOMPARE(MmToDevicePixels(dpi, cm), pixels);
  }

  void designScale() {
    QCOMPARE(DesignScale(210, 96, 794), 794.0 / 794);  // Round(96 × 21 ÷ 2.54) = 794
    QCOMPARE(DesignScale(210, 96, 0), 0.0);
    QCOMPARE(DesignScale(210, 96, -5), 0.0);
    QCOMPARE(DeviceRatio(600, 96), 6.25);
    QCOMPARE(DeviceRatio(0, 96), 1.0);
    QCOMPARE(DeviceRatio(600, 0), 1.0);
    QCOMPARE(OffsetToDevicePixels(-10, 1, 600), -236);
    QCOMPARE(OffsetToDevicePixels(-10, 0, 600), -10);
  }
};

QTEST_APPLESS_MAIN(TestPrintBlock)
#include "tst_printblock.moc"
