#include <QTest>

#include "../../storage/tests/testdatabase.h"
#include "core/messagesink.h"
#include "dictionary/dict_dialog.h"
#include "storage/database.h"
#include "storage/dictionary_repository.h"

using op::TFrmDict;

namespace {

class RecordingSink : public op::MessageSink {
 public:
  RecordingSink() { op::setMessageSink(this); }
  ~RecordingSink() override { op::setMessageSink(nullptr); }
  void show(op::MessageIcon, const QString &title, const QString &text) override { shown << title + "|" + text; }
  bool ask(const QString &title, const QString &text) override {
    shown << title + "|" + text;
    return answer;
  }
  QStringList shown;
  bool answer = true;
};

}  // namespace

class TestDictDialog : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestDatabase> t;
  op::DictionaryRepository repo() { return op::DictionaryRepository(*t->db); }

  void addNamed(TFrmDict &window, const QString &name) {
    window.setNameAsker([name](const QString &, const QString &) { return std::optional<QString>(name); });
    window.addDictionary();
  }

 private slots:
  void init() { t = std::make_unique<TestDatabase>(); }
  void cleanup() { t.reset(); }

  void dictionaryNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    QTest::newRow("25 characters") << QString(25, QChar(u'字')) << "" << QString(25, QChar(u'字'));
    QTest::newRow("26 characters") << QString(26, QChar(u'字')) << "错误|新分类名称过长，最长25"
                                   << "";
    QTest::newRow("blanks only") << "   "
                                 << "提示|请输入有效的分类名称"
                                 << "";
    QTest::newRow("blanks around, quotes") << " O'Neil \"客户\" "
                                           << ""
                                           << " O'Neil \"客户\" ";
  }
  void dictionaryNames() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    RecordingSink sink;
    TFrmDict window(*t->db);
    addNamed(window, name);
    QCOMPARE(sink.shown.join(";"), message);
    QStringList titles;
    for (const op::Dictionary &d : repo().dictionaries()) titles << d.title;
    QCOMPARE(titles, stored.isEmpty() ? QStringList() : QStringList{stored});
    QCOMPARE(window.dictionaryGrid()->rowCount(), int(titles.size()));
  }

  // A second dictionary of the same name is accepted: the name check looks at DIRTYPE 22 only.
  void sameNameAccepted() {
    RecordingSink sink;
    TFrmDict window(*t->db);
    addNamed(window, "客户");
    addNamed(window, "客户");
    QCOMPARE(repo().dictionaries().size(), size_t(2));
    QVERIFY(sink.shown.isEmpty());
  }

  // New entry with pinyin initials; a change keeps the old PYM; the title box feeds the data box.
  void entryEditing() {
    RecordingSink sink;
    TFrmDict window(*t->db);
    addNamed(window, "城市");
    QVERIFY(!window.titleBox()->isEnabled());
    QVERIFY(!window.button("保存")->isEnabled());
    window.newEntry();
    QVERIFY(window.titleBox()->isEnabled() && !window.button("新建")->isEnabled());
    window.titleBox()->setText("北京Road 3");
    QTest::keyClicks(window.titleBox(), " ");  // typing copies the whole title into the data box
    window.titleBox()->insert("号");
    emit window.titleBox()->textEdited(window.titleBox()->text());
    QCOMPARE(window.dataBox()->text(), QString("北京Road 3 号"));
    window.dataBox()->setText("北京市'朝阳区'");
    window.saveEntry();
    QCOMPARE(window.mode(), TFrmDict::Mode::None);
    QVERIFY(!window.titleBox()->isEnabled());
    auto entries = repo().entries(window.currentDictionary()->innerId);
    QCOMPARE(entries.size(), size_t(1));
    QCOMPARE(entries[0].pym, QString("BJROAD3H"));
    QCOMPARE(entries[0].dictData, QString("北京市'朝阳区'"));
    QCOMPARE(window.entryGrid()->rowCount(), 1);

    window.changeEntry();
    window.titleBox()->setText("上海");
    window.saveEntry();
    entries = repo().entries(window.currentDictionary()->innerId);
    QCOMPARE(entries[0].title, QString("上海"));
    QCOMPARE(entries[0].pym, QString("BJROAD3H"));
    QCOMPARE(window.selectedEntry()->title, QString("上海"));

    window.deleteEntry();
    QVERIFY(repo().entries(window.currentDictionary()->innerId).empty());
    QVERIFY(sink.shown.contains("提示|确定删除?"));
  }

  // Deleting a dictionary leaves its entries; selection mode hides the editing parts.
  void deleteDictionaryAndSelectionMode() {
    RecordingSink sink;
    repo().addDictionary("D1", "客户");
    repo().addEntry({0, "E1", "张三", "张三 13800000000", "ZS", "D1"});
    TFrmDict window(*t->db);
    window.setSelectionMode(true);
    QVERIFY(window.button("新建")->isHidden() && window.titleBox()->isHidden());
    QCOMPARE(window.hintLine()->text(), QString("请选择一条数据,请在字典表设置中修改数据"));
    QCOMPARE(window.selectedEntry()->innerId, QString("E1"));
    window.setSelectionMode(false);
    window.deleteDictionary();
    QVERIFY(sink.shown.contains("提示|确定删除?\r\n删除将导致子项无效!"));
    QVERIFY(repo().dictionaries().empty());
    QCOMPARE(repo().entries("D1").size(), size_t(1));
    QVERIFY(!window.selectedEntry());
  }

  void pickerOnEmptyList() {
    op::TFrmDictFind picker({});
    QCOMPARE(picker.windowTitle(), QString("选择数据"));
    QVERIFY(!picker.pick());
    op::TFrmDictFind two({{1, "A", "甲", "甲数据", "J", "D"}, {2, "B", "乙", "乙数据", "Y", "D"}});
    two.grid()->setCurrentCell(1, 1);
    QCOMPARE(two.pick()->dictData, QString("乙数据"));
  }
};

QTEST_MAIN(TestDictDialog)
#include "tst_dict_dialog.moc"
