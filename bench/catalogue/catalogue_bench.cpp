// Start-up to the first template shown, with a catalogue of 1,000 templates in 50 categories.
//   bench_catalogue [RUNS]          median of RUNS starts (default 7)

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/frmmain.h"
#include "app/startup.h"
#include "core/ids.h"
#include "storage/catalogue_repository.h"
#include "storage/database.h"
#include "storage/datafolder.h"
#include "widgets/fillin_panel.h"

namespace {

constexpr int kCategories = 50;
constexpr int kTemplatesPerCategory = 20;

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Copies of the first sample template, spread over new top-level categories, in one transaction.
void fillCatalogue(const QString &databasePath) {
  auto db = op::OpenDatabase(databasePath);
  op::CatalogueRepository repo(*db);
  const op::CatalogueListing sample = repo.listTemplates().front();
  const QString data = *repo.readTemplateData(sample.innerId);
  const QString custom = *repo.readCustomData(sample.innerId);
  for (int c = 0; c < kCategories; ++c) {
    const QString category = op::getId();
    db->execute(QStringLiteral("insert into PP_List (ID, InnerID, ParaID, Title, AppId) values "
                               "(GEN_ID(GEN_PP_LIST_ID, 1), :id, 'RPNULL', :title, 22)"),
                {{"id", category}, {"title", QStringLiteral("类别%1").arg(c + 1)}});
    for (int i = 0; i < kTemplatesPerCategory; ++i) {
      const QString id = op::getId();
      auto q = db->NewStatement();
      db->ExecWithText(*q,
                       QStringLiteral("insert into PP_Items (ID, InnerID, ParaID, PYM, Title, Md5, RPData, ItemType, "
                                      "APPID) values (GEN_ID(GEN_PP_ITEMS_ID, 1), :id, :para, '', :title, :md5, "
                                      ":Blob, 1, 22)"),
                       data, false, "Blob",
                       {{"id", id},
                        {"para", category},
                        {"title", QStringLiteral("模板%1-%2").arg(c + 1).arg(i + 1)},
                        {"md5", op::md5Hex(data.toLatin1())}});
      db->ExecWithText(*q,
                       QStringLiteral("insert into PP_CustomData (ID, InnerID, CustomData) values "
                                      "(GEN_ID(GEN_PP_CUSTOMDATA_ID, 1), :id, :Blob)"),
                       custom, false, "Blob", {{"id", id}});
    }
  }
  db->commit();
}

double treeLoadOnce(const QString &databasePath) {
  auto db = op::OpenDatabase(databasePath);
  QElapsedTimer timer;
  timer.start();
  const size_t count = op::CatalogueRepository(*db).listTemplates().size();
  const double ms = timer.nsecsElapsed() / 1e6;
  return count >= size_t(kCategories * kTemplatesPerCategory) ? ms : -1;
}

// One start: sequence (which loads the tree and opens the first template), window shown and exposed.
double startOnce(const QString &dataDir) {
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
  auto *panel = startup.window()->fillInHost()->findChild<op::FillInPanel *>();
  if (!panel || !panel->currentDocument()) return -1;
  return elapsed;
}

}  // namespace

int main(int argc, char **argv) {
  QApplication application(argc, argv);
  const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
  QTemporaryDir folder;
  op::DataFolder::seed(QStringLiteral(OP_STAGE_DIR "/default"), folder.path());
  const QString databasePath = op::DataFolder(folder.path()).databasePath();
  QElapsedTimer fillTimer;
  fillTimer.start();
  fillCatalogue(databasePath);
  std::printf("filling 1,000 templates in 50 categories: %8.1f ms\n", fillTimer.nsecsElapsed() / 1e6);

  std::vector<double> trees, starts;
  for (int run = 0; run < runs; ++run) trees.push_back(treeLoadOnce(databasePath));
  for (int run = 0; run < runs; ++run) {
    const double ms = startOnce(folder.path());
    if (ms < 0) {
      std::fprintf(stderr, "start-up failed or no template shown\n");
      return 1;
    }
    starts.push_back(ms);
  }
  std::printf("catalogue tree read, median of %d:        %8.1f ms\n", runs, median(trees));
  std::printf("start-up to first template shown, median of %d: %8.1f ms (min %.1f, max %.1f)\n", runs, median(starts),
              *std::min_element(starts.begin(), starts.end()), *std::max_element(starts.begin(), starts.end()));
  return 0;
}
