#include "controls/grid.h"

#include "document/class_registry.h"
#include "document/printitem.h"

namespace op {

TPCostomGrid::TPCostomGrid(QObject *owner) : QelElementField(owner) {
  setGeometry(QRect(0, 0, 65, 65));
}

void TPCostomGrid::setBorder(bool &border, bool on) {
  if (border == on) return;
  border = on;
  emit changed();
}

void TPCostomGrid::setBoLeft(bool on) {
  setBorder(boLeft_, on);
}
void TPCostomGrid::setBoTop(bool on) {
  setBorder(boTop_, on);
}
void TPCostomGrid::setBoRight(bool on) {
  setBorder(boRight_, on);
}
void TPCostomGrid::setBoBottom(bool on) {
  setBorder(boBottom_, on);
}

std::unique_ptr<TQelBaseDesigned> TPCostomGrid::createDesign() {
  return std::make_unique<TPGridDesigned>(*this);
}

std::unique_ptr<TQelBasePrint> TPCostomGrid::createPrintData() {
  return std::make_unique<TPGridPrintData>(*this);
}

const PropertyTable &TPGridDesigned::publishedProperties() const {
  using T = TPGridDesigned;
  static const PropertyTable table = PropertyTableBuilder<T>()
                                         .integer(QStringLiteral("Top"), &T::Top, &T::SetTop)
                                         .integer(QStringLiteral("Left"), &T::Left, &T::SetLeft)
                                         .integer(QStringLiteral("Height"), &T::Height, &T::SetHeight)
                                         .integer(QStringLiteral("Width"), &T::Width, &T::SetWidth)
                                         .boolean(QStringLiteral("BoLeft"), &T::BoLeft, &T::SetBoLeft)
                                         .boolean(QStringLiteral("BoTop"), &T::BoTop, &T::SetBoTop)
                                         .boolean(QStringLiteral("BoRight"), &T::BoRight, &T::SetBoRight)
                                         .boolean(QStringLiteral("BoBottom"), &T::BoBottom, &T::SetBoBottom)
                                         .text(QStringLiteral("ControlName"), &T::ControlName, &T::SetControlName)
                                         .text(QStringLiteral("ControlId"), &T::ControlId, &T::SetControlId)
                                         .build();
  return table;
}

void registerGridClass() {
  registerFieldClass<TQELGrid>(QStringLiteral("TQELGrid"));
}

}  // namespace op
