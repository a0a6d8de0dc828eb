// Figures of the batch print: overprint-cli print of a 20-field template over 1,000 and 10,000 CSV rows into
// one PDF with history logging (pages per second, peak memory), beside a bare PDF writer loop drawing the same
// strings; and opening the history viewer and filtering 100,000 logged prints.
#include "core/messagesink.h"
#include "printing/history_store.h"
#include "printing/history_view_dialog.h"
#include "storage/database.h"
#include "templatefixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace op;

namespace {

constexpr int kFields = 20;

QString cell(int row, int column) {
  return QStringLiteral("收件人%1-%2 上海市浦东新区").arg(row).arg(column);
}

void writeCsv(const QString &path, int rows) {
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  QStringList header;
  for (int c = 0; c < kFields; ++c) header << QStringLiteral("F%1").arg(c + 1);
  file.write(header.join(',').toUtf8() + '\n');
  for (int r = 0; r < rows; ++r) {
    QStringList line;
    for (int c = 0; c < kFields; ++c) line << cell(r, c);
    file.write(line.join(',').toUtf8() + '\n');
  }
}

struct CliRun {
  double seconds = 0;
  long peakKb = 0;
  bool ok = false;
};

// Runs the command under /usr/bin/time -v for its peak resident size.
CliRun runCli(const QString &dataDir, const QString &id, const QString &csv, const QString &pdf) {
  QProcess process;
  QElapsedTimer timer;
  timer.start();
  process.start("/usr/bin/time", {"-v", OP_STAGE_DIR "/overprint-cli", "--data-dir", dataDir, "print", "--template", id,
                                  "--rows", csv, "--out", pdf});
  process.waitForFinished(-1);
  CliRun run;
  run.seconds = timer.nsecsElapsed() / 1e9;
  run.ok = process.exitCode() == 0;
  for (const QString &line : QString::fromUtf8(process.readAllStandardError()).split('\n'))
    if (line.contains("Maximum resident set size")) run.peakKb = line.section(':', 1).trimmed().toLong();
  if (!run.ok) std::fprintf(stderr, "overprint-cli failed\n");
  return run;
}

double barePdfPagesPerSecond(const QString &path, int pages) {
  QElapsedTimer timer;
  timer.start();
  QPdfWriter writer(path);
  writer.setResolution(300);
  writer.setPageSize(QPageSize(QPageSize::A4));
  QPainter painter(&writer);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(37);
  painter.setFont(font);
  for (int p = 0; p < pages; ++p) {
    if (p) writer.newPage();
    for (int c = 0; c < kFields; ++c) painter.drawText(312, 312 + c * 125 + 30, cell(p, c));
  }
  painter.end();
  return pages / (timer.nsecsElapsed() / 1e9);
}

void fillHistory(Database &db, int rows) {
  const QString text = QStringLiteral("AAAA");
  auto insert = db.NewStatement(
      "insert into PP_PrintHistory (ID, innerid, Title, PrintData, isGZip, OPID, OPNAME, CreateDate) "
      "values (:ID, :Inner, :Title, :Data, 0, -99, 'admin', :Created)");
  const QDateTime now = QDateTime::currentDateTime();
  for (int i = 0; i < rows; ++i) {
    insert->bind("ID", i + 1);
    insert->bind("Inner", QString::number(i + 1));
    insert->bind("Title", i % 10 == 0 ? QStringLiteral("快递单%1").arg(i) : QStringLiteral("发货单%1").arg(i));
    insert->bind("Data", text);
    insert->bind("Created", now.addSecs(-60LL * i));  // about 70 days of prints
    insert->execute();
  }
  db.commit();
}

void printFigures(const QTemporaryDir &dir, const QString &templateId) {
  std::printf("overprint-cli print, %d-field template, one PDF, every copy logged in the history\n", kFields);
  std::printf("%8s %12s %10s %12s\n", "rows", "seconds", "pages/s", "peak MB");
  for (const int rows : {1000, 10000}) {
    const QString csv = dir.filePath(QStringLiteral("rows%1.csv").arg(rows));
    writeCsv(csv, rows);
    std::vector<CliRun> runs;
    const int repeats = rows <= 1000 ? 3 : 1;
    for (int i = 0; i < repeats; ++i) runs.push_back(runCli(dir.path(), templateId, csv, dir.filePath("out.pdf")));
    std::sort(runs.begin(), runs.end(), [](const CliRun &a, const CliRun &b) { return a.seconds < b.seconds; });
    const CliRun &median = runs[runs.size() / 2];
    std::printf("%8d %12.2f %10.0f %12.1f%s\n", rows, median.seconds, rows / median.seconds, median.peakKb / 1024.0,
                median.ok ? "" : "  (failed)");
  }
  std::printf("bare QPdfWriter loop, same strings: %.0f pages/s (10,000 pages)\n",
              barePdfPagesPerSecond(dir.filePath("bare.pdf"), 10000));
}

void measureViewer(PrintHistoryStore &store, const char *label) {
  QElapsedTimer timer;
  std::vector<double> open, filter;
  for (int i = 0; i < 3; ++i) {
    timer.start();
    TFrmHistoryView view(store);
    open.push_back(timer.nsecsElapsed() / 1e6);
    view.TitleCheck->setChecked(true);
    view.TitleEdit->setText(QStringLiteral("快递"));
    timer.start();
    view.query();
    filter.push_back(timer.nsecsElapsed() / 1e6);
    if (i == 0)
      std::printf("history viewer: %d rows listed, %d after the filter\n", int(store.countAll()),
                  view.model()->rowCount());
  }
  std::sort(open.begin(), open.end());
  std::sort(filter.begin(), filter.end());
  std::printf("history viewer, %s: open (all 100,000 rows) %.0f ms; filter title + today %.0f ms (median of 3)\n",
              label, open[1], filter[1]);
}

}  // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  QDir().mkpath(dir.filePath("db"));
  QFile::copy(OP_STAGE_DIR "/default/db/QEL_DATA3.FDB", dir.filePath("db/QEL_DATA3.FDB"));
  QFile::setPermissions(dir.filePath("db/QEL_DATA3.FDB"), QFile::ReadOwner | QFile::WriteOwner);
  StoredTemplateSpec spec;
  for (int c = 0; c < kFields; ++c) spec.helpTexts << QStringLiteral("F%1").arg(c + 1);
  spec.firstEdit = QRect(30, 30, 400, 30);
  {
    auto db = OpenDatabase(dir.filePath("db/QEL_DATA3.FDB"));
    storeTemplate(*db, spec, OP_SOURCE_DIR "/resources/qel.xml");
  }

  // "history" as argument: only the history viewer figures.
  if (!app.arguments().contains(QStringLiteral("history"))) printFigures(dir, spec.innerId);

  auto db = OpenDatabase(dir.filePath("db/QEL_DATA3.FDB"));
  db->execute("delete from PP_PrintHistory");
  db->commit();
  QElapsedTimer timer;
  timer.start();
  fillHistory(*db, 100000);
  std::printf("history: 100,000 rows inserted in %.1f s\n", timer.nsecsElapsed() / 1e9);
  PrintHistoryStore store(*db);
  measureViewer(store, "shipped schema");
  // With a descending index the newest rows come straight from the index instead of a sort.
  db->execute("CREATE DESCENDING INDEX IX_BENCH_HISTORY_DESC ON PP_PrintHistory (CreateDate)");
  db->commit();
  measureViewer(store, "with a descending CreateDate index");
  return 0;
}
