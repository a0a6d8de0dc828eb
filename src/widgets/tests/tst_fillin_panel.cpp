#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QtTest>

#include "../../storage/tests/testdatabase.h"
#include "controls/edit.h"
#include "controls/label.h"
#include "core/base64.h"
#include "core/messagesink.h"
#include "fillin_testdoc.h"
#include "widgets/edit_widget.h"
#include "widgets/fillin_notes.h"
#include "widgets/fillin_panel.h"
#include "widgets/fillin_surface.h"

using namespace op;
using namespace fillintest;

namespace {

struct Message {
  MessageIcon icon;
  QString title, text;
};

class RecordingSink : public MessageSink {
 public:
  void show(MessageIcon icon, const QString &title, const QString &text) override {
    messages << Message{icon, title, text};
  }
  bool ask(const QString &, const QString &) override { return false; }
  QList<Message> messages;
};

const QString kOpenFailure = QStringLiteral("打开模版失败!\r\n产生此问题的原因可能是底图过大\r\n");

// The template of most tests: a label and three numeric edits over a 600 x 400 background.
QString formTemplate() {
  return templateText(QSize(600, 400), {{"收货人", QRect(30, 50, 80, 24), 1}},
                      {{"Edit1", QRect(120, 50, 100, 24), true},
                       {"Edit2", QRect(120, 90, 100, 24), true},
                       {"Edit3", QRect(120, 130, 100, 24), true},
                       {"Name", QRect(240, 50, 150, 24), false}});
}

TPCostomEdit *editById(FillInPanel &panel, const QString &id) {
  for (QelField *field : panel.fields())
    if (field->GetID() == id) return qobject_cast<TPCostomEdit *>(field);
  return nullptr;
}

void typeInto(FillInPanel &panel, TPCostomEdit *edit, const QString &text) {
  auto *widget = qobject_cast<EditWidget *>(panel.widgetOf(edit));
  QVERIFY(widget);
  widget->lineEdit()->selectAll();
  QTest::keyClicks(widget->lineEdit(), text);
}

// Inserts a catalogue template row and, when given, its custom-data row.
void storeTemplate(Database &db, const QString &innerId, const QString &document, const QString *custom) {
  db.execute(QStringLiteral("insert into PP_Items (ID, InnerID, ParaID, Title, RPData, APPID) values "
                            "(GEN_ID(GEN_PP_ITEMS_ID, 1), :InnerID, 'RPNULL', :Title, :RPData, 22)"),
             {{"InnerID", innerId}, {"Title", "出库单"}, {"RPData", documentToStorageText(document)}});
  if (custom)
    db.execute(QStringLiteral("insert into PP_CustomData (ID, InnerID, CustomData) values "
                              "(GEN_ID(GEN_PP_CUSTOMDATA_ID, 1), :InnerID, :CustomData)"),
               {{"InnerID", innerId}, {"CustomData", documentToStorageText(*custom)}});
  db.commit();
}

void storeDictionary(Database &db, const QString &dirId, const QStringList &data) {
  int n = 0;
  for (const QString &item : data)
    db.execute(QStringLiteral("insert into PP_DictDetail (ID, InnerId, Title, DictData, PYM, DirId) values "
                              "(GEN_ID(GEN_PP_DICTDETAIL_ID, 1), :InnerId, :Title, :DictData, '', :DirId)"),
               {{"InnerId", dirId + QString::number(++n)}, {"Title", item}, {"DictData", item}, {"DirId", dirId}});
  db.commit();
}

}  // namespace

class TestFillInPanel : public QObject {
  Q_OBJECT

  RecordingSink sink_;

 private slots:
  void initTestCase() { setMessageSink(&sink_); }
  void init() { sink_.messages.clear(); }
  void cleanupTestCase() { setMessageSink(nullptr); }

  void opensOverBackgroundAtRealSize() {
    FillInPanel panel;
    QVERIFY(panel.openTemplateText(
        formTemplate(),
        customData({{"REALWIDTH", "210"}, {"REALHEIGHT", "99"}, {"PRINTLEFT", "-10"}, {"PRINTTOP", "4"}}), "ID1",
        "出库单"));
    QVERIFY(sink_.messages.isEmpty());
    QCOMPARE(panel.surface()->size(), QSize(600, 400));
    QCOMPARE(panel.fields().size(), 5);
    QCOMPARE(panel.title(), QString("出库单"));
    QCOMPARE(panel.innerId(), QString("ID1"));
    QVERIFY(panel.widgetOf(editById(panel, "Edit2")));
    QCOMPARE(panel.widgetOf(editById(panel, "Edit2"))->geometry(), QRect(120, 90, 100, 24));
    QCOMPARE(panel.widgetOf(editById(panel, "Edit2"))->parentWidget(), panel.surface());
    QCOMPARE(panel.offsetRow().left->text(), QString("-10"));
    QCOMPARE(panel.offsetRow().top->text(), QString("4"));
    QVERIFY(panel.offsetRow().pixels->isChecked());  // no REALTYPE: pixels
    QCOMPARE(panel.offsetRow().info->text(), QString("模板真实长度 210[毫米] 宽度  99[毫米]"));
    QCOMPARE(panel.documentSettings().printRealType, -1);
  }

  void settingsAndDefaults_data() {
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QList<int>>("expected");  // realW realH left top realType xCount yCount xWidth
    QTest::addColumn<bool>("boExpr");
    QTest::newRow("empty document: defaults") << customData({}) << QList<int>{1, 1, 0, 0, -1, 1, 1, 10} << false;
    QTest::newRow("not a number: default")
        << customData({{"REALWIDTH", "abc"}, {"PRINTXCOUNT", ""}, {"BOEXPRSTR", "0"}})
        << QList<int>{1, 1, 0, 0, -1, 1, 1, 10} << false;
    QTest::newRow("first of two keys")
        << customData({{"PRINTYCOUNT", "3"}, {"PRINTYCOUNT", "5"}, {"REALTYPE", "1"}, {"BOEXPRSTR", "1"}})
        << QList<int>{1, 1, 0, 0, 1, 1, 3, 10} << true;
    QTest::newRow("lower-case keys") << QString("<Root><realwidth VALUE=\"80\"/><printxwidth VALUE=\"25\"/></Root>")
                                     << QList<int>{80, 1, 0, 0, -1, 1, 1, 25} << false;
    QTest::newRow("not well-formed") << QString("<Root><REALWIDTH VALUE=\"80\"") << QList<int>{1, 1, 0, 0, -1, 1, 1, 10}
                                     << false;
  }
  void settingsAndDefaults() {
    QFETCH(QString, custom);
    QFETCH(QList<int>, expected);
    QFETCH(bool, boExpr);
    const FillInDocumentSettings d = readDocumentSettings(custom);
    const FillInWindowSettings w = readWindowSettings(custom);
    QCOMPARE((QList<int>{d.realWidth, d.realHeight, d.printLeft, d.printTop, d.printRealType, w.printXCount,
                         w.printYCount, w.printXWidth}),
             expected);
    QCOMPARE(w.boExprStr, boExpr);
  }

  void millimetreOffsetsAndBindingKeys() {
    FillInPanel panel;
    const QString custom = customData({{"REALTYPE", "1"},
                                       {"EXPRSTR", documentToStorageText("Edit3=Edit1;")},
                                       {"QELDATABIND_EDIT1DATABINDTYPE", "2"},
                                       {"QELDATABIND_EDIT1DATABINDHELPNAME", "金额"}});
    panel.openTemplateText(formTemplate(), custom);
    QVERIFY(panel.offsetRow().millimetres->isChecked());
    QCOMPARE(panel.windowSettings().exprStr, QString("Edit3=Edit1;"));
    auto *bind = dynamic_cast<IQELDataBind *>(editById(panel, "Edit1")->GetDesign());
    QCOMPARE(bind->GetBindType(), 2);
    QCOMPARE(bind->GetBindHelpText(), QString("金额"));
  }

  void missingCustomDataKeepsWindowSettings() {
    FillInPanel panel;
    panel.openTemplateText(formTemplate(), customData({{"PRINTXCOUNT", "3"}, {"PRINTLEFT", "7"}}));
    QVERIFY(panel.openTemplateText(formTemplate(), std::nullopt));
    QCOMPARE(sink_.messages.size(), 1);
    QCOMPARE(sink_.messages[0].title, QString("错误"));
    QCOMPARE(sink_.messages[0].text, QString("读取模版数据不完整!"));
    QVERIFY(panel.currentDocument());
    QCOMPARE(panel.windowSettings().printXCount, 3);
    QCOMPARE(panel.offsetRow().left->text(), QString("7"));
  }

  void damagedTemplatesLeaveThePanelUsable_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("message");
    QTest::newRow("not well-formed") << QString("<Root><EditPanels1 TYPE=\"CLASS\"><TQELEdit") << true;
    // A JPEG whose header reads but whose data does not decode.
    QByteArray broken = jpegBytes(formPicture(64, 64)).left(200);
    QTest::newRow("undecodable background")
        << QString("<Root><EditPanels1 TYPE=\"CLASS\"><ImageData VALUE=\"%1\" TYPE=\"CHAR\"/></EditPanels1></Root>")
               .arg(toStorageText(broken))
        << true;
    QTest::newRow("blank text builds nothing") << QString("  ") << false;
    QTest::newRow("no class element") << QString("<Root><A/></Root>") << false;
  }
  void damagedTemplatesLeaveThePanelUsable() {
    QFETCH(QString, document);
    QFETCH(bool, message);
    FillInPanel panel;
    panel.openTemplateText(formTemplate(), customData({}));
    QVERIFY(!panel.openTemplateText(document, customData({})));
    QVERIFY(!panel.currentDocument());
    QVERIFY(panel.fields().isEmpty());
    QCOMPARE(sink_.messages.size(), message ? 1 : 0);
    if (message) {
      QCOMPARE(sink_.messages[0].title, QString("打开模版失败!"));
      QVERIFY2(sink_.messages[0].text.startsWith(kOpenFailure), qPrintable(sink_.messages[0].text));
      QVERIFY(sink_.messages[0].text.size() > kOpenFailure.size());
    }
    QVERIFY(panel.openTemplateText(formTemplate(), customData({})));
    typeInto(panel, editById(panel, "Edit1"), "12");
    QCOMPARE(editById(panel, "Edit1")->text(), QString("12"));
  }

  void expressionsFollowTyping() {
    FillInPanel panel;
    const QString expr = "Edit3 = Edit1 * Edit2;\r\nEdit2 = Edit1 + Edit10;";
    panel.openTemplateText(formTemplate(), customData({{"EXPRSTR", documentToStorageText(expr)}, {"BOEXPRSTR", "1"}}));
    TPCostomEdit *edit2 = editById(panel, "Edit2");
    TPCostomEdit *edit3 = editById(panel, "Edit3");
    QCOMPARE(edit3->text(), QString());  // opening evaluates nothing
    typeInto(panel, edit2, "3.5");
    typeInto(panel, editById(panel, "Edit1"), "2");
    QCOMPARE(edit3->text(), QString("7"));
    QCOMPARE(edit2->text(), QString("3.5"));  // Edit10 is no field: that statement fails alone
    QVERIFY(sink_.messages.isEmpty());
  }

  void expressionsNeedTheirSwitch_data() {
    QTest::addColumn<QString>("switchValue");
    QTest::newRow("0") << "0";
    QTest::newRow("missing") << "";
  }
  void expressionsNeedTheirSwitch() {
    QFETCH(QString, switchValue);
    FillInPanel panel;
    QList<QPair<QString, QString>> pairs{{"EXPRSTR", documentToStorageText("Edit3 = Edit1 + 1;")}};
    if (!switchValue.isEmpty()) pairs.append({"BOEXPRSTR", switchValue});
    panel.openTemplateText(formTemplate(), customData(pairs));
    typeInto(panel, editById(panel, "Edit1"), "5");
    QCOMPARE(editById(panel, "Edit3")->text(), QString());
  }

  void cyclicExpressionsStop() {
    FillInPanel panel;
    panel.openTemplateText(formTemplate(),
                           customData({{"EXPRSTR", documentToStorageText("Edit1 = Edit1 + 1;")}, {"BOEXPRSTR", "1"}}));
    typeInto(panel, editById(panel, "Edit1"), "1");
    const double value = editById(panel, "Edit1")->floatValue();
    QVERIFY2(value > 1 && value < 100, qPrintable(QString::number(value)));
  }

  void opensByInnerIdAndPicksFromDictionaries() {
    TestDatabase t;
    const QString custom = customData({{"REALWIDTH", "200"},
                                       {"PRINTLEFT", "-10"},
                                       {"QELDATABIND_NAMEDATABINDTYPE", "1"},
                                       {"QELDATABIND_NAMEDATABINDNAME", "DIR1"},
                                       {"QELDATABIND_EDIT2DATABINDTYPE", "0"},
                                       {"QELDATABIND_EDIT2DATABINDNAME", "DIR22"}});
    storeTemplate(*t.db, "T1", formTemplate(), &custom);
    storeTemplate(*t.db, "T2", formTemplate(), nullptr);
    storeDictionary(*t.db, "DIR1", {"北京市海淀区", "上海市' or 1=1 --"});
    storeDictionary(*t.db, "DIR2", {"8.5", "12"});
    storeDictionary(*t.db, "EMPTY", {});

    FillInPanel panel;
    panel.setDatabase(t.db.get());
    QList<int> shown;
    int pickIndex = 1;
    panel.setDictionaryPicker([&](const QList<DictEntry> &entries, QWidget *) {
      shown << int(entries.size());
      return pickIndex;
    });
    QVERIFY(panel.openTemplate("T1", "出库单"));
    QVERIFY(sink_.messages.isEmpty());
    QCOMPARE(panel.offsetRow().left->text(), QString("-10"));

    // Bound to one entry: the entry's data, also as the hint.
    TPCostomEdit *edit2 = editById(panel, "Edit2");
    QCOMPARE(edit2->text(), QString("12"));
    QCOMPARE(panel.widgetOf(edit2)->toolTip(), QString("12"));

    // Bound to a dictionary: the selection button shows and the pick fills the field.
    TPCostomEdit *name = editById(panel, "Name");
    auto *nameWidget = qobject_cast<EditWidget *>(panel.widgetOf(name));
    QVERIFY(!nameWidget->selectionButton()->isHidden());
    QTest::mouseClick(nameWidget->selectionButton(), Qt::LeftButton);
    QCOMPARE(shown, QList<int>{2});
    QCOMPARE(name->text(), QString("上海市' or 1=1 --"));
    QCOMPARE(qobject_cast<EditWidget *>(panel.widgetOf(name))->lineEdit()->text(), name->text());
    // Closed on an empty list: the field takes an empty value.
    dynamic_cast<IQELDataBind *>(name->GetDesign())->SetBindName("EMPTY");
    pickIndex = -1;
    QTest::mouseClick(nameWidget->selectionButton(), Qt::LeftButton);
    QCOMPARE(name->text(), QString());

    // A template without its custom-data row; then one that does not exist.
    QVERIFY(panel.openTemplate("T2", "二"));
    QCOMPARE(sink_.messages.size(), 1);
    QCOMPARE(sink_.messages[0].text, QString("读取模版数据不完整!"));
    QVERIFY(!panel.openTemplate("NOPE' or ''='", "x"));
    QCOMPARE(sink_.messages.size(), 2);
    QCOMPARE(sink_.messages[1].title, QString("错误"));
    QCOMPARE(sink_.messages[1].text, QString("读取模版数据失败!"));
    QVERIFY(!panel.currentDocument());
  }

  void boxedEditSideButtonCopiesEntryBoundText() {
    FillInPanel panel;
    panel.openTemplateText(formTemplate(), customData({}));
    TPCostomEdit *edit = editById(panel, "Name");
    dynamic_cast<IQELDataBind *>(edit->GetDesign())->SetBindType(0);
    edit->setText("100080");
    panel.boxedEditButton(*edit);
    QCOMPARE(QApplication::clipboard()->text(), QString("100080"));
    QCOMPARE(sink_.messages.size(), 1);
    QCOMPARE(sink_.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(sink_.messages[0].title, QString("提示"));
    QCOMPARE(sink_.messages[0].text, QString("数据已经拷贝到剪贴板"));
  }

  void sideBarHoldsSerialPanels() {
    FillInPanel panel;
    panel.setSidePanelFactory([](QelField &field, QString &caption) -> QWidget * {
      if (field.GetID() != "Edit3") return nullptr;
      caption = "流水号";
      return new QLabel("settings");
    });
    panel.openTemplateText(formTemplate(), customData({}));
    QVERIFY(!panel.sideBar()->isHidden());
    QCOMPARE(panel.sideBar()->width(), 350);
    const QList<QToolButton *> headers = panel.sideBar()->widget()->findChildren<QToolButton *>();
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers[0]->text(), QString("流水号"));
    panel.setSidePanelFactory({});
    panel.openTemplateText(formTemplate(), customData({}));
    QVERIFY(panel.sideBar()->isHidden());
    QVERIFY(panel.sideBar()->widget()->findChildren<QToolButton *>().isEmpty());
  }

  void layouts_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QList<int>>("main");    // tree width, tool bar, quick bar
    QTest::addColumn<QList<bool>>("parts");  // offset row, left strip, area above
    QTest::newRow("全功能") << int(FillInLayout::Full) << QList<int>{211, 1, 0} << QList<bool>{true, true, true};
    QTest::newRow("精简") << int(FillInLayout::Compact) << QList<int>{211, 0, 1} << QList<bool>{false, false, false};
    QTest::newRow("超精简") << int(FillInLayout::Minimal) << QList<int>{1, 0, 1} << QList<bool>{true, false, false};
  }
  void layouts() {
    QFETCH(int, layout);
    QFETCH(QList<int>, main);
    QFETCH(QList<bool>, parts);
    FillInPanel panel;
    panel.show();
    const MainWindowLayout m = panel.applyLayout(FillInLayout(layout));
    QCOMPARE((QList<int>{m.treeWidth, m.toolBarVisible, m.quickBarVisible}), main);
    QCOMPARE((QList<bool>{!panel.offsetRow().row->isHidden(), !panel.leftStrip()->isHidden(),
                          !panel.aboveTemplateArea()->isHidden()}),
             parts);
  }

  void notesGrowOnFirstText() {
    FillInNotes notes;
    QCOMPARE(notes.maximumHeight(), 10);
    notes.appendNote("第1份打印完成");
    QCOMPARE(notes.maximumHeight(), 89);
    QCOMPARE(notes.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  }
};

QTEST_MAIN(TestFillInPanel)
#include "tst_fillin_panel.moc"
