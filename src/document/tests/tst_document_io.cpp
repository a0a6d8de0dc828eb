#include <QBuffer>
#include <QImage>
#include <QtTest>

#include "core/base64.h"
#include "core/ids.h"
#include "document/control_registry.h"
#include "document/document_error.h"
#include "document/document_reader.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/xml_tree.h"
#include "test_field.h"

using namespace op;
using test::TTestField;

namespace {

const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

QString documentText(const QString &fieldElements, const QString &declaration = QStringLiteral("gb2312")) {
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"%1\" ?>\r\n<Root ver=\"1.0\">"
             "<TEditPanels TYPE=\"CLASS\">%2<Title VALUE=\"T\" TYPE=\"CHAR\"/></TEditPanels></Root>")
      .arg(declaration, fieldElements);
}

QString prop(const QString &name, const QString &value, const QString &type) {
  return QStringLiteral("<%1 VALUE=\"%2\" TYPE=\"%3\"/>").arg(name, value, type);
}

QString fieldElement(const QString &className, const QString &properties) {
  return QStringLiteral("<%1 TYPE=\"CLASS\">%2</%1>").arg(className, properties);
}

QList<TTestField *> testFields(TEditPanels &document) {
  return document.findChildren<TTestField *>();
}

QByteArray imageBytes(const char *format) {
  QImage image(16, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes;
}

}  // namespace

class TestDocumentIo : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    test::registerTestKinds();
    setDesignMode(true);
  }
  void cleanup() { QCOMPARE(designRegistry().fields().size(), 0); }

  void readReturnsNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("blank") << QStringLiteral("  \r\n ");
    QTest::newRow("root without children") << QStringLiteral("<?xml version=\"1.0\"?><Root ver=\"1.0\"/>");
    QTest::newRow("first child not CLASS")
        << QStringLiteral("<Root><TEditPanels TYPE=\"CHAR\"><Title VALUE=\"x\" TYPE=\"CHAR\"/></TEditPanels></Root>");
    QTest::newRow("first child without TYPE") << QStringLiteral("<Root><TEditPanels/></Root>");
  }
  void readReturnsNothing() {
    QFETCH(QString, text);
    QVERIFY(readDocument(text) == nullptr);
  }

  void anyDeclaredEncodingIsAccepted_data() {
    QTest::addColumn<QString>("encoding");
    QTest::newRow("gb2312") << QStringLiteral("gb2312");
    QTest::newRow("utf-8") << QStringLiteral("UTF-8");
    QTest::newRow("unknown") << QStringLiteral("x-made-up");
  }
  void anyDeclaredEncodingIsAccepted() {
    QFETCH(QString, encoding);
    auto document = readDocument(documentText(QString(), encoding));
    QVERIFY(document);
    QCOMPARE(document->Title(), QStringLiteral("T"));
  }

  void malformedTextRaisesParserMessage() {
    const QString text = QStringLiteral("<Root>\r\n<TEditPanels TYPE=\"CLASS\">\r\n</Root>");
    try {
      readDocument(text);
      QFAIL("no error raised");
    } catch (const DocumentError &error) {
      QVERIFY2(error.message().contains(QStringLiteral("行: 3")), qPrintable(error.message()));
      QVERIFY(!error.message().startsWith(QStringLiteral("\r\n")));
    }
  }

  void unknownClassIsSkippedNeighboursBuilt() {
    const QString a = getId(), b = getId();
    const QString fields = fieldElement("TTestField", prop("ControlId", a, "CHAR") + prop("Count", "1", "NUM")) +
                           fieldElement("TNotRegistered", prop("ControlId", getId(), "CHAR")) +
                           fieldElement("TTestField", prop("Count", "2", "NUM") + prop("ControlId", b, "CHAR"));
    auto document = readDocument(documentText(fields));
    QVERIFY(document);
    const auto built = testFields(*document);
    QCOMPARE(built.size(), 2);
    QCOMPARE(built[0]->GetID(), a);
    QCOMPARE(built[0]->count, 1);
    QCOMPARE(built[1]->GetID(), b);
    QCOMPARE(built[1]->count, 2);
  }

  void fieldWithoutIdentityKeepsDefaults() {
    auto document = readDocument(documentText(fieldElement(
        "TTestField", prop("Count", "5", "NUM") + prop("Caption", "x", "CHAR") + prop("Left", "9", "NUM"))));
    const auto built = testFields(*document);
    QCOMPARE(built.size(), 1);
    QCOMPARE(built[0]->count, 0);
    QCOMPARE(built[0]->text(), QString());
    QCOMPARE(built[0]->left(), 0);
    QVERIFY(isIdentifier(built[0]->GetID()));
  }

  void duplicateIdentityGoesToFirstField() {
    const QString id = getId();
    const QString fields = fieldElement("TTestField", prop("ControlId", id, "CHAR") + prop("Count", "5", "NUM") +
                                                          prop("Caption", "first", "CHAR")) +
                           fieldElement("TTestField", prop("ControlId", id, "CHAR") + prop("Count", "7", "NUM"));
    auto document = readDocument(documentText(fields));
    const auto built = testFields(*document);
    QCOMPARE(built.size(), 2);
    QCOMPARE(built[0]->GetID(), id);
    QCOMPARE(built[0]->count, 7);  // both property sets, in document order
    QCOMPARE(built[0]->text(), QStringLiteral("first"));
    QVERIFY(built[1]->GetID() != id);
    QVERIFY(isIdentifier(built[1]->GetID()));
    QCOMPARE(built[1]->count, 0);
  }

  void propertyElementIsApplied_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("expected");  // the property's text afterwards
    QTest::newRow("ENUM true in lower case") << "Flag"
                                             << "true"
                                             << "ENUM"
                                             << "True";
    QTest::newRow("ENUM unknown identifier") << "Flag"
                                             << "yes"
                                             << "ENUM"
                                             << "False";
    QTest::newRow("NUM") << "Count"
                         << "42"
                         << "NUM"
                         << "42";
    QTest::newRow("NUM with fraction") << "Count"
                                       << "12.5"
                                       << "NUM"
                                       << "0";
    QTest::newRow("NUM not a number") << "Count"
                                      << "abc"
                                      << "NUM"
                                      << "0";
    QTest::newRow("NUM beyond 32 bits") << "Count"
                                        << "4294967296"
                                        << "NUM"
                                        << "0";
    QTest::newRow("setter refuses") << "Count"
                                    << "-3"
                                    << "NUM"
                                    << "0";
    QTest::newRow("unknown TYPE") << "Count"
                                  << "5"
                                  << "INTEGER"
                                  << "0";
    QTest::newRow("TYPE in lower case") << "Count"
                                        << "5"
                                        << "num"
                                        << "0";
    QTest::newRow("FLOAT") << "Ratio"
                           << "0.1"
                           << "FLOAT"
                           << "0.1";
    QTest::newRow("FLOAT exponent") << "Ratio"
                                    << "1e-300"
                                    << "FLOAT"
                                    << "1e-300";
    QTest::newRow("FLOAT not a number") << "Ratio"
                                        << "1,5"
                                        << "FLOAT"
                                        << "0";
    QTest::newRow("name in other case") << "count"
                                        << "3"
                                        << "NUM"
                                        << "3";
    QTest::newRow("CHAR with markup") << "Caption"
                                      << "a&amp;b&lt;&quot;c&#13;&#10;"
                                      << "CHAR"
                                      << "a&b<\"c\r\n";
    QTest::newRow("not persisted") << "Font"
                                   << "x"
                                   << "CHAR"
                                   << "";
  }
  void propertyElementIsApplied() {
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(QString, type);
    QFETCH(QString, expected);
    auto document = readDocument(documentText(fieldElement(
        "TTestField",
        prop("ControlId", getId(), "CHAR") + QStringLiteral("<%1 VALUE=\"%2\" TYPE=\"%3\"/>").arg(name, value, type))));
    const auto built = testFields(*document);
    QCOMPARE(built.size(), 1);
    QCOMPARE(propertyText(*built[0]->designObject(), name), expected);
  }

  // Links name their source by identity; the source may come later in the document.
  void linkResolvesWhateverTheOrder() {
    const QString follower = getId(), source = getId();
    const QString fields =
        fieldElement("TTestField", prop("ControlId", follower, "CHAR") + prop("LinkId", source, "CHAR")) +
        fieldElement("TTestField", prop("ControlId", source, "CHAR"));
    auto document = readDocument(documentText(fields));
    auto *sourceField = static_cast<TTestField *>(designRegistry().findById(source));
    QVERIFY(sourceField);
    QCOMPARE(sourceField->followers.ids(), QStringList{follower});
    sourceField->setText(QStringLiteral("v"));
    QCOMPARE(static_cast<TTestField *>(designRegistry().findById(follower))->text(), QStringLiteral("v+"));
  }

  void fieldsGetFreshNamesAndClearedText() {
    auto document = readDocument(documentText(fieldElement("TTestField", QString()) + fieldElement("TPlainField", {})));
    QCOMPARE(document->children().size(), 2);
    const auto built = testFields(*document);
    QVERIFY(built[0]->name().startsWith(QLatin1Char('_')));
    QVERIFY(isIdentifier(built[0]->name().mid(1)));
  }

  void documentStructure() {
    TEditPanels document;
    document.SetTitle(QStringLiteral("发货单"));
    document.SetDBID(QStringLiteral("0123456789ABCDEF0123456789ABCDEF"));
    TTestField field(&document);
    field.setGeometry(QRect(40, 20, 120, 18));
    const QString text = writeDocumentOnSkeleton(document, kSkeleton);

    QVERIFY(text.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n")));
    QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    QVERIFY(text.contains(QStringLiteral("<Title VALUE=\"发货单\" TYPE=\"CHAR\"/>")));
    QVERIFY(text.contains(QStringLiteral("<Left VALUE=\"40\" TYPE=\"NUM\"/>")));
    QVERIFY(!text.contains(QStringLiteral("<Font ")));

    const XmlDocument xml = parseXml(text);
    QCOMPARE(xml.root.name, QStringLiteral("Root"));
    QCOMPARE(xml.root.attributes.size(), 3);
    QCOMPARE(xml.root.attribute("ID"), QStringLiteral("6F1237732036ACF51FFC109352E0073D"));
    QCOMPARE(xml.root.children.size(), 1);
    const XmlElement &panels = xml.root.children.first();
    QCOMPARE(panels.name, QStringLiteral("TEditPanels"));
    QCOMPARE(panels.attribute("TYPE"), QStringLiteral("CLASS"));
    QStringList names;
    for (const XmlElement &child : panels.children) names << child.name;
    const QStringList expected = {"TTestField", "Name",        "Tag",         "AlignWithMargins", "Left",
                                  "Top",        "Width",       "Height",      "Cursor",           "Hint",
                                  "HelpType",   "HelpKeyword", "HelpContext", "ParentCustomHint", "Title",
                                  "ImageData",  "DBID"};
    QCOMPARE(names, expected);
    for (const XmlElement &property : panels.children.mid(1)) {
      QCOMPARE(property.attributes.size(), 2);
      QCOMPARE(property.attributes[0].first, QStringLiteral("VALUE"));
      QCOMPARE(property.attributes[1].first, QStringLiteral("TYPE"));
    }
    QCOMPARE(panels.children[10].attribute("VALUE"), QStringLiteral("htContext"));
    QCOMPARE(panels.children[13].attribute("VALUE"), QStringLiteral("True"));
    QCOMPARE(panels.children[0].children.first().name, QStringLiteral("TextStyle"));
  }

  void hiddenAndNonElementFieldsAreNotWritten() {
    TEditPanels document;
    TTestField shown(&document), hidden(&document);
    test::TPlainField plain(&document);
    hidden.setVisible(false);
    const XmlDocument xml = parseXml(writeDocumentOnSkeleton(document, kSkeleton));
    const XmlElement &panels = xml.root.children.first();
    QCOMPARE(panels.children.first().name, QStringLiteral("TTestField"));
    QCOMPARE(panels.children.at(1).name, QStringLiteral("Name"));
    QCOMPARE(readFieldIdentity(panels.children.first()), shown.GetID());
  }

  void writeReadWriteGivesSameText() {
    QString first;
    {
      TEditPanels document;
      document.SetTitle(QStringLiteral("快递单 <&>"));
      document.SetDBID(getId());
      document.setPictureBytes(imageBytes("JPEG"));
      TTestField a(&document), b(&document);
      a.setName(QStringLiteral("TestField1"));
      b.setName(QStringLiteral("TestField2"));
      a.setText(QStringLiteral("第一行\r\n\"引号\"\t&"));
      a.ratio = 0.1;
      b.ratio = 1.0 / 3.0;
      b.flag = true;
      b.setFontSize(6);
      test::designOf(&b)->SetLinkId(a.GetID());
      b.setDbStoreFlag(14);
      first = writeDocumentOnSkeleton(document, kSkeleton);
    }
    auto document = readDocument(first);
    QVERIFY(document);
    QCOMPARE(testFields(*document).size(), 2);
    QCOMPARE(testFields(*document)[0]->name(), QStringLiteral("TestField1"));
    QCOMPARE(writeDocumentOnSkeleton(*document, kSkeleton), first);
  }

  void skeletonFileIsRequired() {
    TEditPanels document;
    QVERIFY_THROWS_EXCEPTION(DocumentError, writeDocument(document, QStringLiteral("/nonexistent/qel.xml")));
    const QString staged = QStringLiteral(OP_SOURCE_DIR "/resources/qel.xml");
    QVERIFY(writeDocument(document, staged).contains(QStringLiteral("MakeType=\"Stand\"")));
  }

  void imageData_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("jpeg") << imageBytes("JPEG") << true;
    QTest::newRow("png converted") << imageBytes("PNG") << true;
    QTest::newRow("7 bytes") << imageBytes("JPEG").left(7) << false;
    QTest::newRow("not a picture") << QByteArray("0123456789abcdef") << false;
    QTest::newRow("empty") << QByteArray() << false;
  }
  void imageData() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loaded);
    TEditPanels document;
    document.SetImageData(toStorageText(bytes));
    QCOMPARE(!document.picture().isNull(), loaded);
    const QByteArray stored = fromStorageText(document.ImageData());
    QCOMPARE(stored.isEmpty(), !loaded);
    if (loaded) QVERIFY(stored.startsWith("\xFF\xD8"));
    if (loaded && bytes.startsWith("\xFF\xD8")) QCOMPARE(stored, bytes);  // a JPEG stream is kept unchanged
    if (loaded) QCOMPARE(document.panelSize(), QSize(16, 8));
  }
};

QTEST_MAIN(TestDocumentIo)
#include "tst_document_io.moc"
