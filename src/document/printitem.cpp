#include "document/printitem.h"

#include "core/binaryfields.h"
#include "core/codepage936.h"
#include "document/interfaces.h"

#include <algorithm>
#include <cstring>

namespace op {

using binary::get;
using binary::put;

namespace {

void putRect(char *base, int offset, const ItemRect &rect) {
  put<qint32>(base, offset, rect.Left);
  put<qint32>(base, offset + 4, rect.Top);
  put<qint32>(base, offset + 8, rect.Right);
  put<qint32>(base, offset + 12, rect.Bottom);
}

ItemRect getRect(const char *base, int offset) {
  return {get<qint32>(base, offset), get<qint32>(base, offset + 4), get<qint32>(base, offset + 8),
          get<qint32>(base, offset + 12)};
}

void putBool(char *base, int offset, bool value) {
  base[offset] = value ? 1 : 0;
}
bool getBool(const char *base, int offset) {
  return base[offset] != 0;
}

void setError(QString *error, const QString &message) {
  if (error) *error = message;
}

// Templates repeat one font face in most items: remember the last face's code page bytes, since each
// conversion opens a converter.
void putFontName(char *base, const QString &name) {
  thread_local QString lastName;
  thread_local QByteArray lastBytes;
  if (name != lastName || lastBytes.isNull()) {
    lastBytes = cp936::encodeTruncated(name, PrintItem::kFontNameCapacity);
    lastName = name;
  }
  base[PrintItem::kOffFontName] = static_cast<char>(lastBytes.size());
  std::memcpy(base + PrintItem::kOffFontName + 1, lastBytes.constData(), lastBytes.size());
}

}  // namespace

QByteArray PrintItem::toBytes() const {
  QByteArray bytes(totalSize(), '\0');
  writeTo(bytes.data());
  return bytes;
}

void PrintItem::writeTo(char *b) const {
  std::memset(b, 0, kHeaderSize);
  put<quint32>(b, kOffHeadSize, kHeaderSize);
  put<quint32>(b, kOffDataSize, static_cast<quint32>(payload.size()));
  put<quint16>(b, kOffMainVer, MainVer);
  put<quint16>(b, kOffSubVer, SubVer);
  putFontName(b, FontName);
  put<quint8>(b, kOffFontCharSet, FontCharSet);
  put<quint8>(b, kOffFontCharSet2, FontCharSet2);
  put<qint32>(b, kOffFontSize, FontSize);
  putBool(b, kOffFontBlod, FontBlod);
  putBool(b, kOffFontItalic, FontItalic);
  putBool(b, kOffFontUnderLine, FontUnderLine);
  putBool(b, kOffFontStrikOut, FontStrikOut);
  put<qint32>(b, kOffFontColor, FontColor);
  putBool(b, kOffHasTextStyle, HasTextStyle);
  put<qint32>(b, kOffTextStyle, TextStyle);
  putBool(b, kOffHasFontExt, HasFontExt);
  put<qint32>(b, kOffFontExtValue, FontExtValue);
  put<qint32>(b, kOffPrintType, PrintType);
  putRect(b, kOffPrintRect, PrintRect);
  put<quint32>(b, kOffPrintElementSize, PrintElementSize);
  putBool(b, kOffHasTextHorzStyle, HasTextHorzStyle);
  put<qint32>(b, kOffTextHorzStyleValue, TextHorzStyleValue);
  put<qint32>(b, kOffTextValue, TextValue);
  putBool(b, kOffBoStretch, BoStretch);
  putBool(b, kOffBoMd5, BoMd5);
  if (!Md5.isEmpty()) binary::putShortString(b, kOffMd5, kMd5Capacity, Md5);
  putRect(b, kOffBaseRect, BaseRect);
  put<quint8>(b, kOffBarCodeType, BarCodeType);
  putBool(b, kOffBarCodeCheckSum, BarCodeCheckSum);
  put<quint8>(b, kOffBarCodeCheckSumType, BarCodeCheckSumType);
  put<quint8>(b, kOffBarCodeOnlyDrawImage, BarCodeOnlyDrawImage);
  if (!payload.isEmpty()) std::memcpy(b + kHeaderSize, payload.constData(), payload.size());
}

qint64 PrintItem::checkedItemSize(const char *data, qsizetype size, QString *error) {
  if (!data || size < kHeaderSize) {
    setError(error, QStringLiteral("打印数据已损坏: 数据项头不完整"));
    return -1;
  }
  const qint64 headSize = get<quint32>(data, kOffHeadSize);
  const qint64 dataSize = get<quint32>(data, kOffDataSize);
  if (headSize < kHeaderSize || headSize > size) {
    setError(error, QStringLiteral("打印数据已损坏: 数据项头长度 %1 无效").arg(headSize));
    return -1;
  }
  if (dataSize > size - headSize) {
    setError(error, QStringLiteral("打印数据已损坏: 数据项长度 %1 超出数据范围").arg(dataSize));
    return -1;
  }
  return headSize + dataSize;
}

std::optional<PrintItem> PrintItem::fromBytes(const char *data, qsizetype size, QString *error) {
  if (checkedItemSize(data, size, error) < 0) return std::nullopt;
  const char *b = data;
  PrintItem item;
  item.HeadSize = get<quint32>(b, kOffHeadSize);
  item.DataSize = get<quint32>(b, kOffDataSize);
  item.MainVer = get<quint16>(b, kOffMainVer);
  item.SubVer = get<quint16>(b, kOffSubVer);
  item.FontName = binary::getShortString(b, kOffFontName, kFontNameCapacity);
  item.FontCharSet = get<quint8>(b, kOffFontCharSet);
  item.FontCharSet2 = get<quint8>(b, kOffFontCharSet2);
  item.FontSize = get<qint32>(b, kOffFontSize);
  item.FontBlod = getBool(b, kOffFontBlod);
  item.FontItalic = getBool(b, kOffFontItalic);
  item.FontUnderLine = getBool(b, kOffFontUnderLine);
  item.FontStrikOut = getBool(b, kOffFontStrikOut);
  item.FontColor = get<qint32>(b, kOffFontColor);
  item.HasTextStyle = getBool(b, kOffHasTextStyle);
  item.TextStyle = get<qint32>(b, kOffTextStyle);
  item.HasFontExt = getBool(b, kOffHasFontExt);
  item.FontExtValue = get<qint32>(b, kOffFontExtValue);
  item.PrintType = get<qint32>(b, kOffPrintType);
  item.PrintRect = getRect(b, kOffPrintRect);
  item.PrintElementSize = get<quint32>(b, kOffPrintElementSize);
  item.HasTextHorzStyle = getBool(b, kOffHasTextHorzStyle);
  item.TextHorzStyleValue = get<qint32>(b, kOffTextHorzStyleValue);
  item.TextValue = get<qint32>(b, kOffTextValue);
  item.BoStretch = getBool(b, kOffBoStretch);
  item.BoMd5 = getBool(b, kOffBoMd5);
  item.Md5 = binary::getShortString(b, kOffMd5, kMd5Capacity);
  item.BaseRect = getRect(b, kOffBaseRect);
  item.BarCodeType = get<quint8>(b, kOffBarCodeType);
  item.BarCodeCheckSum = getBool(b, kOffBarCodeCheckSum);
  item.BarCodeCheckSumType = get<quint8>(b, kOffBarCodeCheckSumType);
  item.BarCodeOnlyDrawImage = get<quint8>(b, kOffBarCodeOnlyDrawImage);
  item.payload = QByteArray(b + item.HeadSize, item.DataSize);
  return item;
}

void PrintItem::setPayload(const QByteArray &bytes) {
  payload = bytes;
  DataSize = static_cast<quint32>(bytes.size());
}

void PrintItem::setText(const QString &text) {
  QByteArray bytes(text.size() * 2, '\0');
  for (qsizetype i = 0; i < text.size(); ++i) put<quint16>(bytes.data(), i * 2, text.at(i).unicode());
  setPayload(bytes);
  PrintElementSize = static_cast<quint32>(text.size());
}

QString PrintItem::text() const {
  QString text;
  const qsizetype units = payload.size() / 2;
  text.reserve(units);
  for (qsizetype i = 0; i < units; ++i) {
    const quint16 unit = get<quint16>(payload.constData(), i * 2);
    if (unit == 0) break;
    text.append(QChar(unit));
  }
  return text;
}

void PrintItem::setAnsi(const QByteArray &bytes) {
  setPayload(bytes);
  PrintElementSize = static_cast<quint32>(bytes.size());
}

void PrintItem::setBarcodeText(const QString &text) {
  setAnsi(cp936::encode(text));
}

QString PrintItem::barcodeText() const {
  return cp936::decode(payload);
}

void PrintItem::setBackgroundKey(const QString &md5) {
  QByteArray bytes(kBackgroundKeyCapacity + 1, '\0');
  binary::putShortString(bytes.data(), 0, kBackgroundKeyCapacity, md5);
  setPayload(bytes);
}

QString PrintItem::backgroundKey() const {
  if (payload.isEmpty()) return {};
  // A short payload is read as far as it goes: never past its end.
  const qsizetype length =
      std::min<qsizetype>({static_cast<unsigned char>(payload[0]), payload.size() - 1, kBackgroundKeyCapacity});
  return cp936::decode(payload.constData() + 1, length);
}

// ---- Pen blocks ----

namespace {

QByteArray penBytes(const PenBlock &pen, int size) {
  QByteArray bytes(size, '\0');
  char *b = bytes.data();
  put<qint32>(b, 0, PenBlock::kLineSize);
  put<quint16>(b, 4, 1);
  put<qint32>(b, 8, pen.PenStyle);
  put<qint32>(b, 12, pen.Kind);
  put<quint8>(b, 16, pen.AntiAliasing);
  put<qint32>(b, 17, pen.PenWidth);
  put<qint32>(b, 21, pen.PenColor);
  if (size > PenBlock::kLineSize) b[25] = pen.FullFill ? 1 : 0;
  return bytes;
}

}  // namespace

QByteArray PenBlock::toLineBytes() const {
  return penBytes(*this, kLineSize);
}
QByteArray PenBlock::toShapeBytes() const {
  return penBytes(*this, kShapeSize);
}

std::optional<PenBlock> PenBlock::fromBytes(const QByteArray &payload, QString *error) {
  if (payload.size() < kLineSize) {
    setError(error, QStringLiteral("打印数据已损坏: 画笔数据长度 %1 不足").arg(payload.size()));
    return std::nullopt;
  }
  const char *b = payload.constData();
  PenBlock pen;
  pen.PenStyle = get<qint32>(b, 8);
  pen.Kind = get<qint32>(b, 12);
  pen.AntiAliasing = get<quint8>(b, 16);
  pen.PenWidth = get<qint32>(b, 17);
  pen.PenColor = get<qint32>(b, 21);
  pen.FullFill = payload.size() > kLineSize && b[25] != 0;
  return pen;
}

// ---- Producer rules ----

void FillItemHeader(PrintItem &item, const ItemFont *font) {
  item = PrintItem();
  if (!font) return;
  item.FontName = cp936::decode(cp936::encodeTruncated(font->name, PrintItem::kFontNameCapacity));
  item.FontSize = font->size;
  item.FontBlod = font->bold;
  item.FontItalic = font->italic;
  item.FontUnderLine = font->underLine;
  item.FontStrikOut = font->strikeOut;
  item.FontColor = font->color == kColorWindowText ? 0 : font->color;
}

std::optional<ItemFont> TextDesignFont(IQELDesign *design) {
  const IQELTextDesign *text = query<IQELTextDesign>(design);
  if (!text) return std::nullopt;
  return ItemFont{text->GetFontName(),      text->GetFontSize(),      text->GetFontBold(), text->GetFontItalic(),
                  text->GetFontUnderLine(), text->GetFontStrikeOut(), text->GetFontColor()};
}

void FillItemHeader(PrintItem &item, IQELDesign *design) {
  const std::optional<ItemFont> font = TextDesignFont(design);
  FillItemHeader(item, font ? &*font : nullptr);
}

qint32 DesignAngle(IQELDesign *design) {
  const IQELFontDesign *font = query<IQELFontDesign>(design);
  return font ? font->GetFontExtStyle() : 0;
}

ItemRect ControlPrintRect(const ControlGeometry *control, IQELDesign *design) {
  return ControlPrintRect(control, DesignAngle(design));
}

ItemRect ControlBaseRect(const ControlGeometry *control) {
  if (!control) return {};
  return {control->left, control->top, control->left + control->width, control->top + control->height};
}

ItemRect ControlPrintRect(const ControlGeometry *control, qint32 angle) {
  if (!control) return {};
  const qint32 l = control->left, t = control->top, w = control->width, h = control->height;
  const qint32 pw = control->parentWidth, ph = control->parentHeight;
  switch (angle / 900) {
    case 1:
      return {t, pw - l - w, t + h, pw - l};
    case 2:
      return {pw - l - w, ph - t - h, pw - l, ph - t};
    case 3:
      return {ph - t - h, l, ph - t, l + w};
    default:
      return {l, t, l + w, t + h};
  }
}

void SetItemText(PrintItem &item, const QString &text) {
  item.setText(text);
}
void SetItemAnsi(PrintItem &item, const QByteArray &bytes) {
  item.setAnsi(bytes);
}
QString ItemText(const PrintItem &item) {
  return item.text();
}

}  // namespace op
