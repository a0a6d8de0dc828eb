#include "app/catalogue_wiring.h"

#include <QLayout>

#include "app/frmmain.h"
#include "app/icons.h"
#include "controls/field_kinds.h"
#include "dictionary/dict_dialog.h"
#include "storage/database.h"
#include "storage/datafolder.h"
#include "widgets/catalogue_tree.h"
#include "widgets/fillin_panel.h"

namespace op::app {

namespace {

// The picker "选择数据" over the entries the fill-in panel read; returns the row current when it closed.
int pickWithDictFind(const QList<DictEntry> &entries, QWidget *parent) {
  std::vector<DictionaryEntry> rows;
  rows.reserve(size_t(entries.size()));
  for (const DictEntry &entry : entries)
    rows.push_back({int(entry.id), entry.innerId, entry.title, entry.dictData, {}, {}});
  TFrmDictFind picker(std::move(rows), parent);
  picker.exec();
  return picker.grid()->currentRow();
}

}  // namespace

CatalogueWiring wireCatalogue(TFrmMain &window, Database &db) {
  registerFieldKinds();
  CatalogueWiring wiring;

  QWidget *host = window.fillInHost();
  if (QWidget *placeholder = host->findChild<QWidget *>(QStringLiteral("fillInPlaceholder"))) placeholder->hide();
  wiring.panel = new FillInPanel(host);
  wiring.panel->setDatabase(&db);
  wiring.panel->setDictionaryPicker(pickWithDictFind);
  host->layout()->addWidget(wiring.panel);

  wiring.catalogue =
      new CatalogueTree(window.catalogueTree(), db, DataFolder(window.dataDir()).documentSkeletonPath(), &window);
  wiring.catalogue->setIcons({appIcon(QStringLiteral("folder")), appIcon(QStringLiteral("folder")),
                              appIcon(QStringLiteral("template")), appIcon(QStringLiteral("template"))});
  FillInPanel *panel = wiring.panel;
  QObject::connect(wiring.catalogue, &CatalogueTree::openTemplateRequested, panel,
                   [panel](const QString &innerId, const QString &title) { panel->openTemplate(innerId, title); });
  QObject::connect(wiring.catalogue, &CatalogueTree::templateDeleted, panel, [panel](const QString &innerId) {
    if (panel->innerId() == innerId) panel->closeTemplate();
  });

  CatalogueTree *catalogue = wiring.catalogue;
  window.provideCommand(MainCommand::NewCategory, [catalogue] { catalogue->newCategory(); });
  window.provideCommand(MainCommand::NewTemplate, [catalogue] { catalogue->newTemplate(); });
  window.provideCommand(MainCommand::Rename, [catalogue] { catalogue->renameSelected(); });
  window.provideCommand(MainCommand::DeleteTemplate, [catalogue] { catalogue->deleteSelected(); });
  window.provideCommand(MainCommand::DictionarySettings, [&window, &db] {
    TFrmDict dictionaries(db, &window);
    dictionaries.exec();
  });

  catalogue->loadRoot();
  return wiring;
}

}  // namespace op::app
