#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <optional>

// One print item (TPrintDataDefine): a packed little-endian 213-byte header followed by DataSize bytes of
// payload. Field kinds produce items; blocks, records and the renderer in the printing library consume them.
namespace op {

// PrintType values.
enum PrintKind : qint32 {
  kPrintText = 0,
  kPrintImage = 1,
  kPrintBackground = 2,
  kPrintBarcode = 3,
  kPrintUnused = 4,
  kPrintLine = 5,
  kPrintShape = 6,
};

// The platform's system colour "window text"; stored in items as 0 (black).
constexpr qint32 kColorWindowText = qint32(0xFF000008u);

struct ItemRect {
  qint32 Left = 0;
  qint32 Top = 0;
  qint32 Right = 0;
  qint32 Bottom = 0;
  bool operator==(const ItemRect &) const = default;
};

class PrintItem {
 public:
  static constexpr int kHeaderSize = 213;
  static constexpr int kFontNameCapacity = 64;
  static constexpr int kMd5Capacity = 32;
  static constexpr int kBackgroundKeyCapacity = 50;

  // Byte offsets of the header fields.
  enum Offset : int {
    kOffHeadSize = 0,
    kOffDataSize = 4,
    kOffMainVer = 8,
    kOffSubVer = 10,
    kOffFontName = 12,
    kOffFontCharSet = 77,
    kOffFontCharSet2 = 78,
    kOffFontSize = 79,
    kOffFontBlod = 83,
    kOffFontItalic = 84,
    kOffFontUnderLine = 85,
    kOffFontStrikOut = 86,
    kOffFontColor = 87,
    kOffHasTextStyle = 91,
    kOffTextStyle = 92,
    kOffHasFontExt = 96,
    kOffFontExtValue = 97,
    kOffPrintType = 101,
    kOffPrintRect = 105,
    kOffPrintElementSize = 121,
    kOffHasTextHorzStyle = 125,
    kOffTextHorzStyleValue = 126,
    kOffTextValue = 130,
    kOffBoStretch = 134,
    kOffBoMd5 = 135,
    kOffMd5 = 136,
    kOffBaseRect = 169,
    kOffBarCodeType = 185,
    kOffBarCodeCheckSum = 186,
    kOffBarCodeCheckSumType = 187,
    kOffBarCodeOnlyDrawImage = 188,
    kOffRecover = 189,
  };

  quint32 HeadSize = kHeaderSize;
  quint32 DataSize = 0;  // kept equal to payload.size() by the setters; toBytes() writes payload.size()
  quint16 MainVer = 1;
  quint16 SubVer = 0;
  QString FontName;
  quint8 FontCharSet = 0;
  quint8 FontCharSet2 = 0;
  qint32 FontSize = 0;
  bool FontBlod = false;
  bool FontItalic = false;
  bool FontUnderLine = false;
  bool FontStrikOut = false;
  qint32 FontColor = 0;
  bool HasTextStyle = false;
  qint32 TextStyle = 0;  // horizontal alignment: 1 left, 2 centre, 3 right
  bool HasFontExt = false;
  qint32 FontExtValue = 0;  // rotation in tenths of a degree, counter-clockwise
  qint32 PrintType = kPrintText;
  ItemRect PrintRect;
  quint32 PrintElementSize = 0;
  bool HasTextHorzStyle = false;
  qint32 TextHorzStyleValue = 0;  // vertical alignment: 1 top, 2 middle, 3 bottom
  qint32 TextValue = 0;
  bool BoStretch = false;
  bool BoMd5 = false;
  QString Md5;
  ItemRect BaseRect;
  quint8 BarCodeType = 0;
  bool BarCodeCheckSum = false;
  quint8 BarCodeCheckSumType = 0;
  quint8 BarCodeOnlyDrawImage = 0;
  QByteArray payload;

  // Header (HeadSize written as 213, DataSize as the payload length) followed by the payload.
  QByteArray toBytes() const;
  // The same bytes written to `destination`, which holds totalSize() bytes.
  void writeTo(char *destination) const;
  qsizetype totalSize() const { return kHeaderSize + payload.size(); }

  // Reads one item from `data`; refuses (nullopt, message in `error`) an item whose HeadSize is below 213 or
  // whose header or payload reaches past `size`. Bytes between 213 and HeadSize are skipped.
  static std::optional<PrintItem> fromBytes(const char *data, qsizetype size, QString *error = nullptr);
  // HeadSize + DataSize of the item at `data`, or -1 when it is damaged or does not fit into `size` bytes.
  static qint64 checkedItemSize(const char *data, qsizetype size, QString *error = nullptr);

  void setPayload(const QByteArray &bytes);

  // Text and image payloads: UTF-16LE code units; PrintElementSize = characters.
  void setText(const QString &text);
  // The payload as UTF-16 text, up to the first NUL character.
  QString text() const;

  // Barcode payloads: the text's code page 936 bytes; DataSize and PrintElementSize are the byte count.
  void setAnsi(const QByteArray &bytes);
  void setBarcodeText(const QString &text);
  QString barcodeText() const;

  // Background reference: a short string[50] holding the lower-case MD5 key.
  void setBackgroundKey(const QString &md5);
  QString backgroundKey() const;
};

// Pen block: the payload of line (25 bytes) and shape (26 bytes) items.
struct PenBlock {
  static constexpr int kLineSize = 25;
  static constexpr int kShapeSize = 26;

  qint32 PenStyle = 0;  // 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 clear, 6 inside frame, others solid
  qint32 Kind = 0;      // lines: lineType 0..3; shapes: ShapeType 0..5
  quint8 AntiAliasing = 0;
  qint32 PenWidth = 0;
  qint32 PenColor = 0;
  bool FullFill = false;  // shapes only

  QByteArray toLineBytes() const;
  QByteArray toShapeBytes() const;
  // Reads a pen block; FullFill only when the payload holds its 26th byte. Shorter payloads are refused.
  static std::optional<PenBlock> fromBytes(const QByteArray &payload, QString *error = nullptr);
};

// Shape types of shape items.
enum ShapeType : qint32 {
  kShapeCircle = 0,
  kShapeEllipse = 1,
  kShapeRectangle = 2,
  kShapeRoundRect = 3,
  kShapeRoundSquare = 4,
  kShapeSquare = 5,
};

// ---- Rules shared by every item producer ----

// The font of a field's text design (face, size in points, styles, colour 0x00BBGGRR or a system colour).
struct ItemFont {
  QString name;
  qint32 size = 9;
  bool bold = false;
  bool italic = false;
  bool underLine = false;
  bool strikeOut = false;
  qint32 color = 0;
};

// A field's position on its parent panel, and the parent's size, in design pixels.
struct ControlGeometry {
  qint32 left = 0;
  qint32 top = 0;
  qint32 width = 0;
  qint32 height = 0;
  qint32 parentWidth = 0;
  qint32 parentHeight = 0;
};

class IQELDesign;

// Resets `item` to an empty header (HeadSize 213, MainVer 1, SubVer 0, no payload) and, for a field with
// a text design (font not null), copies face (cut to 64 bytes), size, style flags and colour; the window
// text colour and 0 are stored as 0.
void FillItemHeader(PrintItem &item, const ItemFont *font);
// The same from a property object: the font is copied when it answers IQELTextDesign.
void FillItemHeader(PrintItem &item, IQELDesign *design);
// The font of a property object that answers IQELTextDesign.
std::optional<ItemFont> TextDesignFont(IQELDesign *design);
// The rotation of a property object: its FontExtStyle when it answers IQELFontDesign, else 0.
qint32 DesignAngle(IQELDesign *design);

// (Left, Top, Left + Width, Top + Height); all zero without a control.
ItemRect ControlBaseRect(const ControlGeometry *control);

// The rectangle rotated with the page: 900 turns the page a quarter turn counter-clockwise, 2700 clockwise,
// 1800 half a turn (both axes mirrored); any other angle leaves it unchanged.
ItemRect ControlPrintRect(const ControlGeometry *control, qint32 angle);
ItemRect ControlPrintRect(const ControlGeometry *control, IQELDesign *design);

void SetItemText(PrintItem &item, const QString &text);
void SetItemAnsi(PrintItem &item, const QByteArray &bytes);
QString ItemText(const PrintItem &item);

}  // namespace op

Q_DECLARE_METATYPE(op::ItemRect)
