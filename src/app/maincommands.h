#pragma once

namespace op::app {

// Every command of the main window's menu, tool bar and quick bar. Menu item and tool bar button of one
// command share one action; later subsystems supply the handlers of theirs through
// TFrmMain::provideCommand, which also enables them.
enum class MainCommand {
  ImportTemplate,      // 文件 › 导入模板
  ExportTemplate,      // 文件 › 导出模板
  Exit,                // 文件 › 退出
  Print,               // 打印 › 打印, quick bar "&P打印"
  QuickPrint,          // 打印 › 快速连续打印, quick bar "&Q快速连续打印"
  PrintLast,           // 打印 › 打印上一次的内容(使用默认打印机)
  RepeatLast,          // 打印 › 重复打印上一次内容(使用默认打印机)
  ExcelSettings,       // 设置 › Excel设置
  DictionarySettings,  // 设置 › 字典表设置
  ConfigCenter,        // 设置 › 设置中心
  ViewMinimal,         // 视图 › 超精简
  ViewCompact,         // 视图 › 精简
  ViewFull,            // 视图 › 全功能
  Backup,              // 系统 › 备份
  Restore,             // 系统 › 还原
  Help,                // 帮助 › 帮助文档
  Website,             // 帮助 › 网站
  About,               // 帮助 › 关于
  UserAdmin,           // tool bar 用户管理
  EditDesign,          // tool bar 修改设计模板
  History,             // tool bar 历史纪录
  NewCategory,         // link "新建类别  "
  NewTemplate,         // link "新建模版  "
  Rename,              // link "重命名    "
  DeleteTemplate,      // link "删除模板   "
};

}  // namespace op::app
