#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "storage/database.h"
#include "storage/dbfilecopy.h"
#include "testdatabase.h"

namespace {

QString firstTitle(const QString &path) {
  auto db = op::OpenDatabase(path);
  auto q = db->NewStatement("select Title from PP_List order by ID");
  q->open();
  return q->next() ? q->text("Title") : QString();
}

void setTitle(op::Database &db, const QString &title) {
  db.execute("update PP_List set Title = :t", {{"t", title}});
  db.commit();
}

}  // namespace

class TestDbFileCopy : public QObject {
  Q_OBJECT

 private slots:
  void backupThenRestore() {
    TestDatabase t;
    setTitle(*t.db, "备份时");
    t.db.reset();
    const QString backup = t.dir.filePath("backup/copy.fdb");
    QDir().mkpath(t.dir.filePath("backup"));
    op::backupDatabaseFile(t.path, backup);
    QCOMPARE(firstTitle(backup), QString("备份时"));

    t.db = op::OpenDatabase(t.path);
    setTitle(*t.db, "之后");
    t.db.reset();
    const QString kept = op::restoreDatabaseFile(backup, t.path);
    QCOMPARE(firstTitle(t.path), QString("备份时"));
    QCOMPARE(firstTitle(kept), QString("之后"));
  }

  // A backup onto the database itself or nowhere is refused; a file that is no database is never restored.
  void refusals() {
    TestDatabase t;
    const QString backup = t.dir.filePath("copy.fdb");
    QVERIFY_THROWS_EXCEPTION(op::DbError, op::backupDatabaseFile(t.path, t.path));
    QVERIFY_THROWS_EXCEPTION(op::DbError, op::backupDatabaseFile(t.path, ""));

    const QString junk = t.dir.filePath("junk.fdb");
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(20000, 'x'));
    file.close();
    t.db.reset();
    const QByteArray before = [&] {
      QFile f(t.path);
      f.open(QIODevice::ReadOnly);
      return f.readAll();
    }();
    QVERIFY_THROWS_EXCEPTION(op::DbError, op::restoreDatabaseFile(junk, t.path));
    QFile f(t.path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    QVERIFY(!QFile::exists(t.path + ".bak"));
    QVERIFY(!QFile::exists(backup));
  }
};

QTEST_GUILESS_MAIN(TestDbFileCopy)
#include "tst_dbfilecopy.moc"
