// The printed daily classification on a fake printer: the columns for the
// export choices, the title and information lines, the rows written, the
// print settings of the job and their restoring, and a class that takes
// more than one sheet.
#include "core/daily/daily.h"
#include "core/model/kzb_file.h"
#include "core/reports/print_daily.h"
#include "support/fake_print_device.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace rondaxa {
namespace {

using test::AddRider;
using test::FakePrintDevice;
using test::MakeCompetition;
using Op = FakePrintDevice::Op;

// Place and name of every printed row, top to bottom: the place column is
// printed first, the name right after it.
template <class IsName>
std::vector<std::pair<std::string, std::string>> PlacesAndNames(const FakePrintDevice &device,
                                                                IsName isName) {
    const std::vector<std::string> texts = device.Texts();
    std::vector<std::pair<std::string, std::string>> rows;
    for (std::size_t i = 1; i < texts.size(); ++i)
        if (isName(texts[i]))
            rows.emplace_back(texts[i - 1], texts[i]);
    return rows;
}

// "MC Zand", class "MX1", a race day of heats 1 and 2 and a third race, as
// the daily export's tests have it: the day gives Bakker 95, Jansen 94,
// Smit 0 and Vos no total.
class PrintDailyTest : public ::testing::Test {
protected:
    PrintDailyTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {
        comp.Club.ClubName = "MC Zand";
        AddRider(comp, klasse, "Jansen, Piet", "7", {2, 2, 1}).Extra1 = "Ede";
        AddRider(comp, klasse, "Bakker & Zn", "", {1, 3, -1}).Extra3 = "<nieuw>";
        AddRider(comp, klasse, "Vos, Tim", "3", {-1, -1, 2});
        AddRider(comp, klasse, "Smit, Jan", "9", {0, 0, 3});
        table = Classify(1, 2);
        choices = OpenDailyExportChoices(comp, klasse, DailyExportMemory{});
    }

    DailyTable Classify(int from, int to) {
        return MakeDailyClassification(comp.Club, klasse, from, to, false, {});
    }

    DailyPrintOutcome Print() {
        device.Clear();
        return PrintDailyClassification(comp, 0, table, choices, device);
    }

    std::vector<std::pair<std::string, std::string>>
    PlacesAndNames(const std::vector<std::string> &names) const {
        return rondaxa::PlacesAndNames(device, [&](const std::string &text) {
            return std::find(names.begin(), names.end(), text) != names.end();
        });
    }

    std::vector<FakePrintDevice::Call> VerticalLines() const {
        std::vector<FakePrintDevice::Call> lines;
        for (const FakePrintDevice::Call &call : device.Of(Op::Line))
            if (call.X1 == call.X2)
                lines.push_back(call);
        return lines;
    }

    bool Printed(const std::string &text) const { return device.TextCall(text).What == Op::Text; }

    Competition comp;
    TKlasse &klasse;
    DailyTable table;
    DailyExportChoices choices;
    FakePrintDevice device;
};

TEST_F(PrintDailyTest, ColumnsFollowTheChoicesInTheExportOrder) {
    comp.Club.ViewFlags |= ViewExtra1 | ViewExtra3;
    RebuildFixedColumns(klasse, comp.Club);
    table = Classify(1, 2);
    choices = OpenDailyExportChoices(comp, klasse, DailyExportMemory{});

    // The defaults: place, name, start number, the day's results, the total.
    Print();
    std::vector<std::string> texts = device.Texts();
    ASSERT_GE(texts.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.begin() + 7),
              (std::vector<std::string>{"PL", "Naam", "Nr.", "1", "2", "Totaal"}));

    // Every choice: the extra fields the grid shows before the results,
    // "Vervang" last; without the start number.
    choices.StartNo = false;
    choices.Extra = choices.Replacement = true;
    TPrintObject printer(device);
    printer.SetCompetition(comp);
    const int count = SetupDailyColumns(printer, comp.Club, table, choices);
    ASSERT_EQ(count, 8);
    const int kinds[] = {KindRowNumber, KindName,   KindExtra1, KindExtra3,
                         KindResult,    KindResult, KindNet,    KindGross};
    for (int i = 1; i <= count; ++i)
        EXPECT_EQ(printer.Column(i).Kind, kinds[i - 1]) << "column " << i;
    EXPECT_EQ(printer.Column(3).GridCol, 0);
    EXPECT_EQ(printer.Column(5).Number, 1);
    EXPECT_EQ(printer.Column(6).Number, 2);
    EXPECT_EQ(printer.Column(8).GridCol, table.ColCount() - 1);

    Print();
    texts = device.Texts();
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.begin() + 9),
              (std::vector<std::string>{"PL", "Naam", "Woonplaats :", "Opmerking :", "1", "2", "Totaal",
                                        "Vervang"}));
    EXPECT_TRUE(Printed("Ede"));
    EXPECT_TRUE(Printed("<nieuw>"));
}

TEST_F(PrintDailyTest, TitleAndInformationLineAboveTheTable) {
    test::AddResultInfo(klasse, 1, 2, 0, "Zandbaan", "20260501");
    Print();
    const FakePrintDevice::Call title = device.Of(Op::Text).front();
    EXPECT_EQ(title.Text, "Dagklassement MC Zand - MX1");
    EXPECT_EQ(device.JobName, "Rondaxa - MC Zand - MX1");
    // 20 mm from the top of the sheet; at the table's left edge, which the
    // first vertical rule (pen 2, centred on the edge + 1) marks.
    EXPECT_EQ(title.Y1, 20 * 600 * 10 / 254 - 120);
    EXPECT_EQ(title.X1, VerticalLines().front().X1 - 1);
    EXPECT_EQ(title.FontSize, 11);
    EXPECT_FALSE(Printed("Info uitslag, 1+2: 01-05 Zandbaan"));

    choices.Info = true;
    Print();
    const FakePrintDevice::Call info = device.Of(Op::Text)[1];
    EXPECT_EQ(info.Text, "Info uitslag, 1+2: 01-05 Zandbaan");
    EXPECT_EQ(info.X1, title.X1);
    EXPECT_EQ(info.Y1, title.Y1 + 11 * 600 / 72);
}

TEST_F(PrintDailyTest, RowsDownToTheLastRiderWithPointsInTheWindowsOrder) {
    const std::vector<std::string> names = {"Bakker & Zn", "Piet Jansen", "Jan Smit", "Tim Vos"};
    using Rows = std::vector<std::pair<std::string, std::string>>;
    DailyPrintOutcome outcome = Print();
    EXPECT_TRUE(outcome.Started);
    EXPECT_EQ(outcome.Rows, 3);
    // A total of 0 counts as points; no total is left out.
    EXPECT_EQ(PlacesAndNames(names), (Rows{{"1", "Bakker & Zn"}, {"2", "Piet Jansen"}, {"3", "Jan Smit"}}));
    EXPECT_EQ(device.Of(Op::End).size(), 1u);

    // "&Rijders zonder punten": every row.
    choices.AllRiders = true;
    outcome = Print();
    EXPECT_EQ(outcome.Rows, 4);
    EXPECT_EQ(PlacesAndNames(names).back(), (std::pair<std::string, std::string>{"4", "Tim Vos"}));

    // A row dragged in the window prints where it was dragged to, with the
    // replacement points the drag gave.
    MoveDailyRow(comp.Club, klasse, table, 3, 1);
    choices.AllRiders = false;
    choices.Replacement = true;
    Print();
    EXPECT_EQ(PlacesAndNames(names), (Rows{{"1", "Jan Smit"}, {"2", "Bakker & Zn"}, {"3", "Piet Jansen"}}));
    EXPECT_EQ(device.Texts().back(), "47"); // Jansen's replacement points for third place
}

// The job's own settings show in the printout; afterwards the stored record
// is byte for byte what it was, the headings and the field spacing too.
TEST_F(PrintDailyTest, SettingsOfTheJobAreRestoredAfterIt) {
    comp.Print.PrintFlags = 0;
    comp.Print.PrintFlags2 = Pf2AllRiders;
    comp.Print.FieldSpacing = 25;
    comp.Print.HeadNet = "Netto punten van dag"; // 20 characters
    comp.Print.HeadGross = "Bruto";
    comp.Print.FontSize = 9;
    const Bytes stored = EncodePrintSettings(comp.Print);
    choices.Replacement = true;

    const DailyPrintOutcome outcome = Print();
    EXPECT_EQ(outcome.FontSize, 11);
    EXPECT_TRUE(Printed("Totaal"));
    EXPECT_TRUE(Printed("Vervang"));
    EXPECT_FALSE(Printed("Netto punten van dag"));
    // Heading row on grey, a rule under every row, rules between columns.
    ASSERT_EQ(device.Of(Op::Fill).size(), 1u);
    EXPECT_EQ(device.Of(Op::Fill)[0].Colour, 242u * 0x010101u);
    EXPECT_EQ(device.Of(Op::Line).size() - VerticalLines().size(), 2u + 3u);
    EXPECT_EQ(VerticalLines().size(), 7u + 1u);
    for (const FakePrintDevice::Call &text : device.Of(Op::Text))
        EXPECT_EQ(text.FontSize, 11);

    EXPECT_EQ(EncodePrintSettings(comp.Print), stored);
}

TEST_F(PrintDailyTest, AutomaticFontSizeIsKeptAndMarksTheCompetition) {
    comp.Print.HeadNet = "Netto";
    comp.Print.FontSize = 9;
    choices.AutoFontSize = true;
    PrintSettings expected = comp.Print;

    const DailyPrintOutcome outcome = Print();
    // A narrow table grows until it fills the room between the margins.
    EXPECT_GT(outcome.FontSize, 12);
    EXPECT_EQ(device.Of(Op::Text).front().FontSize, outcome.FontSize);
    expected.FontSize = outcome.FontSize;
    EXPECT_EQ(EncodePrintSettings(comp.Print), EncodePrintSettings(expected));
    EXPECT_EQ(comp.Print.HeadNet.str(), "Netto");

    // The same size again changes nothing.
    Print();
    EXPECT_EQ(comp.Print.FontSize, outcome.FontSize);
}

TEST_F(PrintDailyTest, PrinterThatCannotStartPrintsAndChangesNothing) {
    device.CanStart = false;
    choices.AutoFontSize = true;
    const Bytes stored = EncodePrintSettings(comp.Print);
    EXPECT_FALSE(Print().Started);
    EXPECT_TRUE(device.Of(Op::Text).empty());
    EXPECT_EQ(EncodePrintSettings(comp.Print), stored);
}

// A day on which nobody scored prints the heading alone, its frame closed
// under it rather than running up the sheet.
TEST_F(PrintDailyTest, DayWithoutPointsPrintsAClosedHeading) {
    for (int r = 1; r < table.RowCount(); ++r)
        table.Rider(klasse, r)->CalcNet = table.Rider(klasse, r)->CalcTotal = -1;
    EXPECT_EQ(Print().Rows, 0);
    const int heading = device.TextCall("PL").Y1;
    for (const FakePrintDevice::Call &line : VerticalLines()) {
        EXPECT_LT(line.Y1, heading);
        EXPECT_GT(line.Y2, heading);
    }
}

TEST(PrintDailyLongClass, PageBreaksRepeatTheHeadingAndKeepCounting) {
    Competition comp = MakeCompetition({"MX2"});
    TKlasse &klasse = *comp.Classes[0];
    constexpr int kRiders = 150;
    for (int k = 1; k <= kRiders; ++k)
        AddRider(comp, klasse, "Rider " + IntText(k), IntText(k), {(k % 9) + 1});
    const DailyTable table = MakeDailyClassification(comp.Club, klasse, 1, 1, false, {});
    DailyExportChoices choices = OpenDailyExportChoices(comp, klasse, DailyExportMemory{});
    FakePrintDevice device;
    EXPECT_EQ(PrintDailyClassification(comp, 0, table, choices, device).Rows, kRiders);

    const int sheets = device.Sheets();
    EXPECT_EQ(sheets, 3);
    const std::vector<FakePrintDevice::Call> texts = device.Of(Op::Text);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const auto &call) { return call.Text == "PL"; }),
              sheets);
    // Every rider once; the places run on over the sheets.
    const auto rows =
        PlacesAndNames(device, [](const std::string &text) { return text.rfind("Rider ", 0) == 0; });
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kRiders));
    std::set<std::string> names;
    for (int r = 1; r <= kRiders; ++r) {
        EXPECT_EQ(rows[static_cast<std::size_t>(r - 1)].first, IntText(r));
        names.insert(rows[static_cast<std::size_t>(r - 1)].second);
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kRiders));
    // Nothing below the bottom margin of 20 mm; each sheet's table framed.
    const int bottom = 7016 - 20 * 600 * 10 / 254 - 120;
    for (const FakePrintDevice::Call &call : texts)
        EXPECT_LE(call.Y1 + 11 * 600 / 72, bottom) << call.Text;
    const std::vector<FakePrintDevice::Call> lines = device.Of(Op::Line);
    const auto horizontal =
        std::count_if(lines.begin(), lines.end(), [](const auto &line) { return line.Y1 == line.Y2; });
    EXPECT_EQ(horizontal, 2 * sheets + kRiders);                              // heading twice, each row
    EXPECT_EQ(static_cast<int>(lines.size() - horizontal), sheets * (5 + 1)); // columns and the right edge
}

} // namespace
} // namespace rondaxa
