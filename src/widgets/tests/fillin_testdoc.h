#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include "controls/edit.h"
#include "controls/field_kinds.h"
#include "controls/label.h"
#include "document/control_registry.h"
#include "document/document_writer.h"
#include "document/edit_panels.h"
#include "document/settings_document.h"

// Template texts for the fill-in tests, written by the program's own document writer.
namespace fillintest {

inline const QString kSkeleton = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"gb2312\" ?>\r\n"
    "<Root ver=\"1.0\" MakeType=\"Stand\" ID=\"6F1237732036ACF51FFC109352E0073D\"/>\r\n");

// A picture that looks like a scanned blank form: ruled boxes on a cream ground.
inline QImage formPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(QColor(250, 244, 226));
  QPainter painter(&image);
  painter.setPen(QPen(QColor(190, 60, 60), 2));
  for (int y = 40; y < height - 20; y += 40) painter.drawLine(20, y, width - 20, y);
  painter.drawRect(10, 10, width - 20, height - 20);
  return image;
}

struct LabelSpec {
  QString caption;
  QRect rect;
  int textStyle = 1;
};
struct EditSpec {
  QString id;
  QRect rect;
  bool numeric = false;
};

// A template document with a background of `pictureSize` (none when empty), labels and edits.
inline QString templateText(const QSize &pictureSize, const QList<LabelSpec> &labels, const QList<EditSpec> &edits,
                            bool withSize = true) {
  op::registerFieldKinds();
  const bool wasDesign = op::isDesignMode();
  op::setDesignMode(true);
  QString text;
  {
    op::TEditPanels document;
    document.SetName(QStringLiteral("EditPanels1"));
    if (!pictureSize.isEmpty()) document.setPicture(formPicture(pictureSize.width(), pictureSize.height()));
    if (withSize) {
      document.SetWidth(pictureSize.width());
      document.SetHeight(pictureSize.height());
    }
    for (const LabelSpec &spec : labels) {
      auto *label = new op::TQELLabel(&document);
      label->setCaption(spec.caption);
      label->setGeometry(spec.rect);
      label->setTextStyle(spec.textStyle);
    }
    for (const EditSpec &spec : edits) {
      auto *edit = new op::TQELEdit(&document);
      edit->setId(spec.id);
      edit->setGeometry(spec.rect);
      if (spec.numeric) edit->setDisplayFormat(op::TPCostomEdit::DisplayFormat::Currency);
    }
    text = op::writeDocumentOnSkeleton(document, kSkeleton, op::designRegistry());
  }
  op::setDesignMode(wasDesign);
  return text;
}

// A custom-data document holding `pairs` (key, value) in order.
inline QString customData(const QList<QPair<QString, QString>> &pairs) {
  QString text = kSkeleton;
  for (const auto &[key, value] : pairs) text = op::settingsdoc::setValue(text, key, value, key != "EXPRSTR");
  return text;
}

}  // namespace fillintest
