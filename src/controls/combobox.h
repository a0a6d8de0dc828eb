#pragma once

#include <QStringList>

#include "document/designed.h"
#include "document/field.h"

namespace op {

// Choice-only list box: the user picks one of its entries and the shown entry prints. Templates store no
// entries; whoever fills the list (the fill-in panel) sets them at run time.
class TPCostomComboBox : public QelElementField {
  Q_OBJECT
  Q_PROPERTY(QString Text READ text NOTIFY textChanged)
  Q_PROPERTY(int ItemIndex READ itemIndex WRITE setItemIndex NOTIFY textChanged)

 public:
  explicit TPCostomComboBox(QObject *owner = nullptr);

  const QStringList &items() const { return items_; }
  // Replaces the entries; the shown entry is kept when it is still in the list, else nothing is shown.
  void setItems(const QStringList &items);

  // Index of the shown entry, -1 for none; an index outside the entries shows none.
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  // The shown entry, empty when none is shown.
  QString text() const { return items_.value(itemIndex_); }
  void clearText() override { setItemIndex(-1); }

  QString displayName() const { return QStringLiteral("列表框"); }

 signals:
  void textChanged();
  void itemsChanged();

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  QStringList items_;
  int itemIndex_ = -1;
};

// The registered list box.
class TQELComboBox : public TPCostomComboBox {
  Q_OBJECT

 public:
  using TPCostomComboBox::TPCostomComboBox;
};

// Property object of the list box: font, place and identity only (no role number).
class TPComboBoxDesigned : public TQelFontDesigned {
 public:
  explicit TPComboBoxDesigned(TPCostomComboBox &box) : TQelFontDesigned(box), box_(box) {}

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return box_.displayName(); }

 private:
  TPCostomComboBox &box_;
};

// Print data of the list box: one unturned text item with the shown entry.
class TPComboBoxPrintData : public TQelBasePrint {
 public:
  explicit TPComboBoxPrintData(TPCostomComboBox &box) : TQelBasePrint(box), box_(box) {}
  int GetPrintDataCount() override { return 1; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomComboBox &box_;
};

// Registers TQELComboBox in the class-name registry.
void registerComboBoxClass();

}  // namespace op
