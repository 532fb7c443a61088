#include "ui/platform/QtPrintDevice.h"

#include "core/model/text.h"

#include <QColor>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPen>
#include <QPrinter>

namespace rondaxa {

namespace {

// Texts and widths are kept per font; a print job uses few distinct texts
// (numbers, names), so this stays small.
constexpr std::size_t kCacheLimit = 100000;

QColor ToQColor(uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

int Resolution(const QPrinter &printer) {
    return printer.resolution() > 0 ? printer.resolution() : 600;
}

} // namespace

QtPrintDevice::QtPrintDevice(QPrinter &printer) : printer_(printer) {
    SetFont(PrintFont{});
}

QtPrintDevice::~QtPrintDevice() {
    if (painter_ && painter_->isActive())
        painter_->end();
}

bool QtPrintDevice::BeginDocument() {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        return false;
    }
    painter_->setFont(font_);
    painter_->setPen(ToQColor(colour_));
    return true;
}

void QtPrintDevice::EndDocument() {
    if (painter_)
        painter_->end();
    painter_.reset();
}

void QtPrintDevice::AbortDocument() {
    if (!painter_)
        return;
    printer_.abort();
    painter_->end();
    painter_.reset();
    // A file printer has begun its file: nothing was printed, so none stays.
    if (!printer_.outputFileName().isEmpty())
        QFile::remove(printer_.outputFileName());
}

void QtPrintDevice::NewPage() {
    printer_.newPage();
}

int QtPrintDevice::DpiX() const {
    return Resolution(printer_);
}

int QtPrintDevice::DpiY() const {
    return Resolution(printer_);
}

PixelSize QtPrintDevice::PhysicalSize() const {
    const QRect full = printer_.pageLayout().fullRectPixels(Resolution(printer_));
    return {full.width(), full.height()};
}

PixelSize QtPrintDevice::PrintableSize() const {
    const QRect paint = printer_.pageLayout().paintRectPixels(Resolution(printer_));
    return {paint.width(), paint.height()};
}

PixelSize QtPrintDevice::PrintingOffset() const {
    const QRect paint = printer_.pageLayout().paintRectPixels(Resolution(printer_));
    return {paint.left(), paint.top()};
}

PageOrientation QtPrintDevice::Orientation() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? PageOrientation::Landscape
                                                                         : PageOrientation::Portrait;
}

void QtPrintDevice::SetOrientation(PageOrientation orientation) {
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

void QtPrintDevice::SetFont(const PrintFont &font) {
    QFont qfont;
    if (!font.Name.empty())
        qfont.setFamily(QString::fromUtf8(Cp1252ToUtf8(font.Name)));
    qfont.setPointSize(font.Size > 0 ? font.Size : 10);
    qfont.setBold(font.Style & FontBold);
    qfont.setItalic(font.Style & FontItalic);
    qfont.setUnderline(font.Style & FontUnderline);
    qfont.setStrikeOut(font.Style & FontStrikeOut);
    const bool sameShape = qfont == font_ && metrics_;
    font_ = qfont;
    colour_ = font.Color;
    if (!sameShape) {
        metrics_.emplace(font_, &printer_);
        widths_.clear();
    }
    if (painter_) {
        painter_->setFont(font_);
        painter_->setPen(ToQColor(colour_));
    }
}

PrintTextMetrics QtPrintDevice::Metrics() const {
    return {metrics_->ascent() + metrics_->descent(), metrics_->ascent(), metrics_->leading()};
}

const QString &QtPrintDevice::Text(std::string_view cp1252) {
    if (texts_.size() > kCacheLimit)
        texts_.clear();
    auto found = texts_.find(std::string(cp1252));
    if (found == texts_.end())
        found = texts_.emplace(std::string(cp1252), QString::fromUtf8(Cp1252ToUtf8(cp1252))).first;
    return found->second;
}

int QtPrintDevice::TextWidth(std::string_view cp1252) {
    if (widths_.size() > kCacheLimit)
        widths_.clear();
    auto found = widths_.find(std::string(cp1252));
    if (found == widths_.end())
        found = widths_.emplace(std::string(cp1252), metrics_->horizontalAdvance(Text(cp1252))).first;
    return found->second;
}

void QtPrintDevice::TextOut(int x, int y, std::string_view cp1252) {
    if (!painter_)
        return;
    painter_->drawText(QPoint(x, y + metrics_->ascent()), Text(cp1252));
}

void QtPrintDevice::DrawLine(int x1, int y1, int x2, int y2, int penWidth) {
    if (!painter_)
        return;
    const QPen text = painter_->pen();
    painter_->setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::FlatCap));
    painter_->drawLine(x1, y1, x2, y2);
    painter_->setPen(text);
}

void QtPrintDevice::FillRect(int x1, int y1, int x2, int y2, uint32_t colour) {
    if (painter_ && x2 > x1 && y2 > y1)
        painter_->fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(colour));
}

std::unique_ptr<QPrinter> MakePdfPrinter(const QString &path, PageOrientation orientation) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setResolution(600);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
    printer->setFontEmbeddingEnabled(true);
    printer->setCreator(QStringLiteral("Rondaxa"));
    return printer;
}

} // namespace rondaxa
