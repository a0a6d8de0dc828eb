#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "../../storage/tests/testdatabase.h"
#include "controls/field_kinds.h"
#include "core/base64.h"
#include "core/messagesink.h"
#include "document/document_reader.h"
#include "document/edit_panels.h"
#include "storage/database.h"
#include "widgets/catalogue_background.h"
#include "widgets/catalogue_tree.h"

using op::CatalogueTree;

namespace {

class RecordingSink : public op::MessageSink {
 public:
  RecordingSink() { op::setMessageSink(this); }
  ~RecordingSink() override { op::setMessageSink(nullptr); }
  void show(op::MessageIcon, const QString &title, const QString &text) override { shown << title + "|" + text; }
  bool ask(const QString &, const QString &) override { return true; }
  QStringList shown;
};

}  // namespace

class TestCatalogueTree : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestDatabase> t;
  std::unique_ptr<QTreeWidget> widget;
  std::unique_ptr<CatalogueTree> tree;
  QTemporaryDir files;

  QString picture(const QString &name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString path = files.filePath(name);
    image.save(path, name.endsWith(".bmp") ? "BMP" : "JPG");
    return path;
  }
  void answer(const QString &text) {
    tree->setTextAsker([text](const QString &, const QString &) { return std::optional<QString>(text); });
  }

 private slots:
  void initTestCase() { op::registerFieldKinds(); }
  void init() {
    t = std::make_unique<TestDatabase>();
    widget = std::make_unique<QTreeWidget>();
    tree = std::make_unique<CatalogueTree>(widget.get(), *t->db, OP_SOURCE_DIR "/resources/qel.xml");
  }
  void cleanup() {
    tree.reset();
    widget.reset();
    t.reset();
  }

  // The shipped samples load and the first template in tree order is opened.
  void loadOpensFirstTemplate() {
    QSignalSpy opened(tree.get(), &CatalogueTree::openTemplateRequested);
    tree->loadRoot();
    QCOMPARE(widget->topLevelItemCount(), 1);
    QCOMPARE(widget->topLevelItem(0)->childCount(), 3);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened[0][1].toString(), QString("送货单"));
  }

  void categoryNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("19 characters") << QString(19, QChar(u'类')) << "";
    QTest::newRow("20 characters") << QString(20, QChar(u'类')) << "错误|分类名称过长，最长20";
    QTest::newRow("blanks") << "   "
                            << "错误|分类名称不能为空";
  }
  void categoryNames() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    RecordingSink sink;
    tree->loadRoot();
    widget->setCurrentItem(nullptr);
    answer(name);
    tree->newCategory();
    QCOMPARE(sink.shown.join(";"), message);
    QCOMPARE(widget->topLevelItemCount(), message.isEmpty() ? 2 : 1);
    if (message.isEmpty()) QCOMPARE(widget->topLevelItem(0)->text(0), name);
  }

  void newTemplateWithEmptyTree() {
    RecordingSink sink;
    tree->newTemplate();
    QCOMPARE(sink.shown, QStringList({"错误|未选择类别 无法新建模版"}));
  }

  // Selected template: the new one goes last into its category; the background is redrawn 800 wide.
  void newTemplateBesideTemplate() {
    RecordingSink sink;
    tree->loadRoot();
    QTreeWidgetItem *category = widget->topLevelItem(0);
    widget->setCurrentItem(category->child(0));
    const QString path = picture("bg.bmp", QSize(400, 300));
    tree->setNewTemplateAsker([path] {
      return std::optional<op::NewTemplateRequest>({"O'Neil \"单\"", "200", "100", path, true});
    });
    QSignalSpy opened(tree.get(), &CatalogueTree::openTemplateRequested);
    tree->newTemplate();
    QCOMPARE(sink.shown, QStringList());
    QCOMPARE(category->childCount(), 4);
    QTreeWidgetItem *added = category->child(3);
    QCOMPARE(added->text(0), QString("O'Neil \"单\""));
    QCOMPARE(opened.size(), 1);
    op::CatalogueRepository repo(*t->db);
    const QString stored = op::documentFromStorageText(*repo.readTemplateData(CatalogueTree::innerId(added)));
    auto document = op::readDocument(stored);
    QVERIFY(document);
    QCOMPARE(document->picture().size(), QSize(800, 600));
    const QString custom = op::documentFromStorageText(*repo.readCustomData(CatalogueTree::innerId(added)));
    QVERIFY(custom.contains("<REALWIDTH VALUE=\"200\"/>"));
  }

  void newTemplateRefusals_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("message");
    QTest::newRow("jpeg extension") << "bg.jpeg"
                                    << "单"
                                    << "100"
                                    << "错误|不支持选择的文件类型\r\n请选择.JPG | .BMP 类型";
    QTest::newRow("no name") << "bg.jpg"
                             << "  "
                             << "100"
                             << "错误|模版名称不能为空";
    QTest::newRow("zero length") << "bg.jpg"
                                 << "单"
                                 << "0"
                                 << "错误|模版长度或宽度不能为0";
  }
  void newTemplateRefusals() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, length);
    QFETCH(QString, message);
    RecordingSink sink;
    tree->loadRoot();
    const QString path = picture(file, QSize(10, 10));
    tree->setNewTemplateAsker([=] { return std::optional<op::NewTemplateRequest>({name, length, "100", path, true}); });
    tree->newTemplate();
    QCOMPARE(sink.shown, QStringList({message}));
    QCOMPARE(widget->topLevelItem(0)->childCount(), 3);
  }

  void backgroundScaling_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("scaled");
    QTest::newRow("grows") << QSize(400, 300) << QSize(800, 600);
    QTest::newRow("shrinks") << QSize(1600, 1200) << QSize(800, 600);
    QTest::newRow("truncates") << QSize(3, 2) << QSize(800, 533);
  }
  void backgroundScaling() {
    QFETCH(QSize, size);
    QFETCH(QSize, scaled);
    QImage image(size, QImage::Format_RGB32);
    QCOMPARE(op::scaleBackground(image).size(), scaled);
  }

  // A category with nodes under it is refused before the database is asked; a template is deleted.
  void deleteGuards() {
    RecordingSink sink;
    tree->loadRoot();
    QTreeWidgetItem *category = widget->topLevelItem(0);
    widget->setCurrentItem(category);
    tree->deleteSelected();
    QCOMPARE(sink.shown, QStringList({"错误|此节点不为空，无法删除，请先删除子节点?"}));
    QSignalSpy deleted(tree.get(), &CatalogueTree::templateDeleted);
    const QString id = CatalogueTree::innerId(category->child(0));
    widget->setCurrentItem(category->child(0));
    tree->deleteSelected();
    QCOMPARE(deleted.size(), 1);
    QCOMPARE(category->childCount(), 2);
    QVERIFY(!op::CatalogueRepository(*t->db).readTemplateData(id));
  }
};

QTEST_MAIN(TestCatalogueTree)
#include "tst_catalogue_tree.moc"
