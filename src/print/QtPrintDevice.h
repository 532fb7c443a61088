// The print device on a QPrinter: the platform's printer, or a PDF file.
// Built into its own small library, which the desktop program and the
// command line's "print" both use.
#pragma once

#include "core/reports/print_device.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class QPainter;
class QPrinter;

namespace rondaxa {

class SafeWriter;

// What the desktop program says when the printer does not take a job.
inline constexpr std::string_view kPrinterUnavailable = "Kan niet printen: de printer is niet beschikbaar.";

class QtPrintDevice : public PrintDevice {
public:
    explicit QtPrintDevice(QPrinter &printer);
    // Draws on a painter opened elsewhere (a preview's page), measuring as
    // the printer would; the document calls do nothing.
    QtPrintDevice(QPrinter &printer, QPainter &painter);
    ~QtPrintDevice() override;
    QtPrintDevice(const QtPrintDevice &) = delete;
    QtPrintDevice &operator=(const QtPrintDevice &) = delete;

    void SetJobName(std::string_view cp1252) override;
    bool BeginDocument() override;
    void EndDocument() override;
    void AbortDocument() override;
    void NewPage() override;

    int DpiX() const override;
    int DpiY() const override;
    PixelSize PhysicalSize() const override;
    PixelSize PrintableSize() const override;
    PixelSize PrintingOffset() const override;
    PageOrientation Orientation() const override;
    void SetOrientation(PageOrientation orientation) override;

    void SetFont(const PrintFont &font) override;
    PrintTextMetrics Metrics() const override;
    int TextWidth(std::string_view cp1252) override;
    void TextOut(int x, int y, std::string_view cp1252) override;
    void DrawLine(int x1, int y1, int x2, int y2, int penWidth) override;
    void FillRect(int x1, int y1, int x2, int y2, uint32_t colour) override;

private:
    // Commits the PDF written under its temporary name, or drops it.
    void FinishPdf(bool complete);
    // A font with its metrics, and the widths and laid-out glyphs of the
    // texts printed in it. A print job uses few fonts and few distinct texts
    // (numbers, names), so laying out each text once saves most of the work.
    struct FontEntry {
        FontEntry(const QFont &f, QPaintDevice *device) : font(f), metrics(f, device) {}
        QFont font;
        QFontMetrics metrics;
        std::unordered_map<std::string, int> widths;
        std::unordered_map<std::string, std::optional<QGlyphRun>> runs; // empty: draw as text
    };

    const QString &Text(std::string_view cp1252);
    const std::optional<QGlyphRun> &GlyphsOf(std::string_view cp1252);
    // Texts of one font and colour that follow each other are drawn as one
    // glyph run: a table row becomes one text object instead of one per cell.
    void Flush();

    QPrinter &printer_;
    std::unique_ptr<QPainter> ownPainter_; // the printer's, while a document is open
    QPainter *painter_ = nullptr;
    bool borrowed_ = false;
    // Whether texts go out as laid-out glyphs. Not on a recording device
    // (the print preview's pages): it would keep every glyph as a path, and
    // the preview of a large competition would take a minute to open.
    bool glyphRuns_ = true;
    // A PDF is written under a temporary name and replaces the file of that
    // name only when complete (the printer's file name is the target's again
    // after the document).
    std::unique_ptr<SafeWriter> pdf_;
    uint32_t colour_ = 0;
    std::unordered_map<std::string, std::unique_ptr<FontEntry>> fonts_;
    FontEntry *font_ = nullptr;
    std::unordered_map<std::string, QString> texts_;
    QRawFont pendingFont_;
    QList<quint32> pendingGlyphs_;
    QList<QPointF> pendingPositions_;
};

// A printer that writes a PDF file: A4 at 600 pixels per inch, the fonts embedded.
std::unique_ptr<QPrinter> MakePdfPrinter(const QString &path, PageOrientation orientation);

} // namespace rondaxa
