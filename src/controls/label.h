#pragma once

#include "document/designed.h"
#include "document/field.h"

namespace op {

// Text label model: fixed text typed in the designer, printed as one text item.
class TPCostomLabel : public QelElementField {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ caption WRITE setCaption NOTIFY captionChanged)

 public:
  explicit TPCostomLabel(QObject *owner = nullptr);

  QString caption() const { return caption_; }
  void setCaption(const QString &caption);
  void clearText() override { setCaption(QString()); }

  // TextStyle as horizontal alignment: 2 centred, 3 right, anything else left.
  Qt::Alignment horizontalAlignment() const;

  bool boPrintLabel() const { return boPrintLabel_; }
  void setBoPrintLabel(bool on) { boPrintLabel_ = on; }
  // Carried in the document and shown in the inspector; nothing acts on them.
  bool boAppendDate = false;
  bool boAppendTime = false;
  int appendTimeSec = 0;
  int randAppendTimeSec = 0;

 signals:
  void captionChanged(const QString &caption);

 protected:
  std::unique_ptr<TQelBaseDesigned> createDesign() override;
  std::unique_ptr<TQelBasePrint> createPrintData() override;

 private:
  QString caption_;
  bool boPrintLabel_ = true;
};

// The registered class of the text label.
class TQELLabel : public TPCostomLabel {
  Q_OBJECT

 public:
  using TPCostomLabel::TPCostomLabel;
};

// Property object of the text label. It answers no further design object, so a label is never a link source.
class TPLabelDesigned : public TQelFontDesigned, public TQelDbStoreDesigned {
 public:
  explicit TPLabelDesigned(TPCostomLabel &label);

  const PropertyTable &publishedProperties() const override;
  QString displayName() const override;
  IQELDesign *GetDesignObject() override { return nullptr; }

  QString LableCaption() const { return label_.caption(); }
  void SetLableCaption(const QString &caption) { label_.setCaption(caption); }
  bool BoPrintLabel() const { return label_.boPrintLabel(); }
  void SetBoPrintLabel(bool on) { label_.setBoPrintLabel(on); }
  bool BoAppendDate() const { return label_.boAppendDate; }
  void SetBoAppendDate(bool on) { label_.boAppendDate = on; }
  bool BoAppendTime() const { return label_.boAppendTime; }
  void SetBoAppendTime(bool on) { label_.boAppendTime = on; }
  int AppendTimeSec() const { return label_.appendTimeSec; }
  void SetAppendTimeSec(int seconds) { label_.appendTimeSec = seconds; }
  int RandAppendTimeSec() const { return label_.randAppendTimeSec; }
  void SetRandAppendTimeSec(int seconds) { label_.randAppendTimeSec = seconds; }

 private:
  TPCostomLabel &label_;
};

// Print data of the text label: one text item with the caption, aligned by TextStyle.
class TPLabelPrintData : public TQelBasePrint {
 public:
  explicit TPLabelPrintData(TPCostomLabel &label) : TQelBasePrint(label), label_(label) {}
  int GetPrintDataCount() override { return 1; }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override;

 private:
  TPCostomLabel &label_;
};

// Registers TQELLabel in the class-name registry.
void registerLabelClass();

}  // namespace op
