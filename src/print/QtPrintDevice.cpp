#include "print/QtPrintDevice.h"

#include "core/model/text.h"
#include "core/platform/files.h"

#include <QColor>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QTextLayout>

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

QtPrintDevice::QtPrintDevice(QPrinter &printer, QPainter &painter)
    : printer_(printer), painter_(&painter), borrowed_(true) {
    SetFont(PrintFont{});
}

QtPrintDevice::~QtPrintDevice() {
    if (borrowed_)
        Flush();
    else if (painter_ && painter_->isActive())
        painter_->end();
    FinishPdf(false);
}

void QtPrintDevice::SetJobName(std::string_view cp1252) {
    printer_.setDocName(QString::fromStdString(Cp1252ToUtf8(cp1252)));
}

bool QtPrintDevice::BeginDocument() {
    if (borrowed_)
        return true;
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty()) {
        try {
            pdf_ = std::make_unique<SafeWriter>(printer_.outputFileName().toStdString());
        } catch (const IoError &) {
            return false; // no file can be made there: the job cannot start
        }
        pdf_->HandOver();
        printer_.setOutputFileName(QString::fromStdString(pdf_->TemporaryName()));
    }
    ownPainter_ = std::make_unique<QPainter>();
    if (!ownPainter_->begin(&printer_)) {
        ownPainter_.reset();
        FinishPdf(false);
        return false;
    }
    painter_ = ownPainter_.get();
    painter_->setFont(font_->font);
    painter_->setPen(ToQColor(colour_));
    const QPaintEngine *engine = painter_->paintEngine();
    glyphRuns_ = !engine || engine->type() != QPaintEngine::Picture;
    return true;
}

void QtPrintDevice::EndDocument() {
    Flush();
    if (borrowed_)
        return;
    const bool ended = !painter_ || painter_->end();
    ownPainter_.reset();
    painter_ = nullptr;
    FinishPdf(ended);
}

void QtPrintDevice::FinishPdf(bool complete) {
    if (!pdf_)
        return;
    const std::unique_ptr<SafeWriter> pdf = std::move(pdf_);
    printer_.setOutputFileName(QString::fromStdString(pdf->Target()));
    if (complete)
        pdf->Commit(); // throws IoError: the previous file stays
}

void QtPrintDevice::AbortDocument() {
    if (!painter_ || borrowed_)
        return;
    pendingGlyphs_.clear();
    pendingPositions_.clear();
    printer_.abort();
    painter_->end();
    ownPainter_.reset();
    painter_ = nullptr;
    // A file printer has begun its temporary file: nothing was printed, so
    // it goes, and the file of that name stays as it was.
    FinishPdf(false);
}

void QtPrintDevice::NewPage() {
    Flush();
    if (!borrowed_)
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
    const int size = font.Size > 0 ? font.Size : 10;
    std::string key(font.Name);
    key += '\0';
    key += std::to_string(size) + '/' + std::to_string(font.Style);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        QFont qfont;
        if (!font.Name.empty())
            qfont.setFamily(QString::fromUtf8(Cp1252ToUtf8(font.Name)));
        qfont.setPointSize(size);
        qfont.setBold(font.Style & FontBold);
        qfont.setItalic(font.Style & FontItalic);
        qfont.setUnderline(font.Style & FontUnderline);
        qfont.setStrikeOut(font.Style & FontStrikeOut);
        found = fonts_.emplace(key, std::make_unique<FontEntry>(qfont, &printer_)).first;
    }
    if (found->second.get() != font_ || font.Color != colour_)
        Flush();
    font_ = found->second.get();
    colour_ = font.Color;
    if (painter_) {
        painter_->setFont(font_->font);
        painter_->setPen(ToQColor(colour_));
    }
}

PrintTextMetrics QtPrintDevice::Metrics() const {
    const QFontMetrics &metrics = font_->metrics;
    return {metrics.ascent() + metrics.descent(), metrics.ascent(), metrics.leading()};
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
    auto &widths = font_->widths;
    if (widths.size() > kCacheLimit)
        widths.clear();
    auto found = widths.find(std::string(cp1252));
    if (found == widths.end())
        found = widths.emplace(std::string(cp1252), font_->metrics.horizontalAdvance(Text(cp1252))).first;
    return found->second;
}

// The text laid out once in the current font, its glyphs placed from the
// top-left corner; none when it needs more than one font.
const std::optional<QGlyphRun> &QtPrintDevice::GlyphsOf(std::string_view cp1252) {
    auto &runs = font_->runs;
    if (runs.size() > kCacheLimit)
        runs.clear();
    auto found = runs.find(std::string(cp1252));
    if (found != runs.end())
        return found->second;
    QTextLayout layout(Text(cp1252), font_->font, &printer_);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> glyphs = layout.glyphRuns();
    std::optional<QGlyphRun> run;
    if (glyphs.size() == 1)
        run = glyphs.front();
    return runs.emplace(std::string(cp1252), std::move(run)).first->second;
}

void QtPrintDevice::TextOut(int x, int y, std::string_view cp1252) {
    if (!painter_)
        return;
    static const std::optional<QGlyphRun> kAsText;
    const std::optional<QGlyphRun> &run = glyphRuns_ ? GlyphsOf(cp1252) : kAsText;
    // Lines through or under a text belong to that text alone.
    if (!run || font_->font.underline() || font_->font.strikeOut()) {
        Flush();
        if (run)
            painter_->drawGlyphRun(QPointF(x, y), *run);
        else
            painter_->drawText(QPoint(x, y + font_->metrics.ascent()), Text(cp1252));
        return;
    }
    if (!pendingGlyphs_.isEmpty() && !(run->rawFont() == pendingFont_))
        Flush();
    if (pendingGlyphs_.isEmpty())
        pendingFont_ = run->rawFont();
    pendingGlyphs_.append(run->glyphIndexes());
    const QPointF origin(x, y);
    for (const QPointF &position : run->positions())
        pendingPositions_.append(position + origin);
}

void QtPrintDevice::Flush() {
    if (pendingGlyphs_.isEmpty() || !painter_)
        return;
    QGlyphRun run;
    run.setRawFont(pendingFont_);
    run.setGlyphIndexes(pendingGlyphs_);
    run.setPositions(pendingPositions_);
    painter_->drawGlyphRun(QPointF(0, 0), run);
    pendingGlyphs_.clear();
    pendingPositions_.clear();
}

void QtPrintDevice::DrawLine(int x1, int y1, int x2, int y2, int penWidth) {
    if (!painter_)
        return;
    Flush();
    const QPen text = painter_->pen();
    painter_->setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::FlatCap));
    painter_->drawLine(x1, y1, x2, y2);
    painter_->setPen(text);
}

void QtPrintDevice::FillRect(int x1, int y1, int x2, int y2, uint32_t colour) {
    Flush();
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
