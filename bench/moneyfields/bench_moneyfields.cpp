// Print items of 100 money edits of 11 cells: the median time of producing them all. With "--pdf <file>" it
// also prints a money edit, its money label and a date edit onto a PDF page to look at.
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "controls/currency_edit.h"
#include "controls/currency_label.h"
#include "controls/date_edit.h"
#include "document/printitem.h"
#include "printing/printblock.h"
#include "printing/printtarget.h"
#include "printing/renderer.h"

namespace {

void collect(op::QelElementField &field, std::vector<std::unique_ptr<op::PrintItem>> &items) {
  op::IQELPrintData *print = field.GetPrintData();
  const int count = print->GetPrintDataCount();
  for (int i = 0; i < count; ++i)
    if (auto item = print->GetPrinteData(i)) items.push_back(std::move(item));
}

int printPage(const QString &path) {
  op::TQELCurrencyEdit edit;
  op::TQELCurrencyLabel label;
  op::TQELDateEdit date;
  edit.setGeometry(QRect(40, 40, 143, 25));
  label.setGeometry(QRect(40, 80, 320, 20));
  label.setTextStyle(1);
  date.setGeometry(QRect(40, 120, 284, 30));
  label.setLinkId(edit.GetID());
  edit.setFloatValue(12345.67);
  date.setDateStyle(op::DateStyle::DSCNChar);
  date.setDate(QDate(2026, 3, 15));

  std::vector<std::unique_ptr<op::PrintItem>> items;
  collect(edit, items);
  collect(label, items);
  collect(date, items);
  std::vector<const op::PrintItem *> pointers;
  for (const auto &item : items) pointers.push_back(item.get());
  const QByteArray block = op::BuildPrintBlock(pointers);

  op::PdfTarget target(path, 96);
  if (!target.beginDocument(QStringLiteral("moneyfields"))) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(target.errorString()));
    return 1;
  }
  // The cells of the money edit drawn as thin boxes, as a pre-printed form would have them.
  QPainter *painter = target.painter();
  painter->setPen(QColor(180, 180, 180));
  for (const auto &item : items)
    if (item->BaseRect.Top == 40)
      painter->drawRect(item->BaseRect.Left, item->BaseRect.Top, item->BaseRect.Right - item->BaseRect.Left,
                        item->BaseRect.Bottom - item->BaseRect.Top);
  QString error;
  const bool drawn = op::DrawPrintBlock(block, painter, 0, op::kDrawAll, 0, &error);
  target.endDocument();
  if (!drawn) {
    std::fprintf(stderr, "drawing failed: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("printed %zu items to %s\n", items.size(), qPrintable(path));
  return 0;
}

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  const QStringList arguments = app.arguments();
  const qsizetype pdf = arguments.indexOf(QStringLiteral("--pdf"));
  if (pdf > 0 && pdf + 1 < arguments.size()) return printPage(arguments.at(pdf + 1));

  constexpr int kEdits = 100;
  std::mt19937_64 random(7);
  std::vector<std::unique_ptr<op::TQELCurrencyEdit>> edits;
  for (int i = 0; i < kEdits; ++i) {
    auto edit = std::make_unique<op::TQELCurrencyEdit>();
    edit->setGeometry(QRect(10, 10 + 30 * i, 121, 25));
    const quint64 hundredths = random() % 100'000'000'000ull;  // up to 999,999,999.99: every cell used
    edit->setAmount(op::MoneyAmount::fromHundredths(i % 7 == 0, hundredths % (i % 7 == 0 ? 10'000'000'000ull : ~0ull)));
    edits.push_back(std::move(edit));
  }

  constexpr int kRuns = 201;
  std::vector<double> micros;
  std::size_t produced = 0;
  for (int run = 0; run < kRuns; ++run) {
    std::vector<std::unique_ptr<op::PrintItem>> items;
    items.reserve(kEdits * 11);
    QElapsedTimer timer;
    timer.start();
    for (auto &edit : edits) collect(*edit, items);
    micros.push_back(timer.nsecsElapsed() / 1000.0);
    produced = items.size();
  }
  std::sort(micros.begin(), micros.end());
  std::printf(
      "money edit print items: %.1f us for 100 edits of 11 cells, %zu items (median of %d runs; goal < 1000 us)\n",
      micros[kRuns / 2], produced, kRuns);
  return 0;
}
