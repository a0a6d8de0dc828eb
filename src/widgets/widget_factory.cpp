#include "widgets/widget_factory.h"

#include <QHash>
#include <QMetaObject>

#include "controls/barcode_field.h"
#include "controls/checkbox.h"
#include "controls/combobox.h"
#include "controls/currency_edit.h"
#include "controls/currency_label.h"
#include "controls/date_edit.h"
#include "controls/edit.h"
#include "controls/grid.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/memo.h"
#include "controls/radiobutton.h"
#include "controls/shape.h"
#include "controls/zipcode_edit.h"
#include "document/field.h"
#include "widgets/barcode_widget.h"
#include "widgets/checkbox_widget.h"
#include "widgets/combobox_widget.h"
#include "widgets/currency_edit_widget.h"
#include "widgets/currency_label_widget.h"
#include "widgets/date_edit_widget.h"
#include "widgets/edit_widget.h"
#include "widgets/grid_widget.h"
#include "widgets/image_widget.h"
#include "widgets/label_widget.h"
#include "widgets/line_widget.h"
#include "widgets/memo_widget.h"
#include "widgets/radiobutton_widget.h"
#include "widgets/shape_widget.h"
#include "widgets/zipcode_widget.h"

namespace op {

FieldWidget::FieldWidget(QelField &field, QWidget *parent) : QWidget(parent), field_(&field) {
  setGeometry(field.geometry());
  setVisible(field.isVisible());
  QWidget::setFont(fieldScreenFont(field));
  connect(&field, &QelField::geometryChanged, this, [this](const QRect &rect) { setGeometry(rect); });
  connect(&field, &QelField::visibilityChanged, this, &QWidget::setVisible);
  connect(&field, &QelField::fontChanged, this, [this] { fieldFontChanged(); });
  connect(&field, &QelField::changed, this, [this] { fieldChanged(); });
  connect(&field, &QObject::destroyed, this, &QObject::deleteLater);
}

void FieldWidget::fieldFontChanged() {
  if (field_) QWidget::setFont(fieldScreenFont(*field_));
  update();
}

void FieldWidget::fieldChanged() {
  update();
}

QFont fieldScreenFont(const QelField &field) {
  QFont font(field.font().name, field.screenFontSize());
  font.setBold(field.font().bold);
  font.setItalic(field.font().italic);
  font.setUnderline(field.font().underLine);
  font.setStrikeOut(field.font().strikeOut);
  return font;
}

QColor platformColor(int color) {
  if (color < 0) return QColor(Qt::black);
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

namespace {

QHash<QByteArray, FieldWidgetCreator> &creators() {
  static QHash<QByteArray, FieldWidgetCreator> table;
  return table;
}

}  // namespace

void registerFieldWidget(const char *className, FieldWidgetCreator creator) {
  creators().insert(QByteArray(className), std::move(creator));
}

void registerFieldWidgets() {
  registerFieldWidget<TPCostomLabel, LabelWidget>();
  registerFieldWidget<TPCostomEdit, EditWidget>();
  registerFieldWidget<TQELMemo, MemoWidget>();
  registerFieldWidget<TPCostomCheckBox, CheckBoxWidget>();
  registerFieldWidget<TQELRadioButton, RadioButtonWidget>();
  registerFieldWidget<TPCostomComboBox, ComboBoxWidget>();
  registerFieldWidget<TPCostomCurrencyEdit, TQELCustomCurrencyEdit>();
  registerFieldWidget<TPCostomCurrencyLabel, TQELCustomCurrencyLabel>();
  registerFieldWidget<TPCostomImage, ImageWidget>();
  registerFieldWidget<TPCostomGrid, GridWidget>();
  registerFieldWidget<TPCustomDateEdit, DateEditWidget>();
  registerFieldWidget<TPCustomZipCodeEdit, ZipCodeWidget>();
  registerFieldWidget<TPCostomBarCode, BarcodeWidget>();
  registerFieldWidget<TPCostomLine, LineWidget>();
  registerFieldWidget<TPCostomShape, ShapeWidget>();
}

QWidget *createFieldWidget(QelField &field, QWidget *parent) {
  for (const QMetaObject *meta = field.metaObject(); meta; meta = meta->superClass()) {
    const auto it = creators().constFind(QByteArray(meta->className()));
    if (it != creators().constEnd()) return (*it)(field, parent);
  }
  return nullptr;
}

}  // namespace op
