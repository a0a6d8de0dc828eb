#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "storage/datafolder.h"

namespace {

void writeFile(const QString &path, const QByteArray &content) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(content);
}

QByteArray readFile(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestDataFolder : public QObject {
  Q_OBJECT

 private slots:
  // Missing files come from the defaults, recursively; files already there are never overwritten.
  void seedCopiesOnlyMissingFiles() {
    QTemporaryDir defaults, target;
    writeFile(defaults.filePath("db/QEL_DATA3.FDB"), "shipped database");
    writeFile(defaults.filePath("qel.xml"), "<skeleton/>");
    writeFile(defaults.filePath("video/a/b.mp4"), "video");
    writeFile(target.filePath("db/QEL_DATA3.FDB"), "user's own data");

    QStringList copied = op::DataFolder::seed(defaults.path(), target.path());
    copied.sort();
    QCOMPARE(copied, (QStringList{"qel.xml", "video/a/b.mp4"}));
    QCOMPARE(readFile(target.filePath("db/QEL_DATA3.FDB")), QByteArray("user's own data"));
    QCOMPARE(readFile(target.filePath("video/a/b.mp4")), QByteArray("video"));
    QVERIFY(!QFile::exists(target.filePath("qel.xml.part")));

    writeFile(target.filePath("qel.xml"), "edited");
    QVERIFY(op::DataFolder::seed(defaults.path(), target.path()).isEmpty());
    QCOMPARE(readFile(target.filePath("qel.xml")), QByteArray("edited"));
  }

  void seedWithoutDefaultsCopiesNothing() {
    QTemporaryDir target;
    QVERIFY(op::DataFolder::seed(target.filePath("no-such-folder"), target.path()).isEmpty());
  }

  void resolveOrder() {
    QTemporaryDir dir;
    qputenv("OVERPRINT_DATA_DIR", QFile::encodeName(dir.filePath("from-env")));
    QCOMPARE(op::DataFolder::resolve(dir.filePath("explicit")), dir.filePath("explicit"));
    QCOMPARE(op::DataFolder::resolve(), dir.filePath("from-env"));
    qunsetenv("OVERPRINT_DATA_DIR");
    QVERIFY(!op::DataFolder::resolve().isEmpty());
  }

  void prepareCreatesAndSeedsTheShippedDatabase() {
    QTemporaryDir dir;
    const QString root = dir.filePath("new/data");
    const QString defaults = OP_STAGE_DIR "/default";
    const op::DataFolder folder = op::DataFolder::prepare(root, defaults);
    QVERIFY(QFileInfo(root).isDir());
    QCOMPARE(folder.databasePath(), root + "/db/QEL_DATA3.FDB");
    QCOMPARE(folder.configIniPath(), root + "/Config.ini");
    QCOMPARE(readFile(folder.databasePath()), readFile(defaults + "/db/QEL_DATA3.FDB"));
    QVERIFY(QFileInfo(folder.databasePath()).isWritable());
  }

  void storedPathsAreNormalised_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("windows") << "db\\QEL_DATA3.FDB"
                             << "/root/db/QEL_DATA3.FDB";
    QTest::newRow("nested") << "help\\help.chm"
                            << "/root/help/help.chm";
    QTest::newRow("leading") << "\\Config.ini"
                             << "/root/Config.ini";
    QTest::newRow("plain") << "video/a.mp4"
                           << "/root/video/a.mp4";
  }

  void storedPathsAreNormalised() {
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QCOMPARE(op::DataFolder("/root").path(stored), expected);
  }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
