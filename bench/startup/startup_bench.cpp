// Measures the start-up sequence up to the main window shown with an empty catalogue.
//
//   bench_startup [RUNS] [--screenshot FILE]   median of RUNS starts (default 9); optionally saves the window
//   bench_startup --grab-screen FILE            saves the whole screen of the display (for looking at the program)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/frmmain.h"
#include "app/startup.h"
#include "storage/datafolder.h"

namespace {

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One start: sequence, window shown and exposed. Returns milliseconds, or -1 on failure.
double startOnce(const QString &dataDir, const QString &screenshot) {
  QElapsedTimer timer;
  timer.start();
  op::app::StartupSequence startup;
  op::app::StartupSequence::Options options;
  options.dataDir = dataDir;
  options.singleInstance = false;
  if (startup.run(options) != op::app::StartupSequence::Outcome::Ready) return -1;
  startup.window()->showMaximized();
  if (!QTest::qWaitForWindowExposed(startup.window())) return -1;
  QApplication::processEvents();
  const double elapsed = timer.nsecsElapsed() / 1e6;
  if (!screenshot.isEmpty()) startup.window()->grab().save(screenshot);
  return elapsed;
}

int grabScreen(const QString &file) {
  QScreen *screen = QGuiApplication::primaryScreen();
  return screen && screen->grabWindow(0).save(file) ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  QStringList args = application.arguments().mid(1);
  if (args.size() == 2 && args[0] == "--grab-screen") return grabScreen(args[1]);

  int runs = 9;
  QString screenshot;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == "--screenshot" && i + 1 < args.size())
      screenshot = args[++i];
    else
      runs = std::max(1, args[i].toInt());
  }

  QTemporaryDir folder;
  const QString dataDir = folder.path();
  QElapsedTimer seedTimer;
  seedTimer.start();
  op::DataFolder::seed(QStringLiteral(OP_STAGE_DIR "/default"), dataDir);
  const double seedMs = seedTimer.nsecsElapsed() / 1e6;

  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const double ms = startOnce(dataDir, run == runs - 1 ? screenshot : QString());
    if (ms < 0) {
      std::fprintf(stderr, "start-up failed\n");
      return 1;
    }
    times.push_back(ms);
  }
  std::printf("seeding a fresh data folder:          %8.1f ms\n", seedMs);
  std::printf("first start (cold):                   %8.1f ms\n", times.front());
  std::printf("start-up to main window, median of %d: %8.1f ms (min %.1f, max %.1f)\n", runs, median(times),
              *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
  return 0;
}
