#include "widgets/edit_widget.h"

#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QValidator>

#include "controls/edit.h"
#include "controls/edit_text_rules.h"

namespace op {

namespace {

// Accepts what the edit's number format accepts; anything else is refused as it is typed.
class FormatValidator : public QValidator {
 public:
  FormatValidator(const TPCostomEdit &edit, QObject *parent) : QValidator(parent), edit_(edit) {}
  State validate(QString &input, int &) const override { return edit_.acceptsText(input) ? Acceptable : Invalid; }

 private:
  const TPCostomEdit &edit_;
};

}  // namespace

EditWidget::EditWidget(TPCostomEdit &edit, QWidget *parent)
    : FieldWidget(edit, parent), edit_(edit), line_(new QLineEdit(this)), button_(new QToolButton(this)) {
  // Children made after the widget was shown on a visible surface must be shown themselves.
  line_->show();
  line_->setValidator(new FormatValidator(edit, line_));
  line_->setFont(font());
  button_->setArrowType(Qt::DownArrow);
  button_->setFocusPolicy(Qt::NoFocus);
  connect(button_, &QToolButton::clicked, this, [this] { edit_.requestPick(); });
  connect(line_, &QLineEdit::textEdited, this, [this](const QString &text) { edit_.setText(text); });
  connect(line_, &QLineEdit::editingFinished, this, [this] { keepWithinBounds(); });
  connect(&edit, &TPCostomEdit::textChanged, this, [this] { showModelText(); });
  applyOptions();
  showModelText();
  layoutParts();
}

void EditWidget::showModelText() {
  if (line_->text() == edit_.text()) return;
  const int cursor = line_->cursorPosition();
  line_->setText(edit_.text());
  line_->setCursorPosition(qMin(cursor, int(edit_.text().size())));
}

void EditWidget::applyOptions() {
  line_->setReadOnly(edit_.readOnly);
  line_->setMaxLength(edit_.maxLength > 0 ? edit_.maxLength : 32767);
  QPalette palette = line_->palette();
  palette.setColor(QPalette::Text, platformColor(edit_.font().color));
  line_->setPalette(palette);
  button_->setVisible(edit_.rightShowBtn());
  layoutParts();
}

void EditWidget::layoutParts() {
  const int buttonWidth = edit_.rightShowBtn() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
  const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  const int textLeft = rightToLeft ? buttonWidth : 0;
  line_->setGeometry(textLeft, 0, qMax(0, width() - buttonWidth), height());
  if (buttonWidth) button_->setGeometry(rightToLeft ? 0 : width() - buttonWidth, 0, buttonWidth, height());
}

void EditWidget::keepWithinBounds() {
  if (edit_.displayFormat() == TPCostomEdit::DisplayFormat::None || edit_.text().trimmed().isEmpty()) return;
  const double value = edit_.floatValue();
  if (edit_.withinBounds(value)) return;
  const double bound = edit_.boMinValue && value < edit_.minValue ? edit_.minValue : edit_.maxValue;
  edit_.setText(shortestDecimal(bound));
}

void EditWidget::resizeEvent(QResizeEvent *) {
  layoutParts();
}

void EditWidget::fieldChanged() {
  applyOptions();
  showModelText();
}

void EditWidget::fieldFontChanged() {
  FieldWidget::fieldFontChanged();
  line_->setFont(font());
}

}  // namespace op
