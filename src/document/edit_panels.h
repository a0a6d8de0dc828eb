#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include "document/properties.h"

namespace op {

// The document object of a template: title, identity and background picture. It owns the fields placed
// on it (they are its QObject children). Its published properties follow the document's written order.
class TEditPanels : public QObject, public Persistent {
  Q_OBJECT

 public:
  enum HelpType { htKeyword, htContext };

  explicit TEditPanels(QObject *parent = nullptr);

  const PropertyTable &publishedProperties() const override;

  QString Name() const { return name_; }
  void SetName(const QString &name) { name_ = name; }
  qint64 Tag() const { return tag_; }
  void SetTag(qint64 tag) { tag_ = tag; }
  bool AlignWithMargins() const { return alignWithMargins_; }
  void SetAlignWithMargins(bool on) { alignWithMargins_ = on; }
  int Left() const { return left_; }
  void SetLeft(int value) { left_ = value; }
  int Top() const { return top_; }
  void SetTop(int value) { top_ = value; }
  int Width() const { return width_; }
  void SetWidth(int value) { width_ = value; }
  int Height() const { return height_; }
  void SetHeight(int value) { height_ = value; }
  int Cursor() const { return cursor_; }
  void SetCursor(int value) { cursor_ = value; }
  QString Hint() const { return hint_; }
  void SetHint(const QString &hint) { hint_ = hint; }
  HelpType GetHelpType() const { return helpType_; }
  void SetHelpType(HelpType type) { helpType_ = type; }
  QString HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const QString &keyword) { helpKeyword_ = keyword; }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int context) { helpContext_ = context; }
  bool ParentCustomHint() const { return parentCustomHint_; }
  void SetParentCustomHint(bool on) { parentCustomHint_ = on; }
  QString Title() const { return title_; }
  void SetTitle(const QString &title);
  QString DBID() const { return dbid_; }
  void SetDBID(const QString &id) { dbid_ = id; }

  // Background picture as storage-form Base64 of its JPEG bytes; empty without a picture.
  QString ImageData() const;
  // Loads the picture from the text; 7 decoded bytes or fewer, or bytes no decoder reads, leave it empty.
  void SetImageData(const QString &text);

  // The picture itself, decoded on first use. A JPEG stream is kept unchanged; any other picture is
  // converted to JPEG.
  const QImage &picture() const;
  const QByteArray &pictureJpeg() const { return jpeg_; }
  void setPictureBytes(const QByteArray &bytes);
  void setPicture(const QImage &image);
  void clearPicture();

  // Size of the panel the fields are placed on, in design pixels: set by the surface, else the picture's.
  QSize panelSize() const;
  void setPanelSize(const QSize &size) { panelSize_ = size; }

 signals:
  void pictureChanged();
  void titleChanged(const QString &title);

 private:
  QString name_;
  qint64 tag_ = 0;
  bool alignWithMargins_ = false;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int cursor_ = 0;
  QString hint_;
  HelpType helpType_ = htContext;
  QString helpKeyword_;
  int helpContext_ = 0;
  bool parentCustomHint_ = true;
  QString title_;
  QString dbid_;
  mutable QImage picture_;  // decoded from jpeg_ when first asked for
  QByteArray jpeg_;
  QSize pictureSize_;
  QSize panelSize_;
};

// JPEG bytes of a picture at the encoder's default quality; empty for a null image.
QByteArray jpegBytes(const QImage &image);

}  // namespace op
