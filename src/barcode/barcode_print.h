#pragma once

#include <QRect>
#include <QString>

#include "barcode/qelbarcode.h"
#include "document/printitem.h"
#include "printing/renderer.h"

class QPainter;

// Drawing barcode print items: the renderer's barcode drawer.
namespace op {

// The barcode a barcode item describes: symbology, check digit and method, rotation (FontExtValue div 900
// quarter turns), the payload's code page 936 text and the header's font.
TQelBarcode BarcodeOfItem(const PrintItem &item);

// Draws a barcode item into `rect` (its PrintRect moved by the print offsets), with the human-readable text
// unless BarCodeOnlyDrawImage is set. A text the symbology cannot encode draws nothing: false, with the
// encoder's message in `error`.
bool DrawBarcodeItem(QPainter &painter, const PrintItem &item, const QRect &rect, QString *error = nullptr);

// Installs DrawBarcodeItem as the renderer's barcode drawer; failures of single barcodes are ignored there.
// Defined here so that only programs that print (and link the printing library) pull the renderer in.
inline void InstallBarcodeDrawer() {
  SetBarcodeDrawer(
      [](QPainter &painter, const PrintItem &item, const QRect &rect) { DrawBarcodeItem(painter, item, rect); });
}

}  // namespace op
