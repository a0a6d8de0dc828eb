#include "widgets/fillin_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/edit.h"
#include "controls/expression.h"
#include "core/base64.h"
#include "core/messagesink.h"
#include "core/shellservices.h"
#include "document/control_registry.h"
#include "document/document_error.h"
#include "document/document_reader.h"
#include "document/edit_panels.h"
#include "document/field.h"
#include "document/xml_tree.h"
#include "storage/database.h"
#include "widgets/fillin_dictpick_dialog.h"
#include "widgets/fillin_surface.h"
#include "widgets/widget_factory.h"

namespace op {

namespace {

constexpr int kOffsetRowHeight = 57;
constexpr int kLeftStripWidth = 21;
constexpr int kSideBarWidth = 350;
constexpr int kSidePanelHeight = 260;
// Changes made by expressions start further evaluations; a stored cycle of statements stops at this depth.
constexpr int kMaxExpressionDepth = 16;

QString openFailureText() {
  return QStringLiteral("打开模版失败!\r\n产生此问题的原因可能是底图过大\r\n");
}

// True when the document element stores a background picture (more than 7 bytes): asked only when the
// document came out without one, to tell a picture that no decoder reads from no picture at all.
bool storesPicture(const QString &documentText) {
  const XmlDocument xml = parseXml(documentText);
  if (!xml.hasRoot || xml.root.children.isEmpty()) return false;
  for (const XmlElement &child : xml.root.children.first().children)
    if (child.name.compare(QLatin1String("ImageData"), Qt::CaseInsensitive) == 0 &&
        child.attribute(QStringLiteral("TYPE")) != QLatin1String("CLASS"))
      return fromStorageText(child.attribute(QStringLiteral("VALUE"))).size() > 7;
  return false;
}

IQELDataBind *dataBindOf(QelField *field) {
  auto *element = dynamic_cast<QelElementField *>(field);
  return element ? dynamic_cast<IQELDataBind *>(element->GetDesign()) : nullptr;
}

}  // namespace

MainWindowLayout mainWindowLayout(FillInLayout layout) {
  switch (layout) {
    case FillInLayout::Minimal:
      return {1, false, true};
    case FillInLayout::Compact:
      return {211, false, true};
    case FillInLayout::Full:
      break;
  }
  return {211, true, false};
}

FillInPanel::FillInPanel(QWidget *parent) : QWidget(parent), picker_(pickDictionaryEntry) {
  registerFieldWidgets();

  aboveArea_ = new QWidget(this);
  auto *aboveLayout = new QVBoxLayout(aboveArea_);
  aboveLayout->setContentsMargins(0, 0, 0, 0);
  aboveLayout->setSpacing(0);
  aboveLayout->addWidget(createOffsetRow());
  addressHost_ = new QWidget(aboveArea_);
  new QVBoxLayout(addressHost_);
  addressHost_->layout()->setContentsMargins(0, 0, 0, 0);
  addressHost_->hide();
  aboveLayout->addWidget(addressHost_);

  leftStrip_ = new QWidget(this);
  leftStrip_->setFixedWidth(kLeftStripWidth);

  surface_ = new FillInSurface;
  scroll_ = new QScrollArea(this);
  scroll_->setWidget(surface_);
  scroll_->setWidgetResizable(false);
  scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  infoStrip_ = new QLabel(this);

  sideBar_ = new QScrollArea(this);
  sideBar_->setFixedWidth(kSideBarWidth);
  sideBar_->setWidgetResizable(true);
  auto *sideContent = new QWidget;
  sideBarLayout_ = new QVBoxLayout(sideContent);
  sideBarLayout_->setContentsMargins(0, 0, 0, 0);
  sideBarLayout_->addStretch();
  sideBar_->setWidget(sideContent);
  sideBar_->hide();

  auto *middle = new QHBoxLayout;
  middle->setContentsMargins(0, 0, 0, 0);
  middle->setSpacing(0);
  middle->addWidget(leftStrip_);
  middle->addWidget(scroll_, 1);
  auto *column = new QVBoxLayout;
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(aboveArea_);
  column->addLayout(middle, 1);
  column->addWidget(infoStrip_);
  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(column, 1);
  layout->addWidget(sideBar_);
}

FillInPanel::~FillInPanel() {
  closeTemplate();
}

QWidget *FillInPanel::createOffsetRow() {
  FillInOffsetRow &r = offsetRow_;
  r.row = new QWidget(this);
  r.row->setFixedHeight(kOffsetRowHeight);
  r.pixels = new QRadioButton(QStringLiteral("像素(更精确)"), r.row);
  r.millimetres = new QRadioButton(QStringLiteral("毫米"), r.row);
  r.pixels->setChecked(true);
  r.left = new QLineEdit(r.row);
  r.left->setToolTip(QStringLiteral("例如: -10 向左偏移 10 向右偏移 "));
  r.left->setFixedWidth(60);
  r.top = new QLineEdit(r.row);
  r.top->setToolTip(QStringLiteral("例如: -10 向上偏移 10 向下偏移 "));
  r.top->setFixedWidth(60);
  r.save = new QPushButton(QStringLiteral("保存"), r.row);
  r.printLayout = new QPushButton(QStringLiteral("打印布局"), r.row);
  r.convert = new QPushButton(QStringLiteral("换算"), r.row);
  r.offsetHelp = new QPushButton(QStringLiteral("调整打印偏移说明"), r.row);
  r.info = new QLabel(r.row);
  r.addressSwitchHost = new QWidget(r.row);
  new QHBoxLayout(r.addressSwitchHost);
  r.addressSwitchHost->layout()->setContentsMargins(0, 0, 0, 0);

  auto *edits = new QHBoxLayout;
  edits->addWidget(new QLabel(QStringLiteral("偏移类型"), r.row));
  edits->addWidget(r.pixels);
  edits->addWidget(r.millimetres);
  edits->addSpacing(12);
  edits->addWidget(new QLabel(QStringLiteral("打印偏移左右"), r.row));
  edits->addWidget(r.left);
  edits->addWidget(new QLabel(QStringLiteral("打印偏移上下"), r.row));
  edits->addWidget(r.top);
  edits->addWidget(r.save);
  edits->addWidget(r.printLayout);
  edits->addWidget(r.convert);
  edits->addWidget(r.offsetHelp);
  edits->addStretch();
  edits->addWidget(r.addressSwitchHost);
  auto *rows = new QVBoxLayout(r.row);
  rows->setContentsMargins(4, 2, 4, 2);
  rows->setSpacing(2);
  rows->addLayout(edits);
  rows->addWidget(r.info);
  return r.row;
}

QString FillInPanel::title() const {
  return document_ ? document_->Title() : QString();
}

QList<QelField *> FillInPanel::fields() const {
  if (!document_) return {};
  return document_->findChildren<QelField *>(QString(), Qt::FindDirectChildrenOnly);
}

QWidget *FillInPanel::widgetOf(const QelField *field) const {
  return widgets_.value(field).data();
}

void FillInPanel::closeTemplate() {
  if (!document_) return;
  emit templateClosing();
  clearSideBar();
  surface_->setDocument(nullptr);
  for (const QPointer<QWidget> &widget : std::as_const(widgets_)) delete widget.data();
  widgets_.clear();
  document_.reset();
  innerId_.clear();
}

void FillInPanel::showOpenFailure(const QString &message) {
  messageSink().show(MessageIcon::Error, QStringLiteral("打开模版失败!"), openFailureText() + message);
}

bool FillInPanel::openTemplate(const QString &innerId, const QString &title) {
  if (!db_) return false;
  std::optional<QString> documentText, customData;
  {
    WaitGuard wait(QStringLiteral("加载模板..."));
    try {
      documentText = readTemplateDocument(*db_, innerId);
      if (documentText) customData = readTemplateCustomData(*db_, innerId);
    } catch (const DbError &error) {
      closeTemplate();
      showOpenFailure(error.message());
      emit templateOpened(nullptr);
      return false;
    }
  }
  if (!documentText) {
    sideBar_->hide();
    closeTemplate();
    showError(QStringLiteral("读取模版数据失败!"));
    emit templateOpened(nullptr);
    return false;
  }
  return openTemplateText(*documentText, customData, innerId, title);
}

bool FillInPanel::openTemplateText(const QString &documentText, const std::optional<QString> &customData,
                                   const QString &innerId, const QString &title) {
  sideBar_->hide();
  WaitGuard wait(QStringLiteral("加载模板..."));
  closeTemplate();
  auto finished = qScopeGuard([this] { emit templateOpened(document_.get()); });
  try {
    buildDocument(documentText);
  } catch (const std::exception &error) {
    closeTemplate();
    const auto *documentError = dynamic_cast<const DocumentError *>(&error);
    showOpenFailure(documentError ? documentError->message() : QString::fromLocal8Bit(error.what()));
    return false;
  }
  if (document_) {
    document_->SetTitle(title);
    innerId_ = innerId;
    infoStrip_->setText(title);
  }

  if (!customData) {
    showError(QStringLiteral("读取模版数据不完整!"));
    return document_ != nullptr;
  }
  customData_ = *customData;
  windowSettings_ = readWindowSettings(customData_);
  if (document_) {
    applyCustomData();
    applyBindings();
    fillSideBar();
    if (windowSettings_.boExprStr) hookExpressions();
    sideBar_->verticalScrollBar()->setValue(0);
  }
  return document_ != nullptr;
}

void FillInPanel::buildDocument(const QString &documentText) {
  const bool wasDesignMode = isDesignMode();
  setDesignMode(false);
  const auto restoreMode = qScopeGuard([wasDesignMode] { setDesignMode(wasDesignMode); });
  std::unique_ptr<TEditPanels> document = readDocument(documentText);
  if (!document) return;
  if (document->pictureJpeg().isEmpty() ? storesPicture(documentText) : document->picture().isNull())
    throw DocumentError(QStringLiteral("底图无法解码"));
  document_ = std::move(document);
  surface_->setDocument(document_.get());
  createWidgets();
}

void FillInPanel::createWidgets() {
  const QMetaMethod sideButtonSlot = metaObject()->method(metaObject()->indexOfSlot("onSideButtonClicked()"));
  for (QelField *field : fields()) {
    if (QWidget *widget = createFieldWidget(*field, surface_)) {
      widgets_.insert(field, widget);
      widget->show();
      widget->setVisible(field->isVisible());
    }
    if (auto *edit = qobject_cast<TPCostomEdit *>(field))
      connect(edit, &TPCostomEdit::pickRequested, this, [this](TPCostomEdit *picked) { pickFromDictionary(*picked); });
    // Boxed code edits announce their side button with this signal.
    const int sideButton = field->metaObject()->indexOfSignal("sideButtonClicked()");
    if (sideButton >= 0) connect(field, field->metaObject()->method(sideButton), this, sideButtonSlot);
    // Plain members (length limits, read-only) are shown once everything is read.
    emit field->changed();
  }
}

void FillInPanel::applyCustomData() {
  docSettings_ = readDocumentSettings(customData_);
  offsetRow_.millimetres->setChecked(docSettings_.printRealType == 1);
  offsetRow_.pixels->setChecked(docSettings_.printRealType != 1);
  offsetRow_.left->setText(QString::number(docSettings_.printLeft));
  offsetRow_.top->setText(QString::number(docSettings_.printTop));
  offsetRow_.info->setText(
      QStringLiteral("模板真实长度 %1[毫米] 宽度  %2[毫米]").arg(docSettings_.realWidth).arg(docSettings_.realHeight));
  surface_->update();
}

void FillInPanel::applyBindings() {
  for (QelField *field : fields()) {
    IQELDataBind *bind = dataBindOf(field);
    if (!bind) continue;
    try {
      const FieldBindingSettings s = readBindingSettings(customData_, field->GetID());
      bind->SetBindType(s.bindType);
      bind->SetBindName(s.bindName);
      bind->SetBindTable(s.bindTable);
      bind->SetBindHelpText(s.bindHelpText);
      if (s.bindType != 0 || s.bindName.trimmed().isEmpty() || !db_) continue;
      const std::optional<DictEntry> entry = readDictionaryEntry(*db_, s.bindName);
      if (!entry) continue;
      bind->SetBindValue(entry->dictData);
      if (QWidget *widget = widgetOf(field)) widget->setToolTip(entry->dictData);
    } catch (const std::exception &) {
      // a binding that cannot be read leaves this field as it is
    }
  }
}

void FillInPanel::clearSideBar() {
  while (sideBarLayout_->count() > 1) {
    QLayoutItem *item = sideBarLayout_->takeAt(0);
    delete item->widget();
    delete item;
  }
}

void FillInPanel::fillSideBar() {
  clearSideBar();
  if (!sidePanels_) return;
  for (QelField *field : fields()) {
    QString caption;
    QWidget *content = sidePanels_(*field, caption);
    if (!content) continue;
    sideBar_->show();
    // A collapsible panel: a header button folds the scroll box with the field's settings.
    auto *panel = new QWidget;
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    auto *header = new QToolButton(panel);
    header->setText(caption);
    header->setCheckable(true);
    header->setChecked(true);
    header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header->setArrowType(Qt::DownArrow);
    header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *box = new QScrollArea(panel);
    box->setFixedHeight(kSidePanelHeight);
    box->setWidgetResizable(true);
    box->setWidget(content);
    connect(header, &QToolButton::toggled, box, [header, box](bool open) {
      box->setVisible(open);
      header->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    });
    panelLayout->addWidget(header);
    panelLayout->addWidget(box);
    sideBarLayout_->insertWidget(sideBarLayout_->count() - 1, panel);
  }
}

void FillInPanel::hookExpressions() {
  for (QelField *field : fields()) {
    auto *edit = qobject_cast<TPCostomEdit *>(field);
    if (!edit || !dynamic_cast<IQELExprFloatValue *>(edit->GetDesign())) continue;
    connect(edit, &TPCostomEdit::textChanged, this, [this] { evaluateExpressions(); });
  }
}

void FillInPanel::evaluateExpressions() {
  if (!document_ || expressionDepth_ >= kMaxExpressionDepth) return;
  ++expressionDepth_;
  const auto leave = qScopeGuard([this] { --expressionDepth_; });
  try {
    runExpressionStatements(windowSettings_.exprStr, fields());
  } catch (const std::exception &) {
    // expression failures are silent
  }
}

void FillInPanel::pickFromDictionary(QelField &field) {
  IQELDataBind *bind = dataBindOf(&field);
  if (!bind || bind->GetBindType() != 1 || !db_) return;
  try {
    const QList<DictEntry> entries = readDictionaryEntries(*db_, bind->GetBindName());
    const int index = picker_ ? picker_(entries, this) : -1;
    bind->SetBindValue(index >= 0 && index < entries.size() ? entries[index].dictData : QString());
  } catch (const std::exception &) {
    // a dictionary that cannot be read leaves the field as it is
  }
}

void FillInPanel::boxedEditButton(QelField &field) {
  pickFromDictionary(field);
  IQELDataBind *bind = dataBindOf(&field);
  if (!bind || bind->GetBindType() != 0) return;
  const QVariant text = field.property("Text");
  QClipboard *clipboard = QApplication::clipboard();
  clipboard->clear();
  clipboard->setText(text.isValid() ? text.toString() : bind->GetBindValue());
  messageSink().show(MessageIcon::Warning, QStringLiteral("提示"), QStringLiteral("数据已经拷贝到剪贴板"));
}

void FillInPanel::onSideButtonClicked() {
  if (auto *field = qobject_cast<QelField *>(sender())) boxedEditButton(*field);
}

MainWindowLayout FillInPanel::applyLayout(FillInLayout layout) {
  switch (layout) {
    case FillInLayout::Full:
      offsetRow_.row->show();
      leftStrip_->show();
      aboveArea_->show();
      break;
    case FillInLayout::Compact:
      offsetRow_.row->hide();
      leftStrip_->hide();
      aboveArea_->hide();
      break;
    case FillInLayout::Minimal:
      leftStrip_->hide();
      aboveArea_->hide();
      break;
  }
  return mainWindowLayout(layout);
}

}  // namespace op
