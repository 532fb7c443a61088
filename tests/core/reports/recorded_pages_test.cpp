// A print job laid out once and drawn page by page later draws exactly what
// printing it straight away draws, on each page.
#include "core/reports/print_standings.h"
#include "core/reports/recorded_pages.h"
#include "support/fake_print_device.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rondaxa {
namespace {

using test::FakePrintDevice;
using Op = FakePrintDevice::Op;
using Call = FakePrintDevice::Call;

auto Fields(const Call &c) {
    return std::tie(c.What, c.X1, c.Y1, c.X2, c.Y2, c.Pen, c.Colour, c.Text, c.FontSize, c.Style);
}

// The drawing calls of each printed sheet.
std::vector<std::vector<Call>> Sheets(const std::vector<Call> &calls) {
    std::vector<std::vector<Call>> sheets(1);
    for (const Call &call : calls) {
        if (call.What == Op::NewPage)
            sheets.emplace_back();
        else if (call.What != Op::Begin && call.What != Op::End)
            sheets.back().push_back(call);
    }
    return sheets;
}

Competition ThreeClassesOnPagesOfTheirOwn() {
    Competition comp = test::MakeCompetition({"MX1", "MX2", "Quad"});
    comp.Club.ClubName = "MC Test";
    for (std::size_t c = 0; c < comp.Classes.size(); ++c)
        for (int k = 1; k <= 70; ++k)
            test::AddRider(comp, *comp.Classes[c], "Rider " + std::to_string(k), std::to_string(k + 100 * c),
                           std::vector<int>(6, k % 9 + 1));
    comp.Print.PrintFlags |= PfNewPagePerClass | PfHeaderPages | PfGridColours;
    comp.Print.FontStyle = FontBold;
    comp.Print.FontColor = 0x0000FF;
    comp.Print.FontSize = 12;
    return comp;
}

TEST(RecordedPages, EachPageDrawsWhatPrintingDrawsOnThatSheet) {
    Competition comp = ThreeClassesOnPagesOfTheirOwn();
    PrintChoices choices = OpenPrintChoices(comp);
    choices.Classes = PrintClassChoice::All;
    test::ScriptedPrompts prompts;

    FakePrintDevice printer;
    const PrintOutcome printed = PrintStandings(comp, choices, printer, prompts);
    const auto expected = Sheets(printer.calls);
    ASSERT_GE(printed.Pages, 4); // a class runs onto a second sheet

    FakePrintDevice measure;
    RecordedPages pages(measure);
    const PrintOutcome recorded = PrintStandings(comp, choices, pages, prompts);
    EXPECT_TRUE(measure.calls.empty()) << "the measuring printer starts no document and draws nothing";
    EXPECT_EQ(recorded.Pages, printed.Pages);
    ASSERT_EQ(pages.PageCount(), static_cast<int>(expected.size()));

    // Drawn out of order, as a user pages back, each page stands on its own.
    for (int index = pages.PageCount() - 1; index >= 0; --index) {
        FakePrintDevice screen;
        pages.DrawPage(index, screen);
        const auto &want = expected[static_cast<std::size_t>(index)];
        ASSERT_EQ(screen.calls.size(), want.size()) << "page " << index;
        for (std::size_t i = 0; i < want.size(); ++i)
            EXPECT_EQ(Fields(screen.calls[i]), Fields(want[i])) << "page " << index << " call " << i;
    }

    FakePrintDevice beyond;
    pages.DrawPage(pages.PageCount(), beyond);
    pages.DrawPage(-1, beyond);
    EXPECT_TRUE(beyond.calls.empty());
}

TEST(RecordedPages, OrientationAndMetricsAreTheMeasuringPrinters) {
    FakePrintDevice measure;
    RecordedPages pages(measure);
    pages.SetOrientation(PageOrientation::Landscape);
    EXPECT_EQ(measure.Orientation(), PageOrientation::Landscape);
    EXPECT_EQ(pages.PhysicalSize().Width, 7016);
    pages.SetFont(PrintFont{"Arial", 20, 0, 0});
    EXPECT_EQ(pages.TextWidth("abc"), measure.TextWidth("abc"));
    EXPECT_EQ(pages.Metrics().Height, 20 * 600 / 72);
    EXPECT_EQ(pages.PageCount(), 0);
    ASSERT_TRUE(pages.BeginDocument());
    pages.NewPage();
    EXPECT_EQ(pages.PageCount(), 2);
    pages.AbortDocument();
    EXPECT_EQ(pages.PageCount(), 0);
}

} // namespace
} // namespace rondaxa
