#pragma once

#include <QPointer>
#include <QWidget>

#include "document/edit_panels.h"

namespace op {

class TEditPanels;

// The template at its real size: the document's background picture stretched over the whole document,
// with the fields' widgets placed on it.
class FillInSurface : public QWidget {
  Q_OBJECT

 public:
  explicit FillInSurface(QWidget *parent = nullptr);

  // Shows `document` (not owned; nullptr shows nothing). Its size: the document's stored width and height,
  // or the picture's when those are not set.
  void setDocument(TEditPanels *document);
  TEditPanels *document() const { return document_.data(); }

 protected:
  void paintEvent(QPaintEvent *event) override;

 private:
  void refreshSize();

  QPointer<TEditPanels> document_;
};

}  // namespace op
