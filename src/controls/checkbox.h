#pragma once

#include "document/designed.h"
#include "document/field.h"

namespace op {

// Check box model: prints a tick when checked. Boxes of the same check group above 0 are exclusive: checking
// one clears every other checked box of that group in the box's live registry.
class TPCostomCheckBox : public QelElementField {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY captionChanged)
  Q_PROPERTY(int CheckGroup READ checkGroup WRITE setCheckGroup)
  Q_PROPERTY(bool Checked READ isChecked WRITE setChecked NOTIFY checkedChanged)

 public:
  explicit TPCostomCheckBox(QObject *owner = nullptr);

  // The caption shown beside the box; never printed.
  QString caption() const { return caption_; }
  void setCaption(const QString &caption);
  void clearText() override { setCaption(QString()); }

  int checkGroup() const { return checkGroup_; }
  void setCheckGroup(int group) { checkGroup_ = group; }

  bool isChecked() const { return checked_; }
  // Checking a box of a group above 0 first unchecks the group's other boxes; unchecking touches nothing else.
  void setChecked(bool on);

  QString displayName() const { return QStringLiteral("选择框"); }

 signals:
  void captionChanged(const QString &caption);
  void checkedChanged(bool checked);

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  void setCheckedState(bool on);

  QString caption_ = QStringLiteral(" ");
  int checkGroup_ = 0;
  bool checked_ = false;
  bool clearingGroup_ = false;
};

// The registered check box.
class TQELCheckBox : public TPCostomCheckBox {
  Q_OBJECT

 public:
  using TPCostomCheckBox::TPCostomCheckBox;
};

// Property object of the check box.
class TPCheckBoxDesigned : public TQelFontDesigned, public TQelDbStoreDesigned {
 public:
  explicit TPCheckBoxDesigned(TPCostomCheckBox &box) : TQelFontDesigned(box), TQelDbStoreDesigned(box), box_(box) {}

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override { return box_.displayName(); }

  QString LableCaption() const { return box_.caption(); }
  void SetLableCaption(const QString &caption) { box_.setCaption(caption); }
  int CheckGroup() const { return box_.checkGroup(); }
  void SetCheckGroup(int group) { box_.setCheckGroup(group); }
  // The checked state itself, so a box saved checked loads checked.
  bool BoDefaultCheck() const { return box_.isChecked(); }
  void SetBoDefaultCheck(bool on) { box_.setChecked(on); }

 private:
  TPCostomCheckBox &box_;
};

// Print data of the check box: one text item, "√" when checked and empty otherwise, turned with the field.
class TPCheckBoxPrintData : public TQelBasePrint {
 public:
  explicit TPCheckBoxPrintData(TPCostomCheckBox &box) : TQelBasePrint(box), box_(box) {}
  int GetPrintDataCount() override { return 1; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomCheckBox &box_;
};

// Registers TQELCheckBox in the class-name registry.
void registerCheckBoxClass();

}  // namespace op
