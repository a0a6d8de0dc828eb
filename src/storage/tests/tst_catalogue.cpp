#include <QTest>

#include <stdexcept>

#include "core/ids.h"
#include "core/messagesink.h"
#include "storage/catalogue_repository.h"
#include "storage/database.h"
#include "testdatabase.h"

using op::CatalogueEntry;
using op::CatalogueRepository;

namespace {

class RecordingSink : public op::MessageSink {
 public:
  RecordingSink() { op::setMessageSink(this); }
  ~RecordingSink() override { op::setMessageSink(nullptr); }
  void show(op::MessageIcon, const QString &title, const QString &text) override { shown << title + "|" + text; }
  bool ask(const QString &, const QString &) override { return false; }
  QStringList shown;
};

QStringList titles(const std::vector<CatalogueEntry> &nodes) {
  QStringList out;
  for (const CatalogueEntry &node : nodes) out << node.title;
  return out;
}

const CatalogueEntry *findTitle(const std::vector<CatalogueEntry> &nodes, const QString &title) {
  for (const CatalogueEntry &node : nodes)
    if (node.title == title) return &node;
  return nullptr;
}

}  // namespace

class TestCatalogue : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestDatabase> t;
  op::Database &db() { return *t->db; }
  CatalogueRepository repo() { return CatalogueRepository(db()); }

  int count(const QString &sql, const QVariantMap &params = {}) {
    auto q = db().NewStatement(sql);
    q->bindValues(params);
    q->open();
    return q->next() ? q->value(0).toInt() : -1;
  }

  QString addTemplate(const QString &paraId, const QString &title, const QString &data = "AAAA") {
    const QString id = op::getId();
    repo().createTemplate(id, paraId, title, "PYM", data, "CUSTOM");
    return id;
  }

  // Makes inserts into PP_CustomData for the identity "FAILS" fail inside the engine.
  void installFailingTrigger() {
    db().execute("create exception E_TEST_REFUSED 'refused by test'");
    db().commit();
    db().execute(
        "create trigger T_TEST_REFUSE for PP_CustomData before insert as begin "
        "if (new.InnerID = 'FAILS') then exception E_TEST_REFUSED; end");
    db().commit();
  }

 private slots:
  void init() { t = std::make_unique<TestDatabase>(); }
  void cleanup() { t.reset(); }

  // Top level reversed; under a node its templates in ascending ID order, then its sub-categories reversed.
  void treeOrder() {
    repo().createCategory("A0000000000000000000000000000000", "RPNULL", "A");
    repo().createCategory("B0000000000000000000000000000000", "RPNULL", "B");
    const QString a = "A0000000000000000000000000000000";
    repo().createCategory("C1000000000000000000000000000000", a, "S1");
    repo().createCategory("C2000000000000000000000000000000", a, "S2");
    addTemplate(a, "T1");
    addTemplate(a, "T2");
    addTemplate("C1000000000000000000000000000000", "T3");
    // Rows of another application, a template at the top level and a category that is its own parent.
    db().execute(
        "insert into PP_List (ID, InnerID, ParaID, Title, AppId) values (GEN_ID(GEN_PP_LIST_ID, 1), "
        "'OTHER', 'RPNULL', 'other app', 21)");
    db().execute(
        "insert into PP_Items (ID, InnerID, ParaID, Title, APPID) values (GEN_ID(GEN_PP_ITEMS_ID, 1), "
        "'OTHERT', :a, 'other template', 21)",
        {{"a", a}});
    db().execute(
        "insert into PP_List (ID, InnerID, ParaID, Title, AppId) values (GEN_ID(GEN_PP_LIST_ID, 1), "
        "'LOOP', 'LOOP', 'loop', 22)");
    db().commit();
    addTemplate("RPNULL", "top template");

    const std::vector<CatalogueEntry> tree = repo().loadTree();
    QCOMPARE(titles(tree), QStringList({"B", "A", "我的模板"}));
    const CatalogueEntry *nodeA = findTitle(tree, "A");
    QCOMPARE(titles(nodeA->children), QStringList({"T1", "T2", "S2", "S1"}));
    QCOMPARE(nodeA->children[0].kind, CatalogueEntry::Template);
    QCOMPARE(nodeA->children[0].itemType, 1);
    QCOMPARE(nodeA->children[0].md5, op::md5Hex("AAAA"));
    QCOMPARE(titles(nodeA->children[3].children), QStringList({"T3"}));
    QCOMPARE(titles(repo().loadChildren(a)), QStringList({"T1", "T2", "S2", "S1"}));
    QCOMPARE(titles(repo().loadChildren("RPNULL")), QStringList({"B", "A", "我的模板"}));

    bool sawT3 = false;
    for (const op::CatalogueListing &row : repo().listTemplates()) {
      if (row.title == "T3") {
        QCOMPARE(row.path, QStringList({"A", "S1"}));
        sawT3 = true;
      }
      QVERIFY(row.title != "top template" && row.title != "other template");
    }
    QVERIFY(sawT3);
  }

  void titlesStoredExactly_data() {
    QTest::addColumn<QString>("title");
    QTest::newRow("quotes") << "O'Neil \"送货单\" '' ";
    QTest::newRow("sql") << "x'); delete from PP_List; --";
    QTest::newRow("symbols") << "发货单/出库 ~?>>&<%_";
  }
  void titlesStoredExactly() {
    QFETCH(QString, title);
    const QString a = "A0000000000000000000000000000000";
    repo().createCategory(a, "RPNULL", title.trimmed());
    const QString id = addTemplate(a, title.trimmed());
    const CatalogueEntry *node = findTitle(repo().loadTree(), title.trimmed());
    QVERIFY(node);
    QCOMPARE(node->children.at(0).title, title.trimmed());
    repo().renameTemplate(id, title + "2");
    QCOMPARE(repo().loadChildren(a).at(0).title, (title + "2").trimmed());
    QCOMPARE(count("select count(*) from PP_List where AppId = 22"), 2);
  }

  void renameKeepsPinyin() {
    const QString id = addTemplate("X", "送货单");
    repo().renameTemplate(id, "快递单");
    auto q = db().NewStatement("select PYM, Title from PP_Items where InnerID = :id");
    q->bind("id", id);
    q->open();
    QVERIFY(q->next());
    QCOMPARE(q->text("PYM"), QString("PYM"));
    QCOMPARE(q->text("Title"), QString("快递单"));
  }

  void deleteTemplateAndCategoryGuard() {
    const QString cat = "A0000000000000000000000000000000";
    repo().createCategory(cat, "RPNULL", "A");
    const QString id = addTemplate(cat, "T");
    QVERIFY(repo().categoryHasTemplates(cat));
    QVERIFY(repo().readCustomData(id).has_value());
    repo().deleteTemplate(id);
    QVERIFY(!repo().readTemplateData(id).has_value());
    QVERIFY(!repo().readCustomData(id).has_value());
    QVERIFY(!repo().categoryHasTemplates(cat));
    repo().deleteCategory(cat);
    QVERIFY(!findTitle(repo().loadTree(), "A"));
  }

  void saveLimit_data() {
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<bool>("stored");
    QTest::newRow("at the limit") << op::kMaxStoredTextLength << true;
    QTest::newRow("one more") << op::kMaxStoredTextLength + 1 << false;
  }
  void saveLimit() {
    QFETCH(qsizetype, length);
    QFETCH(bool, stored);
    const QString id = addTemplate("X", "T", "OLD");
    const QString text(length, QLatin1Char('A'));
    RecordingSink sink;
    QCOMPARE(op::SaveTemplateData(db(), text, id), stored);
    const QString now = *repo().readTemplateData(id);
    if (stored) {
      QCOMPARE(now.size(), length);
      QCOMPARE(sink.shown, QStringList());
      QCOMPARE(repo().loadChildren("X").at(0).md5, op::md5Hex(text.toLatin1()));
    } else {
      QCOMPARE(now, QString("OLD"));
      QCOMPARE(sink.shown,
               QStringList({"错误|数据太大，超过数据库的限制，无法保存\r\n建议缩小图片尺寸以减少数据\r\n大小:8192K"}));
      QVERIFY_THROWS_EXCEPTION(std::length_error, repo().createTemplate(op::getId(), "X", "T", "", text, ""));
    }
  }

  // A failed replacement of custom data keeps the previous row and is reported; a failed creation leaves
  // no template row behind.
  void failuresRollBack() {
    db().execute(
        "insert into PP_CustomData (ID, InnerID, CustomData) values (GEN_ID(GEN_PP_CUSTOMDATA_ID, 1), "
        "'FAILS', 'PREVIOUS')");
    db().commit();
    installFailingTrigger();
    RecordingSink sink;
    QVERIFY(!op::SaveCustomData(db(), "NEW", "FAILS"));
    QCOMPARE(sink.shown.size(), 1);
    QVERIFY(sink.shown[0].startsWith("错误|保存失败!\r\n"));
    QCOMPARE(*repo().readCustomData("FAILS"), QString("PREVIOUS"));

    QVERIFY_THROWS_EXCEPTION(op::DbError, repo().createTemplate("FAILS", "X", "T", "", "DATA", "NEW"));
    QCOMPARE(count("select count(*) from PP_Items where InnerID = 'FAILS'"), 0);
    QVERIFY(op::SaveCustomData(db(), "OTHER", "OK"));
    QCOMPARE(*repo().readCustomData("OK"), QString("OTHER"));
  }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
