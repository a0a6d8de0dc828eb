#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <memory>

#include "document/interfaces.h"

namespace op {

class ControlRegistry;
class TEditPanels;

// Font of a field as the document stores it. `size` is the printed size; the screen shows at least 8 points.
struct FieldFont {
  QString name = QStringLiteral("MS Sans Serif");
  int size = 9;
  bool bold = false;
  bool italic = false;
  bool underLine = false;
  bool strikeOut = false;
  int color = 0;      // platform colour integer, red in the lowest byte
  int charSet = 134;  // GB2312
};

// The model of one field placed on a template: identity, component name, position, font and shown text.
// Widgets observe it through its signals; it never depends on a widget. A registered field joins the
// current live registry when constructed and leaves it when destroyed.
class QelField : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString ID READ GetID WRITE setId)

 public:
  enum class Registration { Registered, Unregistered };

  explicit QelField(QObject *owner = nullptr, Registration registration = Registration::Registered);
  ~QelField() override;

  // The registered class name that documents use as element name (the C++ class name without namespace).
  virtual QString className() const;

  QString GetID() const { return id_; }
  // Refused (false, identity unchanged) when a field of the live registry already has exactly this identity.
  bool setId(const QString &id);
  QString GetInstanceID() const { return instanceId_; }

  // Component name. Renaming is refused when another field of the live registry has the name in any case.
  QString name() const { return objectName(); }
  bool setName(const QString &name);

  int left() const { return geometry_.left(); }
  int top() const { return geometry_.top(); }
  int width() const { return geometry_.width(); }
  int height() const { return geometry_.height(); }
  QRect geometry() const { return geometry_; }
  void setLeft(int left);
  void setTop(int top);
  void setWidth(int width);
  void setHeight(int height);
  void setGeometry(const QRect &rect);

  bool isVisible() const { return visible_; }
  void setVisible(bool visible);

  const FieldFont &font() const { return font_; }
  void setFontName(const QString &name);
  void setFontSize(int size);  // never below 1
  void setFontBold(bool on);
  void setFontItalic(bool on);
  void setFontUnderLine(bool on);
  void setFontStrikeOut(bool on);
  void setFontColor(int color);
  // Point size of the on-screen font: the stored size, but never below 8.
  int screenFontSize() const { return qMax(8, font_.size); }

  int fontExtStyle() const { return fontExtStyle_; }
  void setFontExtStyle(int angle);
  int textStyle() const { return textStyle_; }
  void setTextStyle(int style);
  int dbStoreFlag() const { return dbStoreFlag_; }
  void setDbStoreFlag(int flag);

  // Clears the shown text when the field is built from a document (kinds with a text override it).
  virtual void clearText() {}

  // The document the field is placed on (its owner), and that document's panel size in design pixels.
  TEditPanels *document() const;
  QSize panelSize() const;

  // The live registry the field joined; nullptr for an unregistered field.
  ControlRegistry *registry() const { return registry_; }

 signals:
  void changed();  // anything shown changed: repaint
  void geometryChanged(const QRect &geometry);
  void fontChanged();
  void visibilityChanged(bool visible);

 protected:
  void setTextStyleDefault(int style) { textStyle_ = style; }
  void notifyFont();

 private:
  QString id_;
  QString instanceId_;
  QRect geometry_{0, 0, 120, 30};
  bool visible_ = true;
  FieldFont font_;
  int fontExtStyle_ = 0;
  int textStyle_ = 0;
  int dbStoreFlag_ = -1;
  ControlRegistry *registry_ = nullptr;
};

class TQelBaseDesigned;
class TQelBasePrint;

// A field that is written to template documents: owns its property object and print data object,
// both created on first request and freed with the field.
class QelElementField : public QelField, public IQELElment {
  Q_OBJECT

 public:
  explicit QelElementField(QObject *owner = nullptr);
  ~QelElementField() override;

  IQELDesign *GetDesign() override;
  IQELPrintData *GetPrintData() override;
  QString GetID() const override { return QelField::GetID(); }
  QString GetInstanceID() const override { return QelField::GetInstanceID(); }
  QObject *GetObj() override { return this; }
  void QELRefresh() override { emit changed(); }

  // The property object as its persistent form (never null).
  TQelBaseDesigned *designObject();

 protected:
  virtual std::unique_ptr<TQelBaseDesigned> createDesign() = 0;
  virtual std::unique_ptr<TQelBasePrint> createPrintData() = 0;

 private:
  std::unique_ptr<TQelBaseDesigned> design_;
  std::unique_ptr<TQelBasePrint> printData_;
};

}  // namespace op
