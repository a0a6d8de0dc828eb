#pragma once

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QString>

#include <memory>

class QPrinter;
class QPdfWriter;

// Where a print goes: a printer, a PDF file or an image. A target opens a document, hands out a painter in
// device pixels, starts new pages and ends the document.
namespace op {

class PrintTarget {
 public:
  virtual ~PrintTarget() = default;

  // Opens the document with its first page; false with errorString() when the device cannot start.
  virtual bool beginDocument(const QString &title) = 0;
  virtual bool newPage() = 0;
  // False when the document could not be finished (for example the file could not be written).
  virtual bool endDocument() = 0;
  virtual bool isPrinting() const = 0;
  // Valid between beginDocument() and endDocument().
  virtual QPainter *painter() = 0;
  virtual int dpiX() const = 0;
  virtual int dpiY() const = 0;
  virtual QString errorString() const { return error_; }

 protected:
  QString error_;
};

// A CUPS printer by name (empty: the default printer).
class PrinterTarget : public PrintTarget {
 public:
  explicit PrinterTarget(const QString &printerName = {});
  ~PrinterTarget() override;

  bool isValid() const;  // the printer exists
  QPrinter &printer() { return *printer_; }

  bool beginDocument(const QString &title) override;
  bool newPage() override;
  bool endDocument() override;
  bool isPrinting() const override { return painter_.isActive(); }
  QPainter *painter() override { return &painter_; }
  int dpiX() const override;
  int dpiY() const override;

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
};

// A PDF file written at the given resolution, pages of the given size.
class PdfTarget : public PrintTarget {
 public:
  PdfTarget(const QString &path, int dpi, const QPageSize &pageSize = QPageSize(QPageSize::A4));
  ~PdfTarget() override;

  bool beginDocument(const QString &title) override;
  bool newPage() override;
  bool endDocument() override;
  bool isPrinting() const override { return painter_.isActive(); }
  QPainter *painter() override { return &painter_; }
  int dpiX() const override { return dpi_; }
  int dpiY() const override { return dpi_; }

 private:
  QString path_;
  int dpi_;
  QPageSize pageSize_;
  std::unique_ptr<QPdfWriter> writer_;
  QPainter painter_;
};

// White pages as images with their own resolution per axis (previews and tests). Each new page starts a
// new image; pages() holds the finished ones.
class ImageTarget : public PrintTarget {
 public:
  ImageTarget(const QSize &pixels, int dpiX, int dpiY);

  bool beginDocument(const QString &title) override;
  bool newPage() override;
  bool endDocument() override;
  bool isPrinting() const override { return painter_.isActive(); }
  QPainter *painter() override { return &painter_; }
  int dpiX() const override { return dpiX_; }
  int dpiY() const override { return dpiY_; }

  const QList<QImage> &pages() const { return pages_; }
  // The page being drawn, or the last finished one.
  const QImage &image() const { return current_; }

 private:
  void startPage();
  void finishPage();

  QSize pixels_;
  int dpiX_;
  int dpiY_;
  QImage current_;
  QList<QImage> pages_;
  QPainter painter_;
};

}  // namespace op
