#include "document/captions.h"

#include <QHash>
#include <QSet>

namespace op::captions {

namespace {

const QHash<QString, QString> &captionTable() {
  static const QHash<QString, QString> table = [] {
    const QList<QPair<QString, QString>> rows = {
        {"BoLeft", "左边框"},
        {"BoRight", "右边框"},
        {"BoTop", "顶边框"},
        {"BoBottom", "底边框"},
        {"Top", "顶部"},
        {"Left", "左"},
        {"Height", "高"},
        {"Width", "宽"},
        {"ATop", "顶部"},
        {"ALeft", "左"},
        {"AHeight", "高"},
        {"AWidth", "宽"},
        {"BindName", "控件名"},
        {"ISHM", "显示亿"},
        {"PAutoSize", "自动放缩"},
        {"QELCurrencyLink", "关联货币大写组件"},
        {"QELDateStyle", "日期格式"},
        {"QELDateEditLink", "关联日期组件"},
        {"LableCaption", "文字"},
        {"OffSetYear", "[年]位置偏移"},
        {"OffSetMonth", "[月]位置偏移"},
        {"OffSetDay", "[日]位置偏移"},
        {"QELCurrencyEditLink", "关联货币输入组件"},
        {"QELEditLink", "关联文本编辑框"},
        {"BoNum", "显示为数字"},
        {"ShowDateTimeLabel", "显示年月日文字"},
        {"ShowRightBtn", "显示选择数据按钮"},
        {"BoOnlyNum", "只允许输入整数"},
        {"BoOnlyFloat", "只允许输入浮点数"},
        {"BoMinValue", "有最小值"},
        {"BoMaxValue", "有最大值"},
        {"MinValue", "最小值"},
        {"MaxValue", "最大值"},
        {"MaxCharLen", "最大输入长度(0为不限)"},
        {"BoPrintLabel", "打印此组件"},
        {"ShowMoneyFlag", "显示货币符号"},
        {"MoneyFlagType", "货币符号类型"},
        {"AutoWrapble", "自动换行"},
        {"LineSapce", "换行间距"},
        {"ForceShowEndText", "在文字后加“整”"},
        {"BoNow", "自动为当前日期"},
        {"ShowKFlag", "显示千位标志:88,888.00"},
        {"ShowDigits", "强制显示小数位:88.00"},
        {"DbStoreFlag", "存储到数据库的编号，不能重复,-1或0表示不存储"},
        {"DbSaveAsDate", "存储为日期"},
        {"ShowNowBtn", "显示日期按钮"},
        {"BoPrint", "打印此组件"},
        {"ReadOnly", "只读"},
        {"MaxOpidLen", "操作员编码的长度"},
        {"TryNum", "尝试转换成数字"},
        {"SerialName", "名称"},
        {"CheckGroup", "组编号"},
        {"BoUpperCase", "英文自动转大写"},
        {"BoLowerCase", "英文自动转小写"},
        {"BoDefaultCheck", "默认选择"},
        {"BarCodeText", "条码数据"},
        {"BoAppendDate", "文字后添加日期"},
        {"BoAppendTime", "文字后添加时间"},
        {"AppendTimeSec", "时间后添加秒"},
        {"RandAppendTimeSec", "时间后随机添加秒"},
        {"BoPrintYear", "打印年"},
        {"BoPrintMonth", "打印月"},
        {"BoPrintDay", "打印日"},
        {"BoShowSub", "显示部分文字"},
        {"SubIndex", "显示部分文字的位置"},
    };
    QHash<QString, QString> hash;
    for (const auto &row : rows) hash.insert(row.first.toUpper(), row.second);
    return hash;
  }();
  return table;
}

const QHash<QString, QString> &hintTable() {
  static const QHash<QString, QString> table = {
      {"DBSTOREFLAG", "请勿修改此项"},
      {"READONLY", "设置此项，数据只能从字典表、外部的Excel文件获得"},
      {"SERIALNAME", "运行时，此组件所含选项的分组名称"},
      {"CHECKGROUP", "组编号，同一组编号的此组件，只能有一个被设置为选中状态，0为无效"},
      {"SUBINDEX", "-1表示分  -2表示角"},
  };
  return table;
}

const QSet<QString> &hiddenSet() {
  static const QSet<QString> set = [] {
    const QStringList names = {"ImageData",
                               "FontExtStyle",
                               "TextStyle",
                               "FontName",
                               "FontSize",
                               "FontBold",
                               "FontItalic",
                               "FontUnderLine",
                               "FontStrikeOut",
                               "BindType",
                               "Expr",
                               "ControlName",
                               "ControlId",
                               "FontColor",
                               "DateLinkId",
                               "ProductSerialSetting",
                               "DbStoreFlag",
                               "DbSaveAsDate",
                               "PenColor",
                               "PenStyle",
                               "PenWidth",
                               "lineType",
                               "AntiAliasing",
                               "FullFill",
                               "ShapeType",
                               "BarCode1DType",
                               "BarCode1DCheckSum"};
    QSet<QString> upper;
    for (const QString &name : names) upper.insert(name.toUpper());
    return upper;
  }();
  return set;
}

}  // namespace

QString propertyCaption(const QString &propertyName) {
  return captionTable().value(propertyName.trimmed().toUpper(), propertyName);
}

QString propertyHint(const QString &propertyName) {
  return hintTable().value(propertyName.trimmed().toUpper());
}

bool isPropertyHidden(const QString &propertyName) {
  return hiddenSet().contains(propertyName.trimmed().toUpper());
}

QList<QPair<int, QString>> dbStoreFlagChoices() {
  return {{0, "无"},       {1, "收件公司/单位"},     {2, "收件人"}, {3, "收件人城市"}, {4, "地址"},    {5, "区号"},
          {6, "固定电话"}, {7, "移动电话"},          {8, "内容"},   {9, "寄方付"},     {10, "收方付"}, {11, "第三方付"},
          {12, "备注"},    {14, "固定电话/移动电话"}};
}

QString dbStoreFlagCaption(int flag) {
  for (const auto &choice : dbStoreFlagChoices())
    if (choice.first == flag) return choice.second;
  return {};
}

}  // namespace op::captions
