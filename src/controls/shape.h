#pragma once

#include <QRect>

#include "document/designed.h"
#include "document/field.h"

namespace op {

// Shape settings used by the designer's pages: six setters, then the six matching reads.
class IQelShapeDesign {
 public:
  virtual ~IQelShapeDesign() = default;
  virtual void SetPenColor(int color) = 0;
  virtual void SetPenStyle(int style) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetShapeType(int type) = 0;
  virtual void SetAntiAliasing(bool on) = 0;
  virtual void SetFullFill(bool on) = 0;
  virtual int GetPenColor() const = 0;
  virtual int GetPenStyle() const = 0;
  virtual int GetPenWidth() const = 0;
  virtual int GetShapeType() const = 0;
  virtual bool GetAntiAliasing() const = 0;
  virtual bool GetFullFill() const = 0;
};

// The box a shape's figure covers in a w × h area at the origin, outline included, as the renderer computes
// it: inset by half the pen, one pixel smaller without a pen, and a centred square for circles, rounded squares
// and squares. Empty when nothing is left to draw.
QRect shapeFigureBox(int shapeType, int penWidth, int w, int h);
// Corner size of rounded rectangles and rounded squares in that box.
int shapeCornerSize(int penWidth, int w, int h);

// Shape field: circle, ellipse, rectangle, rounded rectangle, rounded square or square, optionally filled with
// the pen colour.
class TPCostomShape : public QelElementField {
  Q_OBJECT

 public:
  explicit TPCostomShape(QObject *owner = nullptr);

  bool boPrintLabel() const { return boPrintLabel_; }
  void setBoPrintLabel(bool on) { boPrintLabel_ = on; }
  int penColor() const { return penColor_; }
  void setPenColor(int color) { setValue(penColor_, color); }
  int penStyle() const { return penStyle_; }
  void setPenStyle(int style) { setValue(penStyle_, style); }
  int penWidth() const { return penWidth_; }
  void setPenWidth(int width) { setValue(penWidth_, width); }
  // 0 circle, 1 ellipse, 2 rectangle, 3 rounded rectangle, 4 rounded square, 5 square; others circle.
  int shapeType() const { return shapeType_; }
  void setShapeType(int type) { setValue(shapeType_, type); }
  bool antiAliasing() const { return antiAliasing_; }
  void setAntiAliasing(bool on) { setFlag(antiAliasing_, on); }
  bool fullFill() const { return fullFill_; }
  void setFullFill(bool on) { setFlag(fullFill_, on); }

  QString displayName() const { return QStringLiteral("多边型控件"); }

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  void setValue(int &member, int value);
  void setFlag(bool &member, bool on);

  bool boPrintLabel_ = true;
  int penColor_ = 0;
  int penStyle_ = 0;
  int penWidth_ = 1;
  int shapeType_ = 0;
  bool antiAliasing_ = false;
  bool fullFill_ = false;
};

// The registered shape field.
class TQelShape : public TPCostomShape {
  Q_OBJECT

 public:
  using TPCostomShape::TPCostomShape;
};

// Property object of the shape field.
class TPShapeDesigned : public TQelFontDesigned, public TQelDbStoreDesigned, public IQelShapeDesign {
 public:
  explicit TPShapeDesigned(TPCostomShape &shape) : TQelFontDesigned(shape), TQelDbStoreDesigned(shape), shape_(shape) {}

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return shape_.displayName(); }

  bool BoPrintLabel() const { return shape_.boPrintLabel(); }
  void SetBoPrintLabel(bool on) { shape_.setBoPrintLabel(on); }

  void SetPenColor(int color) override { shape_.setPenColor(color); }
  void SetPenStyle(int style) override { shape_.setPenStyle(style); }
  void SetPenWidth(int width) override { shape_.setPenWidth(width); }
  void SetShapeType(int type) override { shape_.setShapeType(type); }
  void SetAntiAliasing(bool on) override { shape_.setAntiAliasing(on); }
  void SetFullFill(bool on) override { shape_.setFullFill(on); }
  int GetPenColor() const override { return shape_.penColor(); }
  int GetPenStyle() const override { return shape_.penStyle(); }
  int GetPenWidth() const override { return shape_.penWidth(); }
  int GetShapeType() const override { return shape_.shapeType(); }
  bool GetAntiAliasing() const override { return shape_.antiAliasing(); }
  bool GetFullFill() const override { return shape_.fullFill(); }

 private:
  TPCostomShape &shape_;
};

// Print data of the shape field: one shape item while BoPrintLabel is on.
class TPShapePrintData : public TQelBasePrint {
 public:
  explicit TPShapePrintData(TPCostomShape &shape) : TQelBasePrint(shape), shape_(shape) {}
  int GetPrintDataCount() override { return shape_.boPrintLabel() ? 1 : 0; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomShape &shape_;
};

// Registers TQelShape in the class-name registry.
void registerShapeClass();

}  // namespace op
