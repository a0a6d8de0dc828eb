#pragma once

#include <QLine>

#include <optional>

#include "document/designed.h"
#include "document/field.h"

namespace op {

// Line settings used by the designer's pages: five setters, then the five matching reads.
class IQelLineDesign {
 public:
  virtual ~IQelLineDesign() = default;
  virtual void SetPenColor(int color) = 0;
  virtual void SetPenStyle(int style) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetLineType(int type) = 0;
  virtual void SetAntiAliasing(bool on) = 0;
  virtual int GetPenColor() const = 0;
  virtual int GetPenStyle() const = 0;
  virtual int GetPenWidth() const = 0;
  virtual int GetLineType() const = 0;
  virtual bool GetAntiAliasing() const = 0;
};

// Line types: through the middle horizontally or vertically, or one of the two diagonals.
enum LineType : int { kLineHorizontal = 0, kLineVertical = 1, kLineRising = 2, kLineFalling = 3 };

// The line of `lineType` across a w × h area at the origin, as the renderer draws it (halves rounded down);
// nothing for an unknown type. Negative sizes count as 0.
std::optional<QLine> lineAcross(int lineType, int w, int h);

// The line type as it lands on a page turned by `angle`: a quarter turn swaps horizontal and vertical and
// the two diagonals; a half turn keeps every type.
int turnedLineType(int lineType, int angle);

// Line field: a horizontal, vertical or diagonal line across its rectangle, printed with its pen.
class TPCostomLine : public QelElementField {
  Q_OBJECT

 public:
  explicit TPCostomLine(QObject *owner = nullptr);

  bool boPrintLabel() const { return boPrintLabel_; }
  void setBoPrintLabel(bool on) { boPrintLabel_ = on; }
  int penColor() const { return penColor_; }
  void setPenColor(int color) { setValue(penColor_, color); }
  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 clear, 6 inside frame, 7 user, 8 alternate.
  int penStyle() const { return penStyle_; }
  void setPenStyle(int style) { setValue(penStyle_, style); }
  int penWidth() const { return penWidth_; }
  void setPenWidth(int width) { setValue(penWidth_, width); }
  int lineType() const { return lineType_; }
  void setLineType(int type) { setValue(lineType_, type); }
  // Stored and printed into the item; drawing does not use it.
  bool antiAliasing() const { return antiAliasing_; }
  void setAntiAliasing(bool on);

  QString displayName() const { return QStringLiteral("直线控件"); }

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  void setValue(int &member, int value);

  bool boPrintLabel_ = true;
  int penColor_ = 0;
  int penStyle_ = 0;
  int penWidth_ = 1;
  int lineType_ = kLineHorizontal;
  bool antiAliasing_ = false;
};

// The registered line field.
class TQelLine : public TPCostomLine {
  Q_OBJECT

 public:
  using TPCostomLine::TPCostomLine;
};

// Property object of the line field.
class TPLineDesigned : public TQelFontDesigned, public TQelDbStoreDesigned, public IQelLineDesign {
 public:
  explicit TPLineDesigned(TPCostomLine &line) : TQelFontDesigned(line), TQelDbStoreDesigned(line), line_(line) {}

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return line_.displayName(); }

  bool BoPrintLabel() const { return line_.boPrintLabel(); }
  void SetBoPrintLabel(bool on) { line_.setBoPrintLabel(on); }

  void SetPenColor(int color) override { line_.setPenColor(color); }
  void SetPenStyle(int style) override { line_.setPenStyle(style); }
  void SetPenWidth(int width) override { line_.setPenWidth(width); }
  void SetLineType(int type) override { line_.setLineType(type); }
  void SetAntiAliasing(bool on) override { line_.setAntiAliasing(on); }
  int GetPenColor() const override { return line_.penColor(); }
  int GetPenStyle() const override { return line_.penStyle(); }
  int GetPenWidth() const override { return line_.penWidth(); }
  int GetLineType() const override { return line_.lineType(); }
  bool GetAntiAliasing() const override { return line_.antiAliasing(); }

 private:
  TPCostomLine &line_;
};

// Print data of the line field: one line item while BoPrintLabel is on.
class TPLinePrintData : public TQelBasePrint {
 public:
  explicit TPLinePrintData(TPCostomLine &line) : TQelBasePrint(line), line_(line) {}
  int GetPrintDataCount() override { return line_.boPrintLabel() ? 1 : 0; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomLine &line_;
};

// Registers TQelLine in the class-name registry.
void registerLineClass();

}  // namespace op
