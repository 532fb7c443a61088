// The page engine on a fake printer: margins, text positions, fills, lines.
#include "core/reports/print_object.h"
#include "support/fake_print_device.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::FakePrintDevice;
using Op = FakePrintDevice::Op;

struct MarginCase {
    int Top, Bottom, Left, Right;
    PixelSize Offset;
    int WantTop, WantBottom, WantLeft, WantRight;
};

// 15 mm at 600 pixels per inch is 354 pixels (354.33 truncated); margins
// that leave no sheet, and margins of 0 or less, fall back to the strips;
// no margin lies inside its strip.
TEST(PrintEngine, MarginsInMillimetres) {
    const MarginCase cases[] = {
        {15, 15, 15, 15, {100, 120}, 354, 354, 354, 354},
        {15, 15, 15, 15, {400, 500}, 500, 354, 400, 354},
        {0, 0, 0, 0, {100, 120}, 120, 120, 100, 100},
        {15, 15, 200, 200, {100, 120}, 354, 354, 100, 100}, // 400 mm across an A4 sheet
        {150, 150, 15, 15, {100, 120}, 120, 120, 354, 354}, // 300 mm down it
        {-5, 15, -5, 15, {100, 120}, 120, 354, 100, 354},
        {1, 1, 1, 1, {100, 120}, 120, 120, 100, 100}, // 23 pixels, inside the strips
    };
    for (const MarginCase &c : cases) {
        FakePrintDevice device;
        device.Offset = c.Offset;
        TPrintObject printer(device);
        ASSERT_TRUE(printer.Start());
        printer.SetMargins(c.Top, c.Bottom, c.Left, c.Right);
        EXPECT_EQ(printer.TopMargin, c.WantTop) << c.Top;
        EXPECT_EQ(printer.BottomMargin, c.WantBottom) << c.Bottom;
        EXPECT_EQ(printer.LeftMargin, c.WantLeft) << c.Left;
        EXPECT_EQ(printer.RightMargin, c.WantRight) << c.Right;
    }
}

TEST(PrintEngine, StartReadsTheSheet) {
    FakePrintDevice device;
    device.RightStrip = 60;
    TPrintObject printer(device);
    ASSERT_TRUE(printer.Start());
    EXPECT_EQ(printer.PhysWidth, 4960);
    EXPECT_EQ(printer.RightOffset, 60);
    EXPECT_EQ(printer.BottomOffset, 120);
    EXPECT_FLOAT_EQ(printer.PaperWidthInch, 4960.0f / 600.0f);
    EXPECT_EQ(printer.RightMargin, 60); // the printable area
    EXPECT_EQ(printer.LineHeight(), 83);

    device.Leading = 65536 - 83 + 5; // the height is a 16-bit value
    printer.UpdateMetrics();
    EXPECT_EQ(printer.LineHeight(), 5);

    FakePrintDevice refusing;
    refusing.CanStart = false;
    EXPECT_FALSE(TPrintObject(refusing).Start());
}

// A table is centred on the sheet; where that would reach into the right
// strip it is centred on the printable area instead, never left of it.
TEST(PrintEngine, CentredTables) {
    struct Case {
        int TableWidth, WantLeft, WantRight;
    };
    FakePrintDevice device; // 4960 pixels across, strips of 100 left and 300 right
    device.RightStrip = 300;
    TPrintObject printer(device);
    ASSERT_TRUE(printer.Start());
    for (const Case &c :
         {Case{2960, 1000, 1000}, Case{4360, 300, 300}, Case{4500, 130, 300}, Case{5000, 100, 300}}) {
        printer.TableWidth = c.TableWidth;
        printer.CentreTable();
        EXPECT_EQ(printer.LeftMargin, c.WantLeft) << c.TableWidth;
        EXPECT_EQ(printer.RightMargin, c.WantRight) << c.TableWidth;
    }
}

// Positions go to the canvas less the strips; text never starts left of
// the printable area or below the sheet. A fill is cut at the right margin;
// one starting at or beyond it draws nothing.
TEST(PrintEngine, TextsFillsAndLinesOnTheCanvas) {
    FakePrintDevice device;
    TPrintObject printer(device);
    ASSERT_TRUE(printer.Start());
    printer.SetMargins(15, 15, 15, 15); // the right margin starts at 4960 - 354 = 4606
    printer.TextOutAt(10, 500, "a");
    printer.TextOutAt(-1000, kCurrentLine, "b");
    printer.TextOutAt(0, 8000, "c");
    const int belowSheet = printer.CurrentY;
    printer.TextOutAt(0, 50, "d");
    auto texts = device.Of(Op::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].X1, 354 + 10 - 100);
    EXPECT_EQ(texts[0].Y1, 500 - 120);
    EXPECT_EQ(texts[1].X1, 0); // pulled back to the printable edge, on the same line
    EXPECT_EQ(texts[1].Y1, 380);
    EXPECT_EQ(belowSheet, 7016 - 120);
    EXPECT_EQ(texts[2].Y1, 7016 - 120 - 120);
    EXPECT_EQ(texts[3].Y1, 0);
    EXPECT_EQ(printer.CurrentY, 120);

    device.Clear();
    printer.Column(1).Left = 100;
    printer.Column(1).Width = 400;
    printer.CurrentY = 1000;
    printer.ColumnTextLeft(1, kCurrentLine, "abc");
    printer.ColumnTextRight(1, kCurrentLine, "abc");
    printer.ColumnTextCentre(1, kCurrentLine, "abc"); // (400 - 123) / 2 = 138
    texts = device.Of(Op::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].X1, 354 + 100 - 100);
    EXPECT_EQ(texts[1].X1, 354 + 100 + 400 - 123 - 100);
    EXPECT_EQ(texts[2].X1, 354 + 100 + 138 - 100);

    printer.FillBox(4606, 200, 4700, 300, 0xFF);
    printer.FillBox(4000, 200, 5000, 300, 0xFF);
    printer.FillBox(1000, 200, 1100, 300, 0xFF);
    printer.DrawLine(500, 600, 900, 600, 2);
    const auto fills = device.Of(Op::Fill);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].X1, 3900);
    EXPECT_EQ(fills[0].X2, 4506);
    EXPECT_EQ(fills[0].Y1, 80);
    EXPECT_EQ(fills[0].Y2, 180);
    EXPECT_EQ(fills[1].X2, 1000);
    const auto lines = device.Of(Op::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].X1, 400);
    EXPECT_EQ(lines[0].Y1, 480);
    EXPECT_EQ(lines[0].Pen, 2);
}

// Laying out without drawing moves the line and counts sheets, but sends
// nothing to the printer.
TEST(PrintEngine, LayingOutWithoutDrawing) {
    FakePrintDevice device;
    TPrintObject printer(device);
    ASSERT_TRUE(printer.Start());
    device.Clear();
    printer.Drawing = false;
    printer.TextOutAt(0, 700, "x");
    printer.NextLine();
    printer.FillBox(0, 0, 100, 100, 0);
    printer.NewPage(false);
    EXPECT_TRUE(device.calls.empty());
    EXPECT_EQ(printer.SheetCount, 1);
    EXPECT_EQ(printer.CurrentY, printer.TopMargin);
}

} // namespace
} // namespace rondaxa
