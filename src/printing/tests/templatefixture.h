#pragma once

#include "controls/edit.h"
#include "controls/label.h"
#include "core/base64.h"
#include "document/control_registry.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "printing/page_composition.h"
#include "storage/database.h"

#include <QImage>
#include <QPainter>

#include <vector>

// A template stored the way the designer stores one: PP_Items.RPData and PP_CustomData of one InnerID,
// a white A4 background at 96 dpi (794 × 1123 design pixels, design scale 1) and text edits named
// Edit1, Edit2, … bound by the help texts given.
struct StoredTemplateSpec {
  QString innerId = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
  QString title = QStringLiteral("快递单");
  QStringList helpTexts;  // one edit per entry; empty text: no binding help text
  int realWidth = 210;
  int realHeight = 297;
  op::TemplateOffset offset;
  op::LayoutSettings layout;
  QRect firstEdit{100, 100, 200, 30};  // further edits 40 pixels lower each
};

inline QString storeTemplate(op::Database &db, const StoredTemplateSpec &spec, const QString &skeletonPath) {
  op::registerEditClass();
  op::registerLabelClass();
  const bool wasDesign = op::isDesignMode();
  op::setDesignMode(true);
  QString documentText;
  {
    op::TEditPanels document;
    document.SetTitle(spec.title);
    document.SetDBID(spec.innerId);
    QImage background(794, 1123, QImage::Format_RGB32);
    background.fill(Qt::white);
    document.setPicture(background);
    std::vector<op::TQELEdit *> edits;
    for (int i = 0; i < spec.helpTexts.size(); ++i) {
      auto *edit = new op::TQELEdit(&document);
      edit->setName(QStringLiteral("Edit%1").arg(i + 1));
      edit->setGeometry(spec.firstEdit.translated(0, 40 * i));
      edit->bindHelpText = spec.helpTexts[i];
      edits.push_back(edit);
    }
    documentText = op::writeDocument(document, skeletonPath, op::designRegistry());
  }
  op::setDesignMode(wasDesign);

  QString custom = QStringLiteral("<root/>");
  custom = op::SetCustomValue(custom, QStringLiteral("REALWIDTH"), QString::number(spec.realWidth));
  custom = op::SetCustomValue(custom, QStringLiteral("REALHEIGHT"), QString::number(spec.realHeight));
  custom = op::WriteTemplateOffset(custom, spec.offset);
  custom = op::WriteLayoutSettings(custom, spec.layout);

  auto items = db.NewStatement();
  db.ExecWithText(*items,
                  QStringLiteral("insert into PP_Items (ID, InnerID, ParaID, Title, RPData, ItemType, APPID) "
                                 "values (GEN_ID(GEN_PP_ITEMS_ID, 1), :InnerID, 'RPNULL', :Title, :Blob, 1, 22)"),
                  op::documentToStorageText(documentText), false, QStringLiteral("Blob"),
                  {{QStringLiteral("InnerID"), spec.innerId}, {QStringLiteral("Title"), spec.title}});
  auto customData = db.NewStatement();
  db.ExecWithText(*customData,
                  QStringLiteral("insert into PP_CustomData (ID, InnerID, CustomData) "
                                 "values (GEN_ID(GEN_PP_CUSTOMDATA_ID, 1), :InnerID, :Blob)"),
                  op::documentToStorageText(custom), true, QStringLiteral("Blob"),
                  {{QStringLiteral("InnerID"), spec.innerId}});
  return spec.innerId;
}
