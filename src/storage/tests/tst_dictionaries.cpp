#include <QTest>

#include "core/ids.h"
#include "storage/database.h"
#include "storage/dictionary_repository.h"
#include "testdatabase.h"

using op::DictionaryEntry;
using op::DictionaryRepository;

class TestDictionaries : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestDatabase> t;
  DictionaryRepository repo() { return DictionaryRepository(*t->db); }

 private slots:
  void init() { t = std::make_unique<TestDatabase>(); }
  void cleanup() { t.reset(); }

  // Only dictionaries without DIRTYPE are listed; the name check looks at DIRTYPE 22 only.
  void listAndNameCheck() {
    repo().addDictionary("D1", "  客户 ");
    repo().addDictionary("D2", "O'Brien \"快递\"");
    t->db->execute(
        "insert into PP_DICTDIR (ID, Title, InnerID, DIRTYPE) values (GEN_ID(GEN_PP_DICTDIR_ID, 1), "
        "'系统', 'D3', 22)");
    t->db->commit();
    QStringList titles;
    for (const op::Dictionary &d : repo().dictionaries()) titles << d.title;
    QCOMPARE(titles, QStringList({"  客户 ", "O'Brien \"快递\""}));
    QVERIFY(!repo().appDictionaryExists("  客户 "));
    QVERIFY(repo().appDictionaryExists("系统"));
  }

  void entriesKeepPinyinAndOutliveTheirDictionary() {
    repo().addDictionary("D1", "客户");
    repo().addEntry({0, "E1", "北京'店", "北京市 'x'", "BJD", "D1"});
    repo().addEntry({0, "E2", "上海", "上海市", "SH", "D1"});
    repo().addEntry({0, "E3", "其他", "其他", "QT", "D9"});
    repo().updateEntry("E1", "广州", "广州市");
    const std::vector<DictionaryEntry> entries = repo().entries("D1");
    QCOMPARE(entries.size(), size_t(2));
    QCOMPARE(entries[0].title, QString("广州"));
    QCOMPARE(entries[0].dictData, QString("广州市"));
    QCOMPARE(entries[0].pym, QString("BJD"));
    QVERIFY(entries[0].id < entries[1].id);
    repo().deleteDictionary("D1");
    QVERIFY(repo().dictionaries().empty());
    QCOMPARE(repo().entries("D1").size(), size_t(2));
    repo().deleteEntry("E2");
    QCOMPARE(repo().entries("D1").size(), size_t(1));
    QCOMPARE(repo().entry("E3")->dictData, QString("其他"));
    QVERIFY(!repo().entry("E2").has_value());
  }
};

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
