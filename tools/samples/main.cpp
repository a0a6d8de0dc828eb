// Adds the sample templates to a database file: mksamples DATABASE.FDB SKELETON.xml [PNG-FOLDER]
// Each sample is a delivery note, courier waybill or envelope: a background picture of the blank form drawn
// here at the form's real proportions, labels and edits placed on its boxes, and custom data with the real
// paper size. The documents go through the program's own document writer and catalogue repository.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <memory>

#include "controls/currency_edit.h"
#include "controls/currency_label.h"
#include "controls/date_edit.h"
#include "controls/edit.h"
#include "controls/field_kinds.h"
#include "controls/label.h"
#include "core/base64.h"
#include "core/ids.h"
#include "dictionary/pinyin.h"
#include "document/control_registry.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/settings_document.h"
#include "storage/catalogue_repository.h"
#include "storage/database.h"

namespace {

// The seed's top-level category "我的模板".
const QString kSampleCategory = QStringLiteral("5F3C2A1B8E9D4C7A6B5E4F3D2C1B0A99");
constexpr double kPixelsPerMm = 800.0 / 241.0;  // the delivery note fills 800 pixels
const QColor kInk(0xb0, 0x20, 0x20);            // the red of pre-printed forms
const QColor kBlueInk(0x1c, 0x3f, 0x8c);

int px(double mm) {
  return int(mm * kPixelsPerMm + 0.5);
}
QRect box(double x, double y, double w, double h) {
  return QRect(px(x), px(y), px(w), px(h));
}

// One sample being built: the picture, the document and its fields.
class Sample {
 public:
  Sample(const QString &title, int widthMm, int heightMm, const QColor &ink)
      : title_(title), widthMm_(widthMm), heightMm_(heightMm), image_(px(widthMm), px(heightMm), QImage::Format_RGB32) {
    image_.fill(QColor(0xfd, 0xfb, 0xf4));
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::TextAntialiasing);
    pen_ = QPen(ink, 1.6);
    painter_->setPen(pen_);
    document_.SetTitle(title);
  }

  QPainter &paint() { return *painter_; }
  QColor ink() const { return pen_.color(); }

  void heading(const QRect &rect, const QString &text, int pointSize, bool bold = false, int flags = Qt::AlignCenter) {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pointSize);
    font.setBold(bold);
    painter_->setFont(font);
    painter_->drawText(rect, flags, text);
  }
  void frame(const QRect &rect, double width = 1.6) {
    painter_->setPen(QPen(pen_.color(), width));
    painter_->drawRect(rect);
    painter_->setPen(pen_);
  }
  void line(double x1, double y1, double x2, double y2, double width = 1.2) {
    painter_->setPen(QPen(pen_.color(), width));
    painter_->drawLine(QPointF(x1 * kPixelsPerMm, y1 * kPixelsPerMm), QPointF(x2 * kPixelsPerMm, y2 * kPixelsPerMm));
    painter_->setPen(pen_);
  }

  // An edit over a box of the form, its text inset a little from the box's lines.
  op::TQELEdit *edit(const QRect &rect, int roleNumber = -1, int fontSize = 10) {
    auto *field = new op::TQELEdit(&document_);
    field->setName(QStringLiteral("Edit%1").arg(++edits_));
    field->setGeometry(rect.adjusted(3, 3, -3, -3));
    field->setFontName(QStringLiteral("宋体"));
    field->setFontSize(fontSize);
    field->setDbStoreFlag(roleNumber);
    return field;
  }
  // A label printed with the form's own data (sender, company), changeable in the designer.
  op::TQELLabel *label(const QRect &rect, const QString &caption, int fontSize = 10) {
    auto *field = new op::TQELLabel(&document_);
    field->setName(QStringLiteral("Label%1").arg(++labels_));
    field->setGeometry(rect.adjusted(3, 3, -3, -3));
    field->setCaption(caption);
    field->setFontName(QStringLiteral("宋体"));
    field->setFontSize(fontSize);
    return field;
  }

  // A money edit in digit cells and a label that reads its amount in capitals.
  op::TQELCurrencyEdit *money(const QRect &rect) {
    auto *field = new op::TQELCurrencyEdit(&document_);
    field->setName(QStringLiteral("CurrencyEdit%1").arg(++moneys_));
    field->setGeometry(rect.adjusted(2, 2, -2, -2));
    return field;
  }
  op::TQELCurrencyLabel *moneyInWords(const QRect &rect, const op::TQELCurrencyEdit &source) {
    auto *field = new op::TQELCurrencyLabel(&document_);
    field->setName(QStringLiteral("CurrencyLabel%1").arg(moneys_));
    field->setGeometry(rect.adjusted(3, 3, -3, -3));
    field->setFontName(QStringLiteral("宋体"));
    field->setFontSize(10);
    field->setLinkId(source.GetID());
    return field;
  }
  op::TQELDateEdit *date(const QRect &rect) {
    auto *field = new op::TQELDateEdit(&document_);
    field->setName(QStringLiteral("DateEdit%1").arg(++dates_));
    field->setGeometry(rect.adjusted(2, 2, -2, -2));
    field->setFontName(QStringLiteral("宋体"));
    field->setFontSize(10);
    return field;
  }

  void store(op::Database &db, const QString &skeleton, const QString &pngFolder) {
    painter_.reset();
    if (!pngFolder.isEmpty()) image_.save(QDir(pngFolder).filePath(title_ + QStringLiteral(".png")));
    const QString innerId = op::getId();
    document_.SetDBID(innerId);
    document_.setPicture(image_);
    document_.SetWidth(image_.width());
    document_.SetHeight(image_.height());
    const QString text = op::settingsdoc::setValue(
        op::writeDocumentOnSkeleton(document_, skeleton, op::designRegistry()), QStringLiteral("TITLE"), title_, true);
    QString custom = op::settingsdoc::setValue(skeleton, QStringLiteral("REALWIDTH"), QString::number(widthMm_), true);
    custom = op::settingsdoc::setValue(custom, QStringLiteral("REALHEIGHT"), QString::number(heightMm_), true);
    custom = op::settingsdoc::setValue(custom, QStringLiteral("PRINTLEFT"), QStringLiteral("0"), true);
    custom = op::settingsdoc::setValue(custom, QStringLiteral("PRINTTOP"), QStringLiteral("0"), true);
    custom = op::settingsdoc::setValue(custom, QStringLiteral("REALTYPE"), QStringLiteral("1"), true);
    op::CatalogueRepository(db).createTemplate(innerId, kSampleCategory, title_, op::PinyinInitials(title_),
                                               op::documentToStorageText(text), op::documentToStorageText(custom));
  }

 private:
  QString title_;
  int widthMm_, heightMm_;
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  QPen pen_;
  op::TEditPanels document_;
  int edits_ = 0;
  int labels_ = 0;
  int moneys_ = 0;
  int dates_ = 0;
};

// 送货单: 241 × 140 mm, the three-part continuous form.
void deliveryNote(Sample &s) {
  s.heading(box(0, 5, 241, 12), QStringLiteral("送  货  单"), 34, true);
  s.line(95, 17.5, 146, 17.5, 1.4);
  s.line(95, 18.5, 146, 18.5, 0.8);
  s.heading(box(175, 8, 20, 8), QStringLiteral("No."), 16, true, Qt::AlignRight | Qt::AlignVCenter);
  s.edit(box(196, 7, 36, 10), -1, 12);
  s.label(box(12, 7, 70, 10), QStringLiteral("示例商贸有限公司"), 11);

  const double top = 22;
  s.heading(box(12, top, 24, 9), QStringLiteral("客户名称"), 15, false, Qt::AlignLeft | Qt::AlignVCenter);
  s.line(36, top + 8, 150, top + 8);
  s.edit(box(36, top, 114, 9));
  s.heading(box(156, top, 16, 9), QStringLiteral("日期"), 15, false, Qt::AlignLeft | Qt::AlignVCenter);
  s.line(172, top + 8, 229, top + 8);
  s.date(box(172, top, 57, 9));
  s.heading(box(12, top + 10, 24, 9), QStringLiteral("送货地址"), 15, false, Qt::AlignLeft | Qt::AlignVCenter);
  s.line(36, top + 18, 150, top + 18);
  s.edit(box(36, top + 10, 114, 9));
  s.heading(box(156, top + 10, 16, 9), QStringLiteral("电话"), 15, false, Qt::AlignLeft | Qt::AlignVCenter);
  s.line(172, top + 18, 229, top + 18);
  s.edit(box(172, top + 10, 57, 9));

  // The goods table: header row and five rows.
  const double tableTop = 43, rowHeight = 9.5, left = 12, right = 229;
  const QList<QPair<QString, double>> columns = {{QStringLiteral("序号"), 12},     {QStringLiteral("商品名称"), 60},
                                                 {QStringLiteral("规格型号"), 30}, {QStringLiteral("单位"), 15},
                                                 {QStringLiteral("数量"), 22},     {QStringLiteral("单价"), 24},
                                                 {QStringLiteral("金额"), 28},     {QStringLiteral("备注"), 26}};
  const int rows = 5;
  s.frame(box(left, tableTop, right - left, rowHeight * (rows + 2)), 2.0);
  for (int r = 1; r <= rows + 1; ++r) s.line(left, tableTop + r * rowHeight, right, tableTop + r * rowHeight);
  double x = left;
  for (int c = 0; c < columns.size(); ++c) {
    const double w = columns[c].second;
    s.heading(box(x, tableTop, w, rowHeight), columns[c].first, 15, true);
    if (c > 0) s.line(x, tableTop, x, tableTop + rowHeight * (rows + 1));
    for (int r = 1; r <= rows; ++r) {
      if (c == 0)
        s.heading(box(x, tableTop + r * rowHeight, w, rowHeight), QString::number(r), 14);
      else
        s.edit(box(x, tableTop + r * rowHeight, w, rowHeight));
    }
    x += w;
  }
  const double sumTop = tableTop + rowHeight * (rows + 1);
  s.heading(box(left + 2, sumTop, 40, rowHeight), QStringLiteral("合计金额(大写)"), 15, true,
            Qt::AlignLeft | Qt::AlignVCenter);
  s.heading(box(163, sumTop, 10, rowHeight), QStringLiteral("¥"), 16, true);
  const op::TQELCurrencyEdit *total = s.money(box(173, sumTop, 56, rowHeight));
  s.moneyInWords(box(left + 42, sumTop, 100, rowHeight), *total);

  const double footer = sumTop + rowHeight + 6;
  for (const auto &[caption, at] : QList<QPair<QString, double>>{
           {QStringLiteral("制单"), 12}, {QStringLiteral("送货人"), 82}, {QStringLiteral("收货人签字"), 152}}) {
    s.heading(box(at, footer, 26, 9), caption, 15, false, Qt::AlignLeft | Qt::AlignVCenter);
    s.line(at + 26, footer + 8, at + 66, footer + 8);
  }
  s.edit(box(38, footer, 40, 9));
  s.edit(box(108, footer, 40, 9));
  s.heading(box(0, 128, 241, 8),
            QStringLiteral("第一联 存根(白)    第二联 客户(红)    第三联 回单(黄)    货物当面点清，过后概不负责"), 12);
}

// 快递单: 230 × 127 mm, sender on the left, recipient on the right, items and payment below.
void waybill(Sample &s) {
  s.frame(box(4, 4, 222, 119), 2.2);
  s.paint().fillRect(box(4, 4, 222, 12), QColor(0x1c, 0x3f, 0x8c));
  s.paint().setPen(Qt::white);
  s.heading(box(8, 4, 120, 12), QStringLiteral("示例速递  国内快递详情单"), 22, true, Qt::AlignLeft | Qt::AlignVCenter);
  s.heading(box(150, 4, 72, 12), QStringLiteral("服务热线 400-000-0000"), 15, false, Qt::AlignRight | Qt::AlignVCenter);
  s.paint().setPen(QPen(s.ink(), 1.6));

  const double top = 16, mid = 115, bottom = 88;
  s.line(mid, top, mid, bottom, 1.6);
  s.line(4, bottom, 226, bottom, 1.6);
  struct Row {
    QString caption;
    double height;
  };
  const QList<Row> rows = {{QStringLiteral("姓名"), 11},
                           {QStringLiteral("单位名称"), 11},
                           {QStringLiteral("详细地址"), 24},
                           {QStringLiteral("城市"), 10},
                           {QStringLiteral("联系电话"), 16}};
  // Recipient roles: name, company, address, city, telephone (fixed or mobile).
  const QList<int> recipientRoles = {2, 1, 4, 3, 14};
  const QStringList senderSample = {QStringLiteral("王小明"), QStringLiteral("示例商贸有限公司"),
                                    QStringLiteral("上海市浦东新区世纪大道100号"), QStringLiteral("上海"),
                                    QStringLiteral("021-12345678")};
  for (int side = 0; side < 2; ++side) {
    const double x0 = side == 0 ? 4 : mid, width = 111;
    s.heading(box(x0, top, 8, bottom - top), side == 0 ? QStringLiteral("寄\n件\n人") : QStringLiteral("收\n件\n人"),
              16, true);
    s.line(x0 + 8, top, x0 + 8, bottom);
    double y = top;
    for (int r = 0; r < rows.size(); ++r) {
      s.heading(box(x0 + 9, y, 18, rows[r].height), rows[r].caption, 13, false, Qt::AlignLeft | Qt::AlignVCenter);
      const QRect field = box(x0 + 27, y, width - 27, rows[r].height);
      if (side == 0)
        s.label(field, senderSample[r]);
      else
        s.edit(field, recipientRoles[r]);
      y += rows[r].height;
      if (r + 1 < rows.size()) s.line(x0 + 8, y, x0 + width, y, 0.8);
    }
  }
  // Contents, payment and signature.
  s.heading(box(6, bottom + 1, 24, 10), QStringLiteral("内件品名"), 13, false, Qt::AlignLeft | Qt::AlignVCenter);
  s.edit(box(30, bottom + 1, 85, 10), 8);
  s.line(4, bottom + 12, 226, bottom + 12, 0.8);
  s.heading(box(6, bottom + 12, 24, 10), QStringLiteral("备注"), 13, false, Qt::AlignLeft | Qt::AlignVCenter);
  s.edit(box(30, bottom + 12, 85, 10), 12);
  s.line(115, bottom, 115, 123, 1.2);
  s.heading(box(117, bottom + 1, 20, 10), QStringLiteral("付款方式"), 13, false, Qt::AlignLeft | Qt::AlignVCenter);
  const QStringList payments = {QStringLiteral("寄方付"), QStringLiteral("收方付"), QStringLiteral("第三方付")};
  for (int i = 0; i < payments.size(); ++i) {
    s.frame(box(139 + i * 29, bottom + 4, 4, 4), 1.0);
    s.heading(box(144 + i * 29, bottom + 1, 24, 10), payments[i], 13, false, Qt::AlignLeft | Qt::AlignVCenter);
  }
  s.heading(box(117, bottom + 12, 40, 10), QStringLiteral("寄件人签名"), 13, false, Qt::AlignLeft | Qt::AlignVCenter);
  s.line(145, bottom + 20, 222, bottom + 20, 0.8);
  s.heading(box(4, 124, 222, 3), QString(), 8);
}

// 信封: DL envelope 220 × 110 mm: postal-code boxes, stamp area, recipient lines and the sender below.
void envelope(Sample &s) {
  s.paint().setPen(QPen(QColor(0x20, 0x7a, 0x3a), 1.6));
  for (int i = 0; i < 6; ++i) {
    const QRect cell = box(10 + i * 10, 10, 8, 9);
    s.paint().drawRect(cell);
  }
  QRect code = box(10, 10, 58, 9);
  auto *postal = s.edit(code, 5, 14);
  postal->setFontSize(16);
  s.paint().setPen(QPen(QColor(0x20, 0x7a, 0x3a), 1.2, Qt::DashLine));
  s.paint().drawRect(box(186, 8, 24, 28));
  s.heading(box(186, 8, 24, 28), QStringLiteral("贴邮票\n处"), 13);
  s.paint().setPen(QPen(QColor(0x20, 0x7a, 0x3a), 1.2));
  for (int i = 0; i < 3; ++i) s.line(22, 42 + i * 14, 198, 42 + i * 14, 0.9);
  s.edit(box(22, 32, 176, 10), 4, 14);
  s.edit(box(22, 46, 176, 10), 1, 14);
  s.heading(box(168, 60, 30, 10), QStringLiteral("(收)"), 15, false, Qt::AlignRight | Qt::AlignVCenter);
  s.edit(box(50, 60, 110, 10), 2, 16);
  s.line(80, 86, 210, 86, 0.9);
  s.label(box(80, 77, 130, 9), QStringLiteral("上海市浦东新区世纪大道100号 示例商贸有限公司"), 10);
  s.heading(box(150, 92, 30, 8), QStringLiteral("邮政编码:"), 13, false, Qt::AlignRight | Qt::AlignVCenter);
  s.label(box(180, 92, 30, 8), QStringLiteral("200120"), 10);
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::fputs("usage: mksamples DATABASE.FDB SKELETON.xml [PNG-FOLDER]\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  op::registerFieldKinds();
  op::setDesignMode(true);  // the fields join the registry the writer reads
  QFile skeletonFile(QString::fromLocal8Bit(argv[2]));
  if (!skeletonFile.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "mksamples: cannot read %s\n", argv[2]);
    return 1;
  }
  const QString skeleton = QString::fromUtf8(skeletonFile.readAll());
  const QString pngFolder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
  if (!pngFolder.isEmpty()) QDir().mkpath(pngFolder);
  try {
    auto db = op::OpenDatabase(QString::fromLocal8Bit(argv[1]));
    struct Kind {
      QString title;
      int width, height;
      QColor ink;
      void (*draw)(Sample &);
    };
    const QList<Kind> kinds = {{QStringLiteral("送货单"), 241, 140, kInk, deliveryNote},
                               {QStringLiteral("快递单"), 230, 127, kBlueInk, waybill},
                               {QStringLiteral("信封"), 220, 110, QColor(0x20, 0x7a, 0x3a), envelope}};
    for (const Kind &kind : kinds) {
      Sample sample(kind.title, kind.width, kind.height, kind.ink);
      kind.draw(sample);
      sample.store(*db, skeleton, pngFolder);
    }
  } catch (const std::exception &error) {
    std::fprintf(stderr, "mksamples: %s\n", error.what());
    return 1;
  }
  return 0;
}
