#include "printing/history_view_dialog.h"

#include "core/messagesink.h"
#include "printing/history_reprint.h"
#include "printing/printer_list_dialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace op {

// ---- List model ----

void HistoryListModel::setRows(QVector<HistoryRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  fetch_ = nullptr;
  complete_ = true;
  endResetModel();
}

void HistoryListModel::setSource(Fetch fetch) {
  beginResetModel();
  fetch_ = std::move(fetch);
  rows_ = fetch_(0, kPageSize);
  complete_ = rows_.size() < kPageSize;
  endResetModel();
}

bool HistoryListModel::canFetchMore(const QModelIndex &parent) const {
  return !parent.isValid() && !complete_;
}

void HistoryListModel::fetchMore(const QModelIndex &parent) {
  if (!canFetchMore(parent)) return;
  const QVector<HistoryRow> more = fetch_(int(rows_.size()), kPageSize);
  complete_ = more.size() < kPageSize;
  if (more.isEmpty()) return;
  beginInsertRows({}, int(rows_.size()), int(rows_.size() + more.size() - 1));
  rows_ += more;
  endInsertRows();
}

void HistoryListModel::fetchAll() {
  while (canFetchMore({})) fetchMore({});
}

void HistoryListModel::setTicked(const QString &innerid, bool on) {
  if (on == tickedSet_.contains(innerid)) return;
  if (on) {
    tickedSet_.insert(innerid);
    ticked_ << innerid;
  } else {
    tickedSet_.remove(innerid);
    ticked_.removeOne(innerid);
  }
  emit dataChanged(index(0, kTicked), index(rowCount() - 1, kTicked));
}

void HistoryListModel::tickAll() {
  fetchAll();
  ticked_.clear();
  tickedSet_.clear();
  for (const HistoryRow &row : rows_) {
    ticked_ << row.innerid;
    tickedSet_.insert(row.innerid);
  }
  emit dataChanged(index(0, kTicked), index(rowCount() - 1, kTicked));
}

void HistoryListModel::clearTicks() {
  ticked_.clear();
  tickedSet_.clear();
  emit dataChanged(index(0, kTicked), index(rowCount() - 1, kTicked));
}

int HistoryListModel::rowCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int HistoryListModel::columnCount(const QModelIndex &parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QVariant HistoryListModel::data(const QModelIndex &index, int role) const {
  const HistoryRow *r = row(index.row());
  if (!r) return {};
  if (index.column() == kTicked)
    return role == Qt::CheckStateRole ? QVariant(tickedSet_.contains(r->innerid) ? Qt::Checked : Qt::Unchecked)
                                      : QVariant();
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kId:
      return r->id;
    case kTitle:
      return r->title;
    case kOpId:
      return r->opId;
    case kOpName:
      return r->opName;
    case kCreateDate:
      return r->createDate.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  }
  return {};
}

bool HistoryListModel::setData(const QModelIndex &index, const QVariant &value, int role) {
  const HistoryRow *r = row(index.row());
  if (!r || index.column() != kTicked || role != Qt::CheckStateRole) return false;
  setTicked(r->innerid, value.toInt() == Qt::Checked);
  return true;
}

QVariant HistoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char *const names[] = {"编号", "标题", "打印", "操作员编码", "操作员姓名", "创建日期"};
  return section >= 0 && section < kColumnCount ? QString::fromUtf8(names[section]) : QVariant();
}

Qt::ItemFlags HistoryListModel::flags(const QModelIndex &index) const {
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (index.column() == kTicked) flags |= Qt::ItemIsUserCheckable;
  return flags;
}

// ---- Preview ----

class HistoryPreview : public QWidget {
 public:
  HistoryPreview(const std::optional<PrintRecord> &record, QWidget *parent) : QWidget(parent), record_(record) {
    setAutoFillBackground(true);
    setMinimumHeight(200);
  }

 protected:
  void paintEvent(QPaintEvent *) override {
    if (!record_) return;
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    try {
      DrawRecordPreview(*record_, painter, 0, 0);
    } catch (const std::exception &) {
    }
  }

 private:
  const std::optional<PrintRecord> &record_;
};

// ---- Viewer ----

namespace {

QPushButton *button(const QString &text, QHBoxLayout *row, QWidget *parent) {
  auto *b = new QPushButton(text, parent);
  row->addWidget(b);
  return b;
}

}  // namespace

TFrmHistoryView::TFrmHistoryView(PrintHistoryStore &store, QWidget *parent)
    : QDialog(parent), store_(store), model_(new HistoryListModel(this)) {
  setWindowTitle(QStringLiteral("历史打印记录"));
  setWindowState(windowState() | Qt::WindowMaximized);
  openPrinter = [](const QString &name) -> std::unique_ptr<PrintTarget> {
    auto printer = std::make_unique<PrinterTarget>(name);
    return printer->isValid() ? std::move(printer) : nullptr;
  };
  choosePrinter = [this](QString *name) { return ChoosePrinter(this, true, name); };

  auto *layout = new QVBoxLayout(this);
  auto *buttons = new QHBoxLayout;
  connect(button(QStringLiteral("查询"), buttons, this), &QPushButton::clicked, this, &TFrmHistoryView::query);
  connect(button(QStringLiteral("删除"), buttons, this), &QPushButton::clicked, this, &TFrmHistoryView::deleteCurrent);
  connect(button(QStringLiteral("批量删除"), buttons, this), &QPushButton::clicked, this,
          &TFrmHistoryView::batchDelete);
  connect(button(QStringLiteral("全部选择打印"), buttons, this), &QPushButton::clicked, this,
          &TFrmHistoryView::selectAllForPrint);
  connect(button(QStringLiteral("全部取消打印"), buttons, this), &QPushButton::clicked, this,
          &TFrmHistoryView::clearPrintSelection);
  connect(button(QStringLiteral("重新打印"), buttons, this), &QPushButton::clicked, this, [this] { reprint(); });
  buttons->addStretch();
  auto *prev = new QToolButton(this);
  prev->setArrowType(Qt::LeftArrow);
  prev->setToolTip(QStringLiteral("前一条记录"));
  auto *nextButton = new QToolButton(this);
  nextButton->setArrowType(Qt::RightArrow);
  nextButton->setToolTip(QStringLiteral("后一条记录"));
  buttons->addWidget(prev);
  buttons->addWidget(nextButton);
  connect(prev, &QToolButton::clicked, this, &TFrmHistoryView::previous);
  connect(nextButton, &QToolButton::clicked, this, &TFrmHistoryView::next);
  layout->addLayout(buttons);

  auto *group = new QGroupBox(QStringLiteral("查询项"), this);
  auto *criteria = new QHBoxLayout(group);
  TitleCheck = new QCheckBox(QStringLiteral("标题"), group);
  TitleEdit = new QLineEdit(group);
  TitleEdit->setToolTip(QStringLiteral("请输入模板的标题"));
  DateCheck = new QCheckBox(QStringLiteral("日期"), group);
  DateCheck->setChecked(true);
  FromDate = new QDateEdit(QDate::currentDate(), group);
  ToDate = new QDateEdit(QDate::currentDate(), group);
  FromDate->setCalendarPopup(true);
  ToDate->setCalendarPopup(true);
  IdCheck = new QCheckBox(QStringLiteral("编号"), group);
  IdFrom = new QSpinBox(group);
  IdTo = new QSpinBox(group);
  IdFrom->setRange(0, INT_MAX);
  IdTo->setRange(0, INT_MAX);
  for (QWidget *w : std::initializer_list<QWidget *>{TitleCheck, TitleEdit, DateCheck, FromDate})
    criteria->addWidget(w);
  criteria->addWidget(new QLabel(QStringLiteral("到"), group));
  criteria->addWidget(ToDate);
  criteria->addWidget(IdCheck);
  criteria->addWidget(IdFrom);
  criteria->addWidget(new QLabel(QStringLiteral("到"), group));
  criteria->addWidget(IdTo);
  criteria->addStretch();
  layout->addWidget(group);
  connect(TitleCheck, &QCheckBox::toggled, this, [this](bool on) {
    if (!on) criteriaUnticked();
  });
  connect(DateCheck, &QCheckBox::toggled, this, [this](bool on) {
    if (!on) criteriaUnticked();
  });

  splitter_ = new QSplitter(Qt::Vertical, this);
  table_ = new QTableView(splitter_);
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(22);
  preview_ = new HistoryPreview(record_, splitter_);
  layout->addWidget(splitter_, 1);
  status_ = new QStatusBar(this);
  layout->addWidget(status_);
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFrmHistoryView::currentChanged);
  connect(splitter_, &QSplitter::splitterMoved, preview_, qOverload<>(&QWidget::update));

  listAll();
}

TFrmHistoryView::~TFrmHistoryView() = default;

HistoryFilter TFrmHistoryView::filter() const {
  HistoryFilter f;
  f.byTitle = TitleCheck->isChecked();
  f.title = TitleEdit->text();
  f.byDate = DateCheck->isChecked();
  f.from = FromDate->date();
  f.to = ToDate->date();
  f.byId = IdCheck->isChecked();
  f.idFrom = IdFrom->value();
  f.idTo = IdTo->value();
  return f;
}

void TFrmHistoryView::showRows() {
  model_->setSource([this, filter = listed_](int offset, int count) {
    try {
      return store_.list(filter ? &*filter : nullptr, offset, count);
    } catch (const std::exception &) {
      return QVector<HistoryRow>();
    }
  });
  if (model_->rowCount() > 0) table_->setCurrentIndex(model_->index(0, HistoryListModel::kId));
  try {
    status_->showMessage(
        QStringLiteral("记录数: %1").arg(listed_ ? store_.countMatching(*listed_) : store_.countAll()));
  } catch (const std::exception &) {
  }
}

void TFrmHistoryView::listAll() {
  listed_.reset();
  try {
    store_.list(nullptr, 0, 1);  // fails here, with a message, when the table cannot be read
    showRows();
  } catch (const std::exception &e) {
    model_->setRows({});
    showError(QString::fromUtf8(e.what()));
  }
}

void TFrmHistoryView::query() {
  const HistoryFilter f = filter();
  if (!f.any()) {
    showError(QStringLiteral("请选择至少一个查询项"));
    return;
  }
  listed_ = f;
  try {
    store_.list(&f, 0, 1);
    showRows();
  } catch (const std::exception &e) {
    model_->setRows({});
    showError(QString::fromUtf8(e.what()));
  }
}

void TFrmHistoryView::criteriaUnticked() {
  if (!TitleCheck->isChecked() && !DateCheck->isChecked()) listAll();
}

void TFrmHistoryView::currentChanged() {
  const HistoryRow *row = model_->row(table_->currentIndex().row());
  if (!row) return;
  QString error;
  auto record = store_.readRecord(row->innerid, &error);
  if (!record) {
    // Refused with a message; the previous record stays in the preview.
    status_->showMessage(error);
    showError(error);
    return;
  }
  record_ = std::move(record);
  preview_->update();
}

void TFrmHistoryView::moveCurrent(int delta) {
  const int target = table_->currentIndex().row() + delta;
  if (target >= 0 && target < model_->rowCount()) table_->setCurrentIndex(model_->index(target, 0));
}

void TFrmHistoryView::previous() {
  moveCurrent(-1);
}
void TFrmHistoryView::next() {
  moveCurrent(1);
}

void TFrmHistoryView::deleteCurrent() {
  const HistoryRow *row = model_->row(table_->currentIndex().row());
  if (!row) return;
  if (!messageSink().ask(QStringLiteral("提示"), QStringLiteral("确定要删除?"))) return;
  const QString innerid = row->innerid;
  try {
    store_.deleteRow(innerid);
  } catch (const std::exception &e) {
    showError(QStringLiteral("删除失败:\r\n") + QString::fromUtf8(e.what()));
  }
  model_->setTicked(innerid, false);
  listAll();
}

void TFrmHistoryView::batchDelete() {
  const HistoryFilter f = filter();
  if (!f.any()) {
    showError(QStringLiteral("请选择至少一个查询项"));
    return;
  }
  try {
    const int all = store_.countAll();
    const int matching = store_.countMatching(f);
    if (!messageSink().ask(QStringLiteral("提示"),
                           QStringLiteral("确定要删除?\r\n总记录数:%1\r\n删除的记录数:%2").arg(all).arg(matching)))
      return;
    store_.deleteMatching(f);
  } catch (const std::exception &e) {
    showError(QStringLiteral("删除失败:\r\n") + QString::fromUtf8(e.what()));
  }
  if (listed_)
    query();
  else
    listAll();
}

void TFrmHistoryView::selectAllForPrint() {
  if (model_->rowCount() > 0) model_->tickAll();
}

void TFrmHistoryView::clearPrintSelection() {
  model_->clearTicks();
}

int TFrmHistoryView::reprint() {
  if (model_->rowCount() == 0) return 0;
  QString printerName;
  switch (choosePrinter(&printerName)) {
    case PrinterChoice::NoPrinters:
      messageSink().show(MessageIcon::Warning, QStringLiteral("提示"), QStringLiteral("未发现打印机!"));
      return 0;
    case PrinterChoice::Chosen:
      break;
    default:
      messageSink().show(MessageIcon::Information, QStringLiteral("提示"), QStringLiteral("打印被取消"));
      return 0;
  }
  const QScreen *screen = QGuiApplication::primaryScreen();
  const int screenDpiX = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
  const int screenDpiY = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
  int pages = 0;
  const QStringList ticked = model_->ticked();
  for (const QString &innerid : ticked) {
    for (int i = 0; i < model_->rowCount(); ++i)
      if (model_->row(i)->innerid == innerid) table_->setCurrentIndex(model_->index(i, 0));
    QString error;
    const auto record = store_.readRecord(innerid, &error);
    if (!record) {
      showError(error);
      continue;
    }
    if (!messageSink().ask(QStringLiteral("继续打印?"), QStringLiteral("按[是]继续打印，按[否]终止"))) break;
    auto printer = openPrinter(printerName);
    if (!printer || !printer->beginDocument(record->info.Title)) continue;
    const bool drawn = ReprintRecord(*record, *printer, screenDpiX, screenDpiY, &error);
    if (printer->endDocument() && drawn) ++pages;
  }
  return pages;
}

}  // namespace op
