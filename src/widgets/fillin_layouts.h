#pragma once

namespace op {

// The three window layouts of the 视图 menu.
enum class FillInLayout {
  Minimal,  // 超精简
  Compact,  // 精简
  Full,     // 全功能
};

// What a layout asks of the main window itself (the fill-in panel applies its own parts).
struct MainWindowLayout {
  int treeWidth;  // catalogue panel width in pixels
  bool toolBarVisible;
  bool quickBarVisible;
};

MainWindowLayout mainWindowLayout(FillInLayout layout);

}  // namespace op
