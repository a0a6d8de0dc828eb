#include "printing/print_template.h"

#include <QRect>

#include "document/edit_panels.h"
#include "document/field.h"
#include "document/interfaces.h"
#include "printing/page_composition.h"

namespace op {
namespace {

QSize designSize(TEditPanels &document) {
  QSize panel = document.panelSize();
  if (!panel.isEmpty()) return panel;
  QRect reach;
  for (QObject *child : document.children())
    if (auto *field = qobject_cast<QelField *>(child)) reach |= field->geometry();
  return QSize(reach.right() + 1, reach.bottom() + 1).expandedTo(QSize(1, 1));
}

}  // namespace

PrintTemplate PrintTemplateOfDocument(TEditPanels &document, const QString &customData) {
  const TemplateOffset offset = ReadTemplateOffset(customData);
  PrintTemplate tpl;
  tpl.Title = document.Title();
  tpl.RealWidth = offset.RealWidth;
  tpl.RealHeight = offset.RealHeight;
  const QSize panel = designSize(document);
  tpl.DesignWidth = panel.width();
  tpl.DesignHeight = panel.height();
  tpl.PrintLeft = offset.PrintLeft;
  tpl.PrintTop = offset.PrintTop;
  tpl.RealType = offset.RealType;
  tpl.BackgroundText = document.ImageData();
  tpl.BackgroundSize = panel;
  for (QObject *child : document.children())
    if (auto *element = dynamic_cast<IQELElment *>(child)) tpl.Sources.push_back(element->GetPrintData());
  return tpl;
}

}  // namespace op
