#pragma once

namespace op {

// The six PP_CONFIG settings copied into memory at start-up and changed only by the settings dialog.
// Print runs and the print history read them from here. The defaults are those of a missing row.
class GlobalSettings {
 public:
  static GlobalSettings &instance();

  bool UseGlobalOffset() const { return useGlobalOffset_; }
  int GlobalOffsetX() const { return globalOffsetX_; }
  int GlobalOffsetY() const { return globalOffsetY_; }
  bool AutoTimedPrint() const { return autoTimedPrint_; }
  int AutoPrintInterval() const { return autoPrintInterval_; }  // milliseconds
  int GlobalOffsetUnit() const { return globalOffsetUnit_; }    // 1 = millimetres, else pixels
  bool offsetInMillimetres() const { return globalOffsetUnit_ == 1; }

  void setUseGlobalOffset(bool value) { useGlobalOffset_ = value; }
  void setGlobalOffsetX(int value) { globalOffsetX_ = value; }
  void setGlobalOffsetY(int value) { globalOffsetY_ = value; }
  void setAutoTimedPrint(bool value) { autoTimedPrint_ = value; }
  void setAutoPrintInterval(int value) { autoPrintInterval_ = value; }
  void setGlobalOffsetUnit(int value) { globalOffsetUnit_ = value; }

  // Back to the values of an empty PP_CONFIG table.
  void reset() { *this = GlobalSettings(); }

 private:
  bool useGlobalOffset_ = false;
  int globalOffsetX_ = 0;
  int globalOffsetY_ = 0;
  bool autoTimedPrint_ = false;
  int autoPrintInterval_ = 0;
  int globalOffsetUnit_ = 0;
};

}  // namespace op
