#pragma once

#include "document/interfaces.h"
#include "document/printitem.h"

#include <memory>
#include <vector>

namespace op {

// A fixed list of ready items handed out like a field's print data object hands out its items: for printing
// stored or generated items without fields (the render command, previews, tests).
class ItemListSource : public IQELPrintData {
 public:
  ItemListSource() = default;
  explicit ItemListSource(std::vector<PrintItem> items) : items_(std::move(items)) {}

  void append(PrintItem item) { items_.push_back(std::move(item)); }
  int GetPrintDataCount() override { return static_cast<int>(items_.size()); }
  std::unique_ptr<PrintItem> GetPrinteData(int idx) override {
    if (idx < 0 || idx >= GetPrintDataCount()) return nullptr;
    return std::make_unique<PrintItem>(items_[idx]);
  }

 private:
  std::vector<PrintItem> items_;
};

}  // namespace op
