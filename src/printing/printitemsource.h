#pragma once

#include "document/printitem.h"

#include <memory>
#include <vector>

// Anything that hands out print items by index, as a field's print data object does: the count of item
// indices and, per index, a new item owned by the caller or null when nothing prints for that index.
namespace op {

class PrintItemSource {
 public:
  virtual ~PrintItemSource() = default;
  virtual int GetPrintDataCount() = 0;
  virtual std::unique_ptr<PrintItem> GetPrinteData(int idx) = 0;
};

// A fixed list of ready items, for printing stored or generated items without fields.
class ItemListSource : public PrintItemSource {
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
