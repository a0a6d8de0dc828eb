#include <QtTest>

#include <cmath>

#include "controls/currency_edit.h"
#include "controls/currency_label.h"
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

QStringList propertyNames(const Persistent &object) {
  QStringList names;
  for (const PropertyDescriptor &descriptor : object.publishedProperties()) names << descriptor.name;
  return names;
}

MoneyAmount amountOf(const QString &text) {
  return MoneyAmount::fromCurrency(*parseCurrency(text));
}

// Plays keys on a cell editor: digits, "." point, "B" backspace, "D" delete, "X" Ctrl+Delete, "-" minus,
// "+" keypad plus, "H" home, "E" end, "L"/"R" arrows, "<"/">" Ctrl+arrows.
void play(CurrencyCellEditor &cells, const QString &keys) {
  for (const QChar key : keys) {
    if (key.isDigit()) {
      cells.keyPress(Qt::Key_0 + key.digitValue(), Qt::NoModifier, false);
      continue;
    }
    switch (key.unicode()) {
      case '.':
        cells.keyPress(Qt::Key_Period, Qt::NoModifier, false);
        break;
      case 'B':
        cells.keyPress(Qt::Key_Backspace, Qt::NoModifier, false);
        break;
      case 'D':
        cells.keyPress(Qt::Key_Delete, Qt::NoModifier, false);
        break;
      case 'X':
        cells.keyPress(Qt::Key_Delete, Qt::ControlModifier, false);
        break;
      case '-':
        cells.keyPress(Qt::Key_Minus, Qt::NoModifier, false);
        break;
      case '+':
        cells.keyPress(Qt::Key_Plus, Qt::KeypadModifier, true);
        break;
      case 'H':
        cells.keyPress(Qt::Key_Home, Qt::NoModifier, false);
        break;
      case 'E':
        cells.keyPress(Qt::Key_End, Qt::NoModifier, false);
        break;
      case 'L':
        cells.keyPress(Qt::Key_Left, Qt::NoModifier, false);
        break;
      case 'R':
        cells.keyPress(Qt::Key_Right, Qt::NoModifier, false);
        break;
      case '<':
        cells.keyPress(Qt::Key_Left, Qt::ControlModifier, false);
        break;
      case '>':
        cells.keyPress(Qt::Key_Right, Qt::ControlModifier, false);
        break;
      default:
        QFAIL("unknown key in test row");
    }
  }
}

// An editor of 11 cells holding `amount` with the cursor on `cursor` (-1: the units cell).
CurrencyCellEditor editorWith(const QString &amount, int cursor) {
  CurrencyCellEditor cells;
  cells.setDigitalNumber(11);
  cells.setAmount(amountOf(amount));
  cells.focusIn();
  if (cursor >= 0) cells.click(cursor, false);
  return cells;
}

QStringList cellsOf(const QString &layout) {
  QStringList cells;
  for (const QString &cell : layout.split(u'|')) cells << cell;
  return cells;
}

}  // namespace

class TestCurrencyFields : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    registerCurrencyEditClass();
    registerCurrencyLabelClass();
    setDesignMode(true);
  }
  void cleanup() { QCOMPARE(designRegistry().fields().size(), 0); }

  void publishedOrder() {
    TQELCurrencyEdit edit;
    QCOMPARE(propertyNames(*edit.designObject()),
             QStringList({"TextStyle", "FontName", "FontSize", "FontBold", "FontItalic", "FontUnderLine",
                          "FontStrikeOut", "ATop", "ALeft", "AHeight", "AWidth", "FontExtStyle", "ControlName",
                          "ControlId", "FontColor", "IsHM", "BoPrintLabel", "DbStoreFlag"}));
    TQELCurrencyLabel label;
    QCOMPARE(propertyNames(*label.designObject()), QStringList({"TextStyle",
                                                                "FontName",
                                                                "FontSize",
                                                                "FontBold",
                                                                "FontItalic",
                                                                "FontUnderLine",
                                                                "FontStrikeOut",
                                                                "Top",
                                                                "Left",
                                                                "Height",
                                                                "Width",
                                                                "FontExtStyle",
                                                                "ControlName",
                                                                "ControlId",
                                                                "FontColor",
                                                                "BoNum",
                                                                "ShowMoneyFlag",
                                                                "ShowKFlag",
                                                                "ShowDigits",
                                                                "MoneyFlagType",
                                                                "QELCurrencyEditLink",
                                                                "DateLinkId",
                                                                "ForceShowEndText",
                                                                "BoShowSub",
                                                                "SubIndex",
                                                                "DbStoreFlag"}));
    QCOMPARE(propertyText(*edit.designObject(), "IsHM"), QStringLiteral("True"));
    QCOMPARE(propertyText(*label.designObject(), "TextStyle"), QStringLiteral("3"));
    QCOMPARE(propertyText(*label.designObject(), "ForceShowEndText"), QStringLiteral("True"));
    QVERIFY(setPropertyText(*edit.designObject(), "IsHM", "False"));
    QCOMPARE(edit.cells().DigitalNumber(), 10);
    QCOMPARE(edit.geometry().size(), QSize(121, 25));
  }

  void typing_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<int>("cursorAfter");
    QTest::newRow("digits enter at the units cell") << "0" << -1 << "123"
                                                    << "123.00" << 8;
    QTest::newRow("point, then decimals") << "0" << -1 << "123.45"
                                          << "123.45" << 10;
    QTest::newRow("digit on the last decimal cell") << "0" << -1 << "123.456"
                                                    << "123.46" << 10;
    QTest::newRow("tenth integer digit does not fit") << "123456789" << -1 << "1"
                                                      << "123456789.00" << 8;
    QTest::newRow("a zero typed at zero") << "0" << -1 << "0"
                                          << "0.00" << 8;
    QTest::newRow("digit left of the first character") << "123" << -1 << "H4"
                                                       << "4123.00" << 5;
    QTest::newRow("backspace on the units cell") << "123" << -1 << "B"
                                                 << "13.00" << 8;
    QTest::newRow("backspace on the first character") << "123" << 6 << "B"
                                                      << "23.00" << 7;
    QTest::newRow("backspace left of the first character") << "123" << 5 << "B"
                                                           << "123.00" << 6;
    QTest::newRow("backspace of the only digit") << "5" << -1 << "B"
                                                 << "0.00" << 8;
    QTest::newRow("backspace on the second decimal") << "123.45" << 10 << "B"
                                                     << "123.50" << 9;
    QTest::newRow("backspace on the first decimal") << "123.45" << 9 << "B"
                                                    << "123.50" << 9;
    QTest::newRow("backspace deletes the minus sign") << "-12.5" << 7 << "B"
                                                      << "12.50" << 7;
    QTest::newRow("delete on a digit") << "123" << 7 << "D"
                                       << "13.00" << 8;
    QTest::newRow("delete left of the first character") << "123" << 5 << "D"
                                                        << "123.00" << 6;
    QTest::newRow("delete on a decimal") << "123.45" << 9 << "D"
                                         << "123.50" << 9;
    QTest::newRow("ctrl+delete") << "123.45" << 10 << "X"
                                 << "0.00" << 8;
    QTest::newRow("minus") << "12.5" << -1 << "-"
                           << "-12.50" << 8;
    QTest::newRow("minus, keypad plus") << "12.5" << -1 << "-+"
                                        << "12.50" << 8;
    QTest::newRow("minus before the digits") << "0" << -1 << "-5"
                                             << "-5.00" << 8;
    QTest::newRow("minus that does not fit") << "123456789" << -1 << "-"
                                             << "123456789.00" << 8;
    QTest::newRow("digit that leaves no room for the sign") << "-12345678" << -1 << "1"
                                                            << "-12345678.00" << 8;
    QTest::newRow("point toggles") << "0" << -1 << ".."
                                   << "0.00" << 8;
    QTest::newRow("home, end") << "123" << -1 << "H"
                               << "123.00" << 5;
    QTest::newRow("end") << "123" << -1 << "E"
                         << "123.00" << 10;
    QTest::newRow("left stops at the left limit") << "123" << -1 << "LLLLL"
                                                  << "123.00" << 5;
    QTest::newRow("right stops at the last cell") << "123" << -1 << "RRRR"
                                                  << "123.00" << 10;
    QTest::newRow("ctrl+left to the next group") << "123456789" << -1 << "<"
                                                 << "123456789.00" << 5;
    QTest::newRow("ctrl+left twice") << "123456789" << -1 << "<<"
                                     << "123456789.00" << 2;
    QTest::newRow("ctrl+left not past the left limit") << "123" << -1 << "<<"
                                                       << "123.00" << 5;
    QTest::newRow("ctrl+left from the decimals") << "0" << 10 << "<<"
                                                 << "0.00" << 8;
    QTest::newRow("ctrl+right to the units") << "123456789" << 6 << ">"
                                             << "123456789.00" << 8;
    QTest::newRow("ctrl+right from the far left") << "123456789" << 0 << ">"
                                                  << "123456789.00" << 2;
    QTest::newRow("ctrl+right into the decimals") << "0" << -1 << ">>"
                                                  << "0.00" << 10;
  }
  void typing() {
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(QString, keys);
    CurrencyCellEditor cells = editorWith(start, cursor);
    play(cells, keys);
    QTEST(cells.formatted(), "amount");
    QTEST(cells.cursor(), "cursorAfter");
  }

  void readOnlyAndMoveOut() {
    CurrencyCellEditor cells = editorWith("12", -1);
    cells.ReadOnly = true;
    QCOMPARE(cells.keyPress(Qt::Key_5, Qt::NoModifier, false), CellKeyResult::Ignored);
    QCOMPARE(cells.keyPress(Qt::Key_Backspace, Qt::NoModifier, false), CellKeyResult::Ignored);
    QCOMPARE(cells.keyPress(Qt::Key_Minus, Qt::NoModifier, false), CellKeyResult::Ignored);
    QCOMPARE(cells.keyPress(Qt::Key_Period, Qt::NoModifier, false), CellKeyResult::Handled);
    QCOMPARE(cells.cursor(), 9);
    QCOMPARE(cells.formatted(), QStringLiteral("12.00"));
    QCOMPARE(cells.keyPress(Qt::Key_End, Qt::NoModifier, false), CellKeyResult::Handled);
    QCOMPARE(cells.keyPress(Qt::Key_Right, Qt::NoModifier, false), CellKeyResult::Handled);
    QCOMPARE(cells.keyPress(Qt::Key_Up, Qt::NoModifier, false), CellKeyResult::Ignored);
    cells.MoveOutAllowed = true;
    QCOMPARE(cells.keyPress(Qt::Key_Right, Qt::NoModifier, false), CellKeyResult::MoveOut);
    QCOMPARE(cells.keyPress(Qt::Key_Down, Qt::NoModifier, false), CellKeyResult::MoveOut);
    cells.click(6, false);  // the left limit of 12.00: the cell left of the 1
    QCOMPARE(cells.keyPress(Qt::Key_Left, Qt::NoModifier, false), CellKeyResult::MoveOut);
    QCOMPARE(cells.cursor(), 6);
  }

  void clicks() {
    CurrencyCellEditor cells = editorWith("123", -1);
    cells.click(2, true);  // giving the focus: not left of the first character
    QCOMPARE(cells.cursor(), 6);
    cells.click(0, false);  // while focused: not left of the cell left of it
    QCOMPARE(cells.cursor(), 5);
    cells.click(-1, true);  // a grid line
    QCOMPARE(cells.cursor(), 8);
    CellLayout layout = cells.layout(121);
    QCOMPARE(layout.cellWidth, 10);
    QCOMPARE(layout.cellAt(0), 0);
    QCOMPARE(layout.cellAt(9), 0);
    QCOMPARE(layout.cellAt(10), -1);  // grid line
    QCOMPARE(layout.cellAt(11), 1);
    QCOMPARE(layout.cellAt(119), 10);
    QCOMPARE(layout.cellAt(120), -1);  // 121 - 11 x 10 - 10 lines: one pixel unused
  }

  void shownCells_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QString>("cells");
    QTest::newRow("123.45") << "123.45" << false << "|||||￥|1|2|3|4|5";
    QTest::newRow("negative") << "-12.5" << false << "|||||￥|-|1|2|5|0";
    QTest::newRow("zero, not focused") << "0" << false << "||||||||||";
    QTest::newRow("zero, focused") << "0" << true << "|||||||￥|0|0|0";
    QTest::newRow("all cells used") << "123456789" << false << "1|2|3|4|5|6|7|8|9|0|0";
    QTest::newRow("beyond the cells") << "1234567890123" << false << "*|*|*|*|*|*|*|*|*|*|*";
  }
  void shownCells() {
    QFETCH(QString, amount);
    QFETCH(bool, focused);
    QFETCH(QString, cells);
    const CurrencyCellEditor editor = editorWith(amount, -1);
    QCOMPARE(editor.cellTexts(focused), cellsOf(cells));
  }

  void lineColours() {
    CurrencyCellEditor cells;
    cells.setDigitalNumber(11);
    QCOMPARE(cells.lineColor(9), cells.DecimalSeparatorColor);
    QCOMPARE(cells.lineColor(6), cells.KilobitSeparatorColor);
    QCOMPARE(cells.lineColor(3), cells.KilobitSeparatorColor);
    QCOMPARE(cells.lineColor(10), cells.GridLineColor);
    QCOMPARE(cells.lineColor(8), cells.GridLineColor);
  }

  void amountsFromOutside() {
    TQELCurrencyEdit edit;
    auto *value = query<IQELExprFloatValue>(edit.GetDesign());
    QVERIFY(value && value->IsNumeric());
    value->SetFloatValue(0.1 + 0.2);
    QCOMPARE(edit.cells().formatted(), QStringLiteral("0.30"));
    value->SetFloatValue(-1234.5);
    QCOMPARE(value->GetFloatValue(), -1234.5);
    // Refused, the amount stays: no number, and more digits than 18 cells hold.
    for (const double refused : {std::nan(""), double(INFINITY), 1e16, -1e17}) {
      QVERIFY(!edit.setFloatValue(refused));
      QCOMPARE(edit.cells().formatted(), QStringLiteral("-1234.50"));
    }
    QVERIFY(edit.setFloatValue(999999999999999.0));
    QCOMPARE(edit.cells().formatted(), QStringLiteral("999999999999999.00"));
    QVERIFY(edit.setAmount(MoneyAmount{false, 9'999'999'999'999'999ull, 0}));
    QCOMPARE(edit.cells().formatted(), QStringLiteral("9999999999999999.00"));
    QVERIFY(!edit.setAmount(MoneyAmount{false, 10'000'000'000'000'000ull, 0}));
    QCOMPARE(edit.cells().formatted(), QStringLiteral("9999999999999999.00"));
  }

  void modifiedAndUndo() {
    TQELCurrencyEdit edit;
    edit.setFloatValue(12);
    QVERIFY(!edit.cells().Modified());
    edit.keyPress(Qt::Key_3, Qt::NoModifier);
    QCOMPARE(edit.cells().formatted(), QStringLiteral("123.00"));
    QVERIFY(edit.cells().Modified());
    QCOMPARE(edit.hint(), QStringLiteral("123.00"));
    edit.undo();
    QCOMPARE(edit.cells().formatted(), QStringLiteral("12.00"));
    QVERIFY(!edit.cells().Modified());
  }

  void printedCells_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("printed");
    QTest::newRow("123.45") << "123.45"
                            << "     ￥12345";
    QTest::newRow("negative") << "-12.5"
                              << "     ￥-1250";
    QTest::newRow("zero") << "0"
                          << "       ￥000";
    QTest::newRow("all cells") << "123456789"
                               << "12345678900";
    QTest::newRow("beyond the cells: stars, never a cut amount") << "1234567890123"
                                                                 << "***********";
  }
  void printedCells() {
    QFETCH(QString, amount);
    QFETCH(QString, printed);
    TQELCurrencyEdit edit;
    edit.setGeometry(QRect(10, 20, 121, 25));
    edit.setAmount(amountOf(amount));
    IQELPrintData *print = edit.GetPrintData();
    QCOMPARE(print->GetPrintDataCount(), 11);
    for (int k = 0; k < 11; ++k) {
      auto item = print->GetPrinteData(k);
      if (printed.at(k) == u' ') {
        QVERIFY2(!item, qPrintable(QString::number(k)));
        continue;
      }
      QVERIFY(item);
      QCOMPARE(item->text(), QString(printed.at(k)));
      // Cell k spans (W' div N) × k to (W' div N) × (k + 1), W' = 121 reduced to a multiple of 11.
      QCOMPARE(item->PrintRect, (ItemRect{10 + 11 * k, 20, 10 + 11 * (k + 1), 45}));
      QCOMPARE(item->BaseRect, item->PrintRect);
      QVERIFY(item->HasTextStyle && item->HasTextHorzStyle && !item->HasFontExt);
      QCOMPARE(item->TextStyle, 2);
      QCOMPARE(item->TextHorzStyleValue, 2);
    }
    edit.boPrintLabel = false;
    QVERIFY(!print->GetPrinteData(10));
  }

  void cellPositionsOfAWideEdit() {
    TQELCurrencyEdit edit;
    edit.setGeometry(QRect(0, 0, 125, 25));  // W' = 121: four pixels stay unused
    edit.setIsHM(false);                     // 10 cells: W' = 120, step 12
    edit.setFloatValue(5);
    auto item = edit.GetPrintData()->GetPrinteData(9);
    QCOMPARE(item->PrintRect, (ItemRect{108, 0, 120, 25}));
  }

  void capitals_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("capitals");
    QTest::newRow("123.45") << "123.45"
                            << "壹佰贰拾叁元肆角伍分整";
    QTest::newRow("0") << "0"
                       << "元整";
    QTest::newRow("10.05") << "10.05"
                           << "壹拾元零伍分整";
    QTest::newRow("100010") << "100010"
                            << "壹拾万零壹拾元整";
    QTest::newRow("one 亿") << "100000000"
                            << "壹亿元整";
    QTest::newRow("negative") << "-123"
                              << "负壹佰贰拾叁元整";
  }
  void capitals() {
    QFETCH(QString, amount);
    TQELCurrencyEdit edit;
    TQELCurrencyLabel label;
    label.setLinkId(edit.GetID());
    edit.setAmount(amountOf(amount));
    QTEST(label.CnMomey(), "capitals");
  }

  void labelDisplay_data() {
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("options");
    QTest::addColumn<int>("subIndex");
    QTest::addColumn<QString>("text");
    QTest::newRow("figures, separators, sign") << "1234.5"
                                               << "num kflag sign" << 0 << "￥1,234.50";
    QTest::newRow("figures, shortest") << "88888.5"
                                       << "num" << 0 << "88888.5";
    QTest::newRow("figures, two decimals") << "88888"
                                           << "num digits" << 0 << "88888.00";
    QTest::newRow("figures, dollar") << "7"
                                     << "num sign us" << 0 << "＄7";
    QTest::newRow("without 整") << "5"
                                << "noend" << 0 << "伍元";
    QTest::newRow("sub units") << "1234.56"
                               << "sub" << 0 << "肆";
    QTest::newRow("sub thousands") << "1234.56"
                                   << "sub" << 3 << "壹";
    QTest::newRow("sub beyond the amount") << "1234.56"
                                           << "sub" << 4 << " ";
    QTest::newRow("sub 角") << "1234.56"
                            << "sub" << -2 << "伍";
    QTest::newRow("sub 分") << "1234.56"
                            << "sub" << -1 << "陆";
    QTest::newRow("sub 角 of .05") << "1234.05"
                                   << "sub" << -2 << "零";
    QTest::newRow("sub 分 of .05") << "1234.05"
                                   << "sub" << -1 << "伍";
  }
  void labelDisplay() {
    QFETCH(QString, amount);
    QFETCH(QString, options);
    QFETCH(int, subIndex);
    TQELCurrencyLabel label;
    auto *design = dynamic_cast<TPCurrencyLabelDesigned *>(label.designObject());
    design->SetBoNum(options.contains("num"));
    if (options.contains("kflag")) design->SetShowKFlag(true);
    if (options.contains("digits")) design->SetShowDigits(true);
    design->SetShowMoneyFlag(options.contains("sign"));
    if (options.contains("us")) design->SetMoneyFlagType(TPCostomCurrencyLabel::CMFT_US);
    if (options.contains("noend")) design->SetForceShowEndText(false);
    design->SetBoShowSub(options.contains("sub"));
    design->SetSubIndex(subIndex);
    label.setMomey(*parseCurrency(amount));
    QTEST(label.CnMomey(), "text");
    QCOMPARE(label.momey(), *parseCurrency(amount));  // the amount itself stays, whatever is shown
  }

  void wideAmountsKeepEveryDigit() {
    TQELCurrencyEdit edit;
    edit.cellOptions().setDigitalNumber(18);
    TQELCurrencyLabel label;
    label.setLinkId(edit.GetID());
    edit.focusIn();
    for (int i = 0; i < 16; ++i) edit.keyPress(Qt::Key_1 + i % 9, Qt::NoModifier);
    QCOMPARE(edit.cells().formatted(), QStringLiteral("1234567891234567.00"));
    QVERIFY(!edit.amount().toCurrency());  // beyond Currency, still exact in the label
    QCOMPARE(label.CnMomey(), QStringLiteral("壹仟贰佰叁拾肆万伍仟陆佰柒拾捌亿玖仟壹佰贰拾叁万肆仟伍佰陆拾柒元整"));
    QCOMPARE(label.momey(), std::numeric_limits<Currency>::max());
  }

  void linksFollowAndLetGo() {
    TQELCurrencyEdit edit;
    auto *labelA = new TQELCurrencyLabel;
    TQELCurrencyLabel labelB;
    auto *design = dynamic_cast<TPCurrencyLabelDesigned *>(labelA->designObject());
    design->SetDateLinkId(edit.GetID());
    QCOMPARE(design->DateLinkId(), edit.GetID());
    QCOMPARE(design->QELCurrencyEditLink(), TPCurrencyLabelDesigned::CLOne);
    QCOMPARE(propertyText(*design, "QELCurrencyEditLink"), QStringLiteral("CLOne"));
    labelB.setLinkId(edit.GetID());
    query<IQELExprFloatValue>(edit.GetDesign())->SetFloatValue(8);
    QCOMPARE(labelA->CnMomey(), QStringLiteral("捌元整"));
    QCOMPARE(labelB.CnMomey(), QStringLiteral("捌元整"));
    delete labelA;  // leaves the edit's list
    QCOMPARE(edit.subscriptions().ids(), QStringList{labelB.GetID()});
    labelB.setLinkId(labelB.GetID());  // a label is no money edit
    QVERIFY(!labelB.link());
    QVERIFY(edit.subscriptions().ids().isEmpty());
    edit.setFloatValue(9);
    QCOMPARE(labelB.CnMomey(), QStringLiteral("捌元整"));
  }

  void labelPrintItem() {
    TQELCurrencyLabel label;
    label.setGeometry(QRect(30, 40, 200, 20));
    label.setMomey(*parseCurrency(u"123.45"));
    label.setTextStyle(0);  // shown right-aligned, so printed right-aligned
    auto item = label.GetPrintData()->GetPrinteData(0);
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("壹佰贰拾叁元肆角伍分整"));
    QCOMPARE(item->BaseRect, (ItemRect{30, 40, 230, 60}));
    QCOMPARE(item->PrintRect, item->BaseRect);
    QVERIFY(item->HasTextStyle && !item->HasFontExt);
    QCOMPARE(item->TextStyle, 3);
    label.setTextStyle(2);
    QCOMPARE(label.GetPrintData()->GetPrinteData(0)->TextStyle, 2);
  }

  void documentRoundTrip() {
    QString text, labelId;
    {
      TEditPanels document;
      TQELCurrencyEdit edit(&document);
      TQELCurrencyLabel label(&document);
      edit.setIsHM(false);
      label.setLinkId(edit.GetID());
      label.setBoShowSub(true);
      label.setSubIndex(-2);
      labelId = label.GetID();
      text = writeDocumentOnSkeleton(document, kSkeleton);
    }
    auto document = readDocument(text);
    auto *label = qobject_cast<TQELCurrencyLabel *>(designRegistry().findById(labelId));
    QVERIFY(label && label->link());
    QCOMPARE(label->link()->cells().DigitalNumber(), 10);
    QCOMPARE(label->subIndex(), -2);
    label->link()->setFloatValue(3.4);
    QCOMPARE(label->CnMomey(), QStringLiteral("肆"));
    QCOMPARE(writeDocumentOnSkeleton(*document, kSkeleton), text);
  }
};

QTEST_MAIN(TestCurrencyFields)
#include "tst_currency_fields.moc"
