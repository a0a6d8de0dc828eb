#include <QImage>
#include <QPainter>
#include <QtTest>

#include "../../printing/tests/inkbox.h"
#include "controls/checkbox.h"
#include "controls/combobox.h"
#include "controls/radiobutton.h"
#include "document/class_registry.h"
#include "document/control_registry.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/printitem.h"
#include "printing/renderer.h"

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

TPCheckBoxDesigned *design(TPCostomCheckBox &box) {
  return dynamic_cast<TPCheckBoxDesigned *>(box.designObject());
}

QString states(const QList<TQELCheckBox *> &boxes) {
  QString text;
  for (const TQELCheckBox *box : boxes) text += box->isChecked() ? QLatin1Char('x') : QLatin1Char('.');
  return text;
}

}  // namespace

class TestChoiceFields : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    registerCheckBoxClass();
    registerRadioButtonClass();
    registerComboBoxClass();
    setDesignMode(true);
  }
  void cleanup() { QCOMPARE(designRegistry().fields().size(), 0); }

  void publishedOrder() {
    TQELCheckBox box;
    QCOMPARE(propertyNames(*box.designObject()),
             QStringList({"TextStyle", "FontName", "FontSize", "FontBold", "FontItalic", "FontUnderLine",
                          "FontStrikeOut", "Top", "Left", "Height", "Width", "FontExtStyle", "ControlName", "ControlId",
                          "FontColor", "LableCaption", "CheckGroup", "BoDefaultCheck", "DbStoreFlag"}));
    TQELComboBox list;
    QCOMPARE(
        propertyNames(*list.designObject()),
        QStringList({"TextStyle", "FontName", "FontSize", "FontBold", "FontItalic", "FontUnderLine", "FontStrikeOut",
                     "Top", "Left", "Height", "Width", "FontExtStyle", "ControlName", "ControlId", "FontColor"}));
    IQELDesign *listDesign = list.GetDesign();
    QVERIFY(query<IQELFontDesign>(listDesign) && query<IQELTextDesign>(listDesign));
    QVERIFY(!query<IQELDBStore>(listDesign));
    listDesign->SetName(QStringLiteral("ignored"));
    QCOMPARE(listDesign->GetName(), QString());
    QVERIFY(query<IQELDBStore>(box.GetDesign()));
    QCOMPARE(box.width(), 25);
    QCOMPARE(box.caption(), QStringLiteral(" "));
    box.setName(QStringLiteral("QELCheckBox2"));
    QCOMPARE(box.GetDesign()->GetHelpText(), QStringLiteral("选择框2"));
    list.setName(QStringLiteral("QELComboBox4"));
    QCOMPARE(listDesign->GetHelpText(), QStringLiteral("列表框4"));
  }

  // Rows: groups of five boxes, initial states, the box to change, the new state, the states afterwards.
  void checkGroups_data() {
    QTest::addColumn<QList<int>>("groups");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QString>("after");
    const QList<int> groups{1, 1, 1, 2, 0};
    QTest::newRow("checking clears its group only") << groups << "x..xx" << 1 << true << ".x.xx";
    QTest::newRow("checking the checked box keeps it") << groups << ".x.x." << 1 << true << ".x.x.";
    QTest::newRow("unchecking touches nothing else") << groups << "x..x." << 0 << false << "...x.";
    QTest::newRow("group 0 is independent") << QList<int>{0, 0, 0, 0, 0} << "xx..." << 2 << true << "xxx..";
    QTest::newRow("other group untouched") << groups << "x..x." << 3 << false << "x....";
  }
  void checkGroups() {
    QFETCH(QList<int>, groups);
    QFETCH(QString, before);
    QFETCH(int, box);
    QFETCH(bool, check);
    TEditPanels document;
    QList<TQELCheckBox *> boxes;
    for (int i = 0; i < groups.size(); ++i) {
      auto *b = new TQELCheckBox(&document);
      b->setCheckGroup(groups.at(i));
      boxes << b;
    }
    // Initial states set group by group without the rule, by checking through a group-0 detour.
    for (int i = 0; i < boxes.size(); ++i) {
      const int group = boxes[i]->checkGroup();
      boxes[i]->setCheckGroup(0);
      boxes[i]->setChecked(before.at(i) == QLatin1Char('x'));
      boxes[i]->setCheckGroup(group);
    }
    QCOMPARE(states(boxes), before);
    boxes[box]->setChecked(check);
    QTEST(states(boxes), "after");
  }

  // The registry's group clearing walks only check boxes: another kind publishing the same properties is
  // left alone, and so are boxes of the other registry.
  void groupStaysInItsRegistry() {
    TQELCheckBox designBox;
    designBox.setCheckGroup(1);
    designBox.setChecked(true);
    setDesignMode(false);
    TQELCheckBox runBox;
    runBox.setCheckGroup(1);
    runBox.setChecked(true);
    setDesignMode(true);
    QVERIFY(designBox.isChecked() && runBox.isChecked());
    TQELCheckBox second;
    second.setCheckGroup(1);
    second.setChecked(true);
    QVERIFY(!designBox.isChecked() && runBox.isChecked() && second.isChecked());
  }

  void checkedStateSurvivesTheDocument() {
    QString text;
    QString checkedId;
    {
      TEditPanels document;
      TQELCheckBox a(&document), b(&document);
      a.setCheckGroup(3);
      b.setCheckGroup(3);
      design(b)->SetLableCaption(QStringLiteral("到付"));
      b.setChecked(true);
      checkedId = b.GetID();
      text = writeDocumentOnSkeleton(document, kSkeleton);
    }
    QVERIFY(text.contains(QStringLiteral("<BoDefaultCheck VALUE=\"True\" TYPE=\"ENUM\"")));
    auto document = readDocument(text);
    const auto boxes = document->findChildren<TQELCheckBox *>();
    QCOMPARE(boxes.size(), 2);
    for (TQELCheckBox *box : boxes) {
      QCOMPARE(box->isChecked(), box->GetID() == checkedId);
      QCOMPARE(box->checkGroup(), 3);
    }
    QCOMPARE(qobject_cast<TQELCheckBox *>(designRegistry().findById(checkedId))->caption(), QStringLiteral("到付"));
  }

  void checkBoxPrintsTheMarkOnly_data() {
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("angle");
    QTest::newRow("unchecked") << false << 0;
    QTest::newRow("checked") << true << 0;
    QTest::newRow("checked turned") << true << 900;
  }
  void checkBoxPrintsTheMarkOnly() {
    QFETCH(bool, checked);
    QFETCH(int, angle);
    TEditPanels document;
    document.setPanelSize(QSize(300, 200));
    TQELCheckBox box(&document);
    box.setGeometry(QRect(40, 30, 25, 17));
    box.setCaption(QStringLiteral("现金"));
    box.setFontExtStyle(angle);
    box.setChecked(checked);
    QCOMPARE(box.GetPrintData()->GetPrintDataCount(), 1);
    QVERIFY(!box.GetPrintData()->GetPrinteData(1));
    const auto item = box.GetPrintData()->GetPrinteData(0);
    QCOMPARE(item->text(), checked ? QStringLiteral("√") : QString());
    QCOMPARE(item->PrintType, qint32(kPrintText));
    QVERIFY(item->HasFontExt);
    QCOMPARE(item->FontExtValue, angle);
    QCOMPARE(item->BaseRect, (ItemRect{40, 30, 65, 47}));
    QCOMPARE(item->PrintRect, angle ? (ItemRect{30, 300 - 65, 47, 300 - 40}) : (ItemRect{40, 30, 65, 47}));
    if (angle) return;
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawPrintItem(painter, *item, 0, 0);
    painter.end();
    const QRect ink = inkBox(image);
    if (!checked) {
      QVERIFY(ink.isEmpty());
      return;
    }
    image.save(QStringLiteral("/tmp/checkbox_print.png"));
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.left() >= 40 && ink.left() < 46 && ink.top() >= 30 && ink.top() < 40,
             qPrintable(QStringLiteral("tick at %1,%2").arg(ink.left()).arg(ink.top())));
  }

  void listBox() {
    TEditPanels document;
    document.setPanelSize(QSize(300, 200));
    TQELComboBox list(&document);
    list.setGeometry(QRect(10, 20, 145, 21));
    list.setFontExtStyle(900);
    auto item = list.GetPrintData()->GetPrinteData(0);
    QCOMPARE(item->text(), QString());  // no entries: an empty item
    QVERIFY(!item->HasFontExt);
    QCOMPARE(item->FontExtValue, 0);
    list.setItems({QStringLiteral("顺丰"), QStringLiteral("圆通")});
    QCOMPARE(list.text(), QString());
    list.setItemIndex(1);
    list.setItems({QStringLiteral("圆通"), QStringLiteral("申通")});
    QCOMPARE(list.itemIndex(), 0);  // the shown entry stays shown
    list.setItemIndex(5);
    QCOMPARE(list.itemIndex(), -1);
    list.setItemIndex(1);
    item = list.GetPrintData()->GetPrinteData(0);
    QCOMPARE(item->text(), QStringLiteral("申通"));
    QCOMPARE(item->BaseRect, (ItemRect{10, 20, 155, 41}));
    list.clearText();
    QCOMPARE(list.text(), QString());
  }

  void radioButtonIsCreatedButNeverWritten() {
    TEditPanels document;
    auto *radio = qobject_cast<TQELRadioButton *>(
        ClassRegistry::instance().create(QStringLiteral(" tqelradiobutton "), &document));
    QVERIFY(radio);
    QCOMPARE(radio->caption(), QString());
    QVERIFY(!dynamic_cast<IQELElment *>(static_cast<QelField *>(radio)));
    QVERIFY(!designRegistry().fields().contains(radio));
    QVERIFY(!writeDocumentOnSkeleton(document, kSkeleton).contains(QStringLiteral("TQELRadioButton")));
  }
};

QTEST_MAIN(TestChoiceFields)
#include "tst_choice_fields.moc"
