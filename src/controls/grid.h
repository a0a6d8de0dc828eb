#pragma once

#include "document/designed.h"
#include "document/field.h"
#include "document/printitem.h"

namespace op {

// Frame field: a rectangle with any of its four borders drawn on the panel. It only guides the design and
// never prints.
class TPCostomGrid : public QelElementField {
  Q_OBJECT

 public:
  explicit TPCostomGrid(QObject *owner = nullptr);

  bool boLeft() const { return boLeft_; }
  bool boTop() const { return boTop_; }
  bool boRight() const { return boRight_; }
  bool boBottom() const { return boBottom_; }
  void setBoLeft(bool on);
  void setBoTop(bool on);
  void setBoRight(bool on);
  void setBoBottom(bool on);

  QString displayName() const { return QStringLiteral("表格"); }

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  void setBorder(bool &border, bool on);

  bool boLeft_ = true;
  bool boTop_ = true;
  bool boRight_ = true;
  bool boBottom_ = true;
};

// The registered frame field.
class TQELGrid : public TPCostomGrid {
  Q_OBJECT

 public:
  using TPCostomGrid::TPCostomGrid;
};

// Property object of the frame field.
class TPGridDesigned : public TQelFontDesigned {
 public:
  explicit TPGridDesigned(TPCostomGrid &grid) : TQelFontDesigned(grid), grid_(grid) {}

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return grid_.displayName(); }

  bool BoLeft() const { return grid_.boLeft(); }
  void SetBoLeft(bool on) { grid_.setBoLeft(on); }
  bool BoTop() const { return grid_.boTop(); }
  void SetBoTop(bool on) { grid_.setBoTop(on); }
  bool BoRight() const { return grid_.boRight(); }
  void SetBoRight(bool on) { grid_.setBoRight(on); }
  bool BoBottom() const { return grid_.boBottom(); }
  void SetBoBottom(bool on) { grid_.setBoBottom(on); }

 private:
  TPCostomGrid &grid_;
};

// Print data of the frame field: four indices, none of which prints.
class TPGridPrintData : public TQelBasePrint {
 public:
  explicit TPGridPrintData(TPCostomGrid &grid) : TQelBasePrint(grid) {}
  int GetPrintDataCount() override { return 4; }
  std::unique_ptr<PrintItem> GetPrinteData(int) override { return nullptr; }
};

// Registers TQELGrid in the class-name registry.
void registerGridClass();

}  // namespace op
