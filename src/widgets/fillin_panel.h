#pragma once

#include <QList>
#include <QMap>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "widgets/fillin_layouts.h"
#include "widgets/fillin_settings.h"
#include "widgets/fillin_store.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QVBoxLayout;

namespace op {

class Database;
class FillInSurface;
class QelField;
class TEditPanels;
class TPCostomEdit;

// The offset row above the template. Its buttons belong to the page-composition dialogs, which connect them.
struct FillInOffsetRow {
  QWidget *row = nullptr;
  QRadioButton *pixels = nullptr;        // "像素(更精确)"
  QRadioButton *millimetres = nullptr;   // "毫米"
  QLineEdit *left = nullptr;             // "打印偏移左右"
  QLineEdit *top = nullptr;              // "打印偏移上下"
  QPushButton *save = nullptr;           // "保存"
  QPushButton *printLayout = nullptr;    // "打印布局"
  QPushButton *convert = nullptr;        // "换算"
  QPushButton *offsetHelp = nullptr;     // "调整打印偏移说明"
  QLabel *info = nullptr;                // "模板真实长度 …"
  QWidget *addressSwitchHost = nullptr;  // right end: the address panel's switch goes into its layout
};

// The fill-in area: opens a template over its background at real size, lets the user fill its fields,
// fills fields from dictionaries, computes fields from the template's expressions and holds the offset row,
// the address panel's place, the side bar of serial-number panels and the information strip.
class FillInPanel : public QWidget {
  Q_OBJECT

 public:
  // The index of the row current when the dictionary picker closed (-1: none); the default shows
  // FillInDictPickDialog.
  using DictionaryPicker = std::function<int(const QList<DictEntry> &entries, QWidget *parent)>;
  // The side-bar panel of a field (a serial-number field's run settings) and its caption; nullptr for none.
  using SidePanelFactory = std::function<QWidget *(QelField &field, QString &caption)>;

  explicit FillInPanel(QWidget *parent = nullptr);
  ~FillInPanel() override;

  void setDatabase(Database *db) { db_ = db; }  // not owned
  Database *database() const { return db_; }
  void setDictionaryPicker(DictionaryPicker picker) { picker_ = std::move(picker); }
  void setSidePanelFactory(SidePanelFactory factory) { sidePanels_ = std::move(factory); }

  // Opens the catalogue's template `innerId` from the database (PP_Items and PP_CustomData). Failures show
  // the messages "读取模版数据失败!", "读取模版数据不完整!" or "打开模版失败!…"; the panel stays usable.
  // True when a document is shown afterwards.
  bool openTemplate(const QString &innerId, const QString &title);
  // The same from the two texts (nullopt custom data: the template has no custom-data row).
  bool openTemplateText(const QString &documentText, const std::optional<QString> &customData,
                        const QString &innerId = {}, const QString &title = {});
  // Frees the open document (catalogue deletion, template import); its data are lost.
  void closeTemplate();

  // The open template: its run-time document (nullptr when none), identity, title and fields in list order.
  TEditPanels *currentDocument() const { return document_.get(); }
  QString innerId() const { return innerId_; }
  QString title() const;
  QList<QelField *> fields() const;
  // The widget showing `field` on the template, nullptr when it has none.
  QWidget *widgetOf(const QelField *field) const;

  // The current custom-data document text and the settings read from it. The window settings stay from
  // the previous template when a template has no custom-data row.
  QString customData() const { return customData_; }
  void setCustomData(const QString &text) { customData_ = text; }
  FillInDocumentSettings &documentSettings() { return docSettings_; }
  FillInWindowSettings &windowSettings() { return windowSettings_; }

  // Runs all expression statements of the open template (when BoExprStr is set).
  void evaluateExpressions();

  // The dictionary pick of a field bound to a dictionary (bind type 1): the field takes the DictData of the
  // entry current when the picker closed, also when the user did not confirm.
  void pickFromDictionary(QelField &field);
  // The side button of a boxed code edit: the dictionary pick; then, for a field bound to one entry, its
  // text goes to the clipboard with the notice "数据已经拷贝到剪贴板".
  void boxedEditButton(QelField &field);

  // Shows and hides the panel's parts for a layout; the rest is the main window's (returned).
  MainWindowLayout applyLayout(FillInLayout layout);

  const FillInOffsetRow &offsetRow() const { return offsetRow_; }
  QWidget *aboveTemplateArea() const { return aboveArea_; }
  QWidget *addressPanelHost() const { return addressHost_; }  // Part of the area above; hidden at start
  QWidget *leftStrip() const { return leftStrip_; }
  QScrollArea *templateArea() const { return scroll_; }
  FillInSurface *surface() const { return surface_; }
  QLabel *informationStrip() const { return infoStrip_; }
  QScrollArea *sideBar() const { return sideBar_; }

 signals:
  // The open document is about to be freed: drop every reference to it and its fields.
  void templateClosing();
  // An opening has finished (also after a failure); the main window collapses its data grid then.
  void templateOpened(TEditPanels *document);

 private:
  QWidget *createOffsetRow();
  void buildDocument(const QString &documentText);
  void createWidgets();
  void applyCustomData();
  void applyBindings();
  void fillSideBar();
  void hookExpressions();
  void showOpenFailure(const QString &message);
  void clearSideBar();

 private slots:
  void onSideButtonClicked();

 private:
  Database *db_ = nullptr;
  DictionaryPicker picker_;
  SidePanelFactory sidePanels_;
  std::unique_ptr<TEditPanels> document_;
  QString innerId_;
  QString customData_;
  FillInDocumentSettings docSettings_;
  FillInWindowSettings windowSettings_;
  QMap<const QelField *, QPointer<QWidget>> widgets_;
  int expressionDepth_ = 0;

  FillInOffsetRow offsetRow_;
  QWidget *aboveArea_ = nullptr;
  QWidget *addressHost_ = nullptr;
  QWidget *leftStrip_ = nullptr;
  QScrollArea *scroll_ = nullptr;
  FillInSurface *surface_ = nullptr;
  QLabel *infoStrip_ = nullptr;
  QScrollArea *sideBar_ = nullptr;
  QVBoxLayout *sideBarLayout_ = nullptr;
};

}  // namespace op
