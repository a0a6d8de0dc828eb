#include "printing/printtarget.h"

#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace op {

// ---- Printer ----

PrinterTarget::PrinterTarget(const QString &printerName)
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  if (!printerName.isEmpty()) printer_->setPrinterName(printerName);
  printer_->setFullPage(true);
}

PrinterTarget::~PrinterTarget() {
  if (painter_.isActive()) painter_.end();
}

bool PrinterTarget::isValid() const {
  return printer_->isValid();
}

bool PrinterTarget::beginDocument(const QString &title) {
  printer_->setDocName(title);
  if (!printer_->isValid() || !painter_.begin(printer_.get())) {
    error_ = QStringLiteral("无法打开打印机 %1").arg(printer_->printerName());
    return false;
  }
  return true;
}

bool PrinterTarget::newPage() {
  if (!printer_->newPage()) {
    error_ = QStringLiteral("打印机无法开始新页");
    return false;
  }
  return true;
}

bool PrinterTarget::endDocument() {
  if (!painter_.isActive()) return true;
  if (!painter_.end()) {
    error_ = QStringLiteral("打印机无法结束打印文档");
    return false;
  }
  return true;
}

int PrinterTarget::dpiX() const {
  return printer_->logicalDpiX();
}
int PrinterTarget::dpiY() const {
  return printer_->logicalDpiY();
}

// ---- PDF file ----

PdfTarget::PdfTarget(const QString &path, int dpi, const QPageSize &pageSize)
    : path_(path), dpi_(dpi), pageSize_(pageSize) {}

PdfTarget::~PdfTarget() {
  if (painter_.isActive()) painter_.end();
}

bool PdfTarget::beginDocument(const QString &title) {
  // QPdfWriter reports no error of its own: check that the file can be created first.
  QFile probe(path_);
  if (!probe.open(QIODevice::WriteOnly)) {
    error_ = QStringLiteral("无法写入文件 %1: %2").arg(path_, probe.errorString());
    return false;
  }
  probe.close();
  writer_ = std::make_unique<QPdfWriter>(path_);
  writer_->setResolution(dpi_);
  writer_->setPageSize(pageSize_);
  writer_->setPageMargins(QMarginsF(0, 0, 0, 0));
  writer_->setTitle(title);
  writer_->setCreator(QStringLiteral("Overprint"));
  if (!painter_.begin(writer_.get())) {
    error_ = QStringLiteral("无法写入文件 %1").arg(path_);
    return false;
  }
  return true;
}

bool PdfTarget::newPage() {
  if (!writer_ || !writer_->newPage()) {
    error_ = QStringLiteral("无法开始新页");
    return false;
  }
  return true;
}

bool PdfTarget::endDocument() {
  if (!painter_.isActive()) return true;
  const bool ended = painter_.end();
  writer_.reset();
  if (!ended || QFileInfo(path_).size() == 0) {
    error_ = QStringLiteral("无法写入文件 %1").arg(path_);
    return false;
  }
  return true;
}

// ---- Image ----

ImageTarget::ImageTarget(const QSize &pixels, int dpiX, int dpiY) : pixels_(pixels), dpiX_(dpiX), dpiY_(dpiY) {}

void ImageTarget::startPage() {
  current_ = QImage(pixels_, QImage::Format_RGB32);
  current_.fill(Qt::white);
  current_.setDotsPerMeterX(static_cast<int>(std::lround(dpiX_ / 0.0254)));
  current_.setDotsPerMeterY(static_cast<int>(std::lround(dpiY_ / 0.0254)));
  painter_.begin(&current_);
}

void ImageTarget::finishPage() {
  painter_.end();
  pages_.append(current_);
}

bool ImageTarget::beginDocument(const QString &) {
  if (pixels_.isEmpty()) {
    error_ = QStringLiteral("图像尺寸无效");
    return false;
  }
  pages_.clear();
  startPage();
  return true;
}

bool ImageTarget::newPage() {
  if (!painter_.isActive()) return false;
  finishPage();
  startPage();
  return true;
}

bool ImageTarget::endDocument() {
  if (painter_.isActive()) finishPage();
  return true;
}

}  // namespace op
