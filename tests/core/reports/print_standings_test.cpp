// The printed standings on a fake printer: columns, widths, the automatic
// font size, shading, dropped results, page headers, texts and the page count.
#include "core/model/dates.h"
#include "core/reports/print_standings.h"
#include "core/scoring/final_standings.h"
#include "support/fake_print_device.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rondaxa {
namespace {

using test::AddRider;
using test::FakePrintDevice;
using test::MakeCompetition;
using Op = FakePrintDevice::Op;

class PrintTest : public ::testing::Test {
protected:
    PrintTest() : comp(MakeCompetition({"MX1", "MX2", "MX3"})) { comp.Club.ClubName = "MC Test"; }

    TKlasse &Klasse(int i) { return *comp.Classes[static_cast<std::size_t>(i)]; }

    // count riders "Rider k" with results results each (positions 1..).
    void AddRiders(int classIndex, int count, int results) {
        for (int k = 1; k <= count; ++k)
            AddRider(comp, Klasse(classIndex), "Rider " + IntText(k), IntText(k),
                     std::vector<int>(static_cast<std::size_t>(results), (k % 9) + 1));
    }

    PrintOutcome Print(const PrintChoices &choices) {
        device.Clear();
        return PrintStandings(comp, choices, device, prompts);
    }

    PrintChoices All() {
        PrintChoices choices = OpenPrintChoices(comp);
        choices.Classes = PrintClassChoice::All;
        return choices;
    }

    int TextWidth(const std::string &text, int size) const {
        return static_cast<int>(text.size()) * (size * device.Dpi / 144);
    }

    Competition comp;
    FakePrintDevice device;
    test::ScriptedPrompts prompts;
};

// The print queue names the job after the club and, when one class is
// printed, after the class.
TEST_F(PrintTest, JobsAreNamedAfterTheClubAndTheOneClassPrinted) {
    AddRiders(1, 3, 2);
    comp.ActiveClass = 1;
    Print(OpenPrintChoices(comp));
    EXPECT_EQ(device.JobName, "Rondaxa - MC Test - MX2");
    PrintChoices choices = All();
    Print(choices);
    EXPECT_EQ(device.JobName, "Rondaxa - MC Test");
    choices.Classes = PrintClassChoice::Selection;
    choices.Selected = {false, false, true};
    Print(choices);
    EXPECT_EQ(device.JobName, "Rondaxa - MC Test - MX3");
    comp.Club.ClubName = "";
    Print(choices);
    EXPECT_EQ(device.JobName, "Rondaxa - MX3");
    Print(All());
    EXPECT_EQ(device.JobName, "Rondaxa");
}

// The question carries its own caption; No ends the document unprinted.
TEST_F(PrintTest, AnsweringNoPrintsNothing) {
    AddRiders(0, 3, 2);
    prompts.Answers = {Answer::No};
    const PrintOutcome outcome = Print(OpenPrintChoices(comp));
    EXPECT_FALSE(outcome.Printed);
    ASSERT_EQ(prompts.Captions.size(), 1u);
    EXPECT_EQ(prompts.Captions[0], "Uitslagen Printen");
    EXPECT_EQ(prompts.Questions[0], "Er is 1 pagina te printen. Uitslagen printen ?");
    EXPECT_TRUE(device.Of(Op::Text).empty());
    EXPECT_EQ(device.calls.back().What, Op::Abort);
}

TEST_F(PrintTest, ZeroWidthsBecomeThirtyPixels) {
    AddRider(comp, Klasse(0), "", "1", {1});
    comp.Print.HeadName = "";
    comp.Print.PrintFlags2 &= ~Pf2AutoFontSize;
    TPrintObject printer(device);
    ASSERT_TRUE(printer.Start());
    const int count = SetupClassColumns(printer, comp, OpenPrintChoices(comp), 0);
    printer.ComputeColumns(0, count);
    ASSERT_EQ(printer.Column(2).Kind, KindName);
    EXPECT_EQ(printer.Column(2).Width, 30);
    EXPECT_EQ(printer.Column(3).Left, printer.Column(2).Left + 30 + 2 * printer.FieldGap + 2);
    // Automatic field spacing: half the width of "n", kept in the record.
    EXPECT_EQ(printer.FieldGap, 41 / 2);
    EXPECT_EQ(comp.Print.FieldSpacing, 41 / 2);
}

// The heading row's shading: 255 (white) is not drawn, black gets white headings.
TEST_F(PrintTest, ShadingOfTheHeadingRow) {
    AddRiders(0, 2, 1);
    struct Case {
        int Percent;
        int Level; // -1: no fill
        uint32_t HeadingColour;
    };
    for (const Case &c : {Case{0, -1, 0}, Case{10, 230, 0}, Case{50, 128, 0}, Case{90, 26, 0xFFFFFF},
                          Case{100, 0, 0xFFFFFF}}) {
        comp.Print.ShadePercent = static_cast<uint16_t>(c.Percent);
        ASSERT_TRUE(Print(OpenPrintChoices(comp)).Printed);
        const auto fills = device.Of(Op::Fill);
        if (c.Level < 0) {
            EXPECT_TRUE(fills.empty()) << c.Percent;
        } else {
            ASSERT_EQ(fills.size(), 1u) << c.Percent;
            EXPECT_EQ(fills[0].Colour, static_cast<uint32_t>(c.Level) * 0x010101u) << c.Percent;
        }
        EXPECT_EQ(device.TextCall("PL").Colour, c.HeadingColour) << c.Percent;
    }
}

// With "Toon geschrapte uitslagen met:", "Kleur" and "Doorstrepen" a dropped
// result prints struck out on the mark colour; the others plain.
TEST_F(PrintTest, DroppedResultStruckOutOnMarkColour) {
    AddRider(comp, Klasse(0), "Jansen, Piet", "7", {1, -1, 2});
    AddRider(comp, Klasse(0), "Bakker, Kees", "12", {2, 1, 9});
    comp.Club.CountPlus = 0; // 2 of 3 results count
    comp.Club.ViewFlags = ViewMarkDropped | ViewStrikeDropped;
    comp.Print.PrintFlags |= PfGridColours;
    CalculateFinalStandings(comp, CalcOptions{}, 0, 0, nullptr);
    ASSERT_TRUE(Print(OpenPrintChoices(comp)).Printed);

    const auto dropped = device.TextCall("37"); // the third result of the leader
    ASSERT_EQ(dropped.What, Op::Text);
    EXPECT_TRUE(dropped.Style & FontStrikeOut);
    const auto fills = device.Of(Op::Fill);
    const bool onMarkColour = std::any_of(fills.begin(), fills.end(), [&](const auto &fill) {
        return fill.Colour == 0x808000 && fill.X1 <= dropped.X1 && dropped.X1 < fill.X2 &&
               fill.Y1 <= dropped.Y1 && dropped.Y1 < fill.Y2;
    });
    EXPECT_TRUE(onMarkColour);
    EXPECT_FALSE(device.TextCall("47").Style & FontStrikeOut);
    EXPECT_EQ(
        std::count_if(fills.begin(), fills.end(), [](const auto &fill) { return fill.Colour == 0x808000; }),
        1);

    // Without "Kleur" the result is struck out on no colour at all.
    comp.Club.ViewFlags |= ViewNoMarkColour;
    ASSERT_TRUE(Print(OpenPrintChoices(comp)).Printed);
    EXPECT_TRUE(device.TextCall("37").Style & FontStrikeOut);
    for (const auto &fill : device.Of(Op::Fill))
        EXPECT_NE(fill.Colour, 0x808000u);
}

// A table that does not fit even at 6 points prints at 5 and is reported.
TEST_F(PrintTest, TooWideClassPrintsAtFivePoints) {
    AddRiders(0, 4, kMaxResults);
    comp.Print.MarginLeft = comp.Print.MarginRight = 80;
    const PrintOutcome outcome = Print(OpenPrintChoices(comp));
    EXPECT_TRUE(outcome.TooWide);
    EXPECT_EQ(outcome.FontSize, 5);
    EXPECT_EQ(comp.Print.FontSize, 5);
    EXPECT_EQ(prompts.Questions.back(), "Er is 1 pagina te printen.\n\rLijst is te breed met gekozen "
                                        "lettergrootte. Uitslagen printen ?");
    for (const auto &text : device.Of(Op::Text))
        EXPECT_EQ(text.FontSize, 5) << text.Text;
    // The stored field spacing follows the last font used.
    EXPECT_EQ(comp.Print.FieldSpacing, (5 * 600 / 144) / 2);
}

// Each class alone gets its own automatic size; printed together all use
// the smallest, which is stored.
TEST_F(PrintTest, AutomaticFontSizeOverClassesTakesTheSmallest) {
    const int results[] = {10, 30, 20};
    for (int i = 0; i < 3; ++i)
        AddRiders(i, 5, results[i]);
    std::vector<int> sizes;
    for (int i = 0; i < 3; ++i) {
        comp.ActiveClass = i;
        sizes.push_back(Print(OpenPrintChoices(comp)).FontSize);
    }
    const int smallest = *std::min_element(sizes.begin(), sizes.end());
    ASSERT_LT(smallest, *std::max_element(sizes.begin(), sizes.end()));
    comp.Print.FontSize = 10;
    const PrintOutcome outcome = Print(All());
    EXPECT_EQ(outcome.FontSize, smallest);
    EXPECT_EQ(comp.Print.FontSize, smallest);
    for (const auto &text : device.Of(Op::Text))
        ASSERT_EQ(text.FontSize, smallest) << text.Text;
    EXPECT_FALSE(outcome.TooWide);
}

int RiderRowsPrinted(const FakePrintDevice &device) {
    const auto texts = device.Texts();
    return static_cast<int>(std::count_if(
        texts.begin(), texts.end(), [](const std::string &text) { return text.rfind("Rider ", 0) == 0; }));
}

TEST_F(PrintTest, WhichRidersArePrinted) {
    AddRiders(0, 3, 2);
    AddRider(comp, Klasse(0), "Rider without results", "99");
    PrintChoices choices = OpenPrintChoices(comp);
    struct Case {
        PrintRiderChoice Riders;
        int FirstN;
        int Rows;
    };
    for (const Case &c : {Case{PrintRiderChoice::FirstN, 5, 4}, Case{PrintRiderChoice::FirstN, 2, 2},
                          Case{PrintRiderChoice::All, 0, 4}, Case{PrintRiderChoice::WithResults, 0, 3}}) {
        choices.Riders = c.Riders;
        choices.FirstN = c.FirstN;
        ASSERT_TRUE(Print(choices).Printed);
        EXPECT_EQ(RiderRowsPrinted(device), c.Rows) << c.FirstN;
    }
}

// "date   page/pages" right-aligned to the table's edge, on every sheet.
TEST_F(PrintTest, PageHeaderWithDateAndPageNumbers) {
    test::FixedClock clock(EncodeDosStamp(DateTime{2026, 5, 1, 20, 15, 0}));
    AddRiders(0, 320, 3);
    comp.Print.PrintFlags |= PfHeaderDate | PfHeaderPages;
    comp.Print.PrintFlags2 &= ~Pf2AutoFontSize;
    const PrintOutcome outcome = Print(OpenPrintChoices(comp));
    ASSERT_EQ(outcome.Pages, 5);
    EXPECT_EQ(prompts.Questions.back(), "Er zijn 5 pagina's te printen. Uitslagen printen ?");
    EXPECT_EQ(device.Sheets(), 5);
    const int tableRight =
        device.Of(Op::Line).front().X2 - 2; // the first rule ends a pen width past the table
    const int size = outcome.FontSize;
    for (int page = 1; page <= 5; ++page) {
        const std::string header = "01-05-2026   " + IntText(page) + "/5";
        const auto call = device.TextCall(header);
        ASSERT_EQ(call.What, Op::Text) << header;
        EXPECT_EQ(call.X1 + TextWidth(header, size), tableRight) << header;
    }
}

TEST_F(PrintTest, HeaderAndEndTextsWithPlaceholders) {
    AddRiders(1, 2, 1);
    comp.ActiveClass = 1;
    comp.Print.PrintFlags2 =
        static_cast<uint16_t>((comp.Print.PrintFlags2 & ~Pf2StandardHeader) | Pf2EndText);
    comp.Print.HeaderText = "Stand van #K";
    comp.Print.EndText = "Einde #K, #C";
    ASSERT_TRUE(Print(OpenPrintChoices(comp)).Printed);
    const auto texts = device.Texts();
    const auto at = [&](const std::string &text) { return std::find(texts.begin(), texts.end(), text); };
    ASSERT_NE(at("MX2"), texts.end()); // class title
    ASSERT_NE(at("Stand van MX2"), texts.end());
    EXPECT_LT(at("MX2"), at("Stand van MX2"));
    EXPECT_LT(at("Stand van MX2"), at("PL"));
    EXPECT_EQ(texts.back(), "Einde MX2, MC Test");
}

// Lines as wide as 60 characters of 41 pixels.
TEST(PrintWrap, BreaksAtBreakCharactersAndSpaces) {
    FakePrintDevice device;
    TPrintObject printer(device);
    ASSERT_TRUE(printer.Start());
    printer.TableWidth = 60 * 41; // wider than half the page: lines are as wide as the table
    const std::string a55(55, 'a');
    struct Case {
        std::string Text;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {std::string(70, 'x'), {std::string(60, 'x'), std::string(10, 'x')}}, // cut at the width
        {a55 + " bbbbbbbbbb", {a55, "bbbbbbbbbb"}},                           // the space is left off
        {a55.substr(5) + ",bbbbbbbbbbbbbbbb", {a55.substr(5) + ",", "bbbbbbbbbbbbbbbb"}},
        {a55.substr(8) + "/c.d-eeeeeeeeeeeeeee", {a55.substr(8) + "/c.d-", "eeeeeeeeeeeeeee"}},
        {"  een\r\ntwee\r\n\r\n  drie ", {"een", "twee", "drie "}},
        {"kort", {"kort"}},
        {" \r\n ", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WrapText(printer, c.Text), c.Lines) << c.Text;
}

struct PageCase {
    const char *Name;
    uint16_t FlagsOn, FlagsOff, Flags2On, Flags2Off;
    int Riders[3];
    int LineSpacing;
    PrintRiderChoice Riders2 = PrintRiderChoice::All;
};

// The number announced is the number of sheets printed, and the last page
// header says so, whatever the layout.
TEST_F(PrintTest, AnnouncedPagesAreThePagesPrinted) {
    const PageCase cases[] = {
        {"default", 0, 0, 0, 0, {100, 60, 90}, 2},
        {"new page per class", PfNewPagePerClass, 0, 0, 0, {100, 60, 90}, 2},
        {"plain",
         0,
         PfHorizontalRules | PfVerticalRules | PfHeadingRow | PfClassName,
         0,
         Pf2HeaderText,
         {75, 75, 75},
         0},
        {"texts and info", PfResultInfo, 0, Pf2EndText, Pf2StandardHeader, {66, 67, 68}, 7},
        {"end text once",
         PfResultInfo | PfNewPagePerClass,
         0,
         Pf2EndText | Pf2EndTextLastOnly,
         0,
         {64, 1, 64},
         30},
        {"fixed font", 0, 0, 0, Pf2AutoFontSize, {150, 150, 150}, 2},
        {"first riders", 0, 0, 0, 0, {120, 130, 140}, 2, PrintRiderChoice::FirstN},
    };
    for (int i = 0; i < 3; ++i) {
        AddRiders(i, 1, 8);
        for (int k = 1; k <= 8; ++k)
            test::AddResultInfo(Klasse(i), k, k, 0, "Zandbaan met een lange opmerking " + IntText(k),
                                "20260501");
    }
    const PrintSettings defaults = comp.Print;
    for (const PageCase &c : cases) {
        for (int i = 0; i < 3; ++i) {
            Klasse(i).Grid.SetRowCount(1);
            AddRiders(i, c.Riders[i], 8);
        }
        comp.Print = defaults;
        comp.Print.PrintFlags =
            static_cast<uint16_t>((comp.Print.PrintFlags | c.FlagsOn | PfHeaderPages) & ~c.FlagsOff);
        comp.Print.PrintFlags2 = static_cast<uint16_t>((comp.Print.PrintFlags2 | c.Flags2On) & ~c.Flags2Off);
        comp.Print.LineSpacing = static_cast<uint16_t>(c.LineSpacing);
        comp.Print.EndText =
            "Uitslagen onder voorbehoud. Protesten binnen een week schriftelijk indienen bij het "
            "secretariaat van de club, met vermelding van klasse en startnummer.";
        PrintChoices choices = All();
        choices.Riders = c.Riders2;
        choices.FirstN = 100;
        const PrintOutcome outcome = Print(choices);
        ASSERT_TRUE(outcome.Printed) << c.Name;
        EXPECT_GT(outcome.Pages, 1) << c.Name;
        EXPECT_EQ(outcome.Pages, device.Sheets()) << c.Name;
        const std::string last = IntText(outcome.Pages) + "/" + IntText(outcome.Pages);
        const auto texts = device.Texts();
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const std::string &text) {
            return text == last;
        })) << c.Name;
        // Nothing is written below the bottom margin.
        for (const auto &text : device.Of(Op::Text))
            ASSERT_LE(text.Y1 + 120 + text.FontSize * 600 / 72, 7016 - 354) << c.Name << " " << text.Text;
    }
}

// A class on a page of its own draws the rules of its own table only: the
// page before it was closed under the previous class's table.
TEST_F(PrintTest, AClassOnANewPageDrawsOnlyItsOwnRulesAndNoneWhereThereAreNone) {
    AddRiders(0, 2, 3);
    AddRiders(1, 2, 6);
    comp.Print.PrintFlags |= PfNewPagePerClass | PfVerticalRules;
    auto rules = [&](std::vector<bool> selected) {
        PrintChoices choices = All();
        choices.Classes = PrintClassChoice::Selection;
        choices.Selected = std::move(selected);
        Print(choices);
        return device.Of(Op::Line).size();
    };
    const std::size_t first = rules({true, false, false});
    const std::size_t second = rules({false, true, false});
    EXPECT_EQ(rules({true, true, false}), first + second);
    EXPECT_EQ(device.Sheets(), 2);
    comp.Print.PrintFlags &= ~(PfHorizontalRules | PfVerticalRules);
    EXPECT_EQ(rules({true, true, false}), 0u); // without rules no line at all
}

// The result information stays under its table while it fits on the sheet;
// the first time it does not, the next sheet holds only its header and the list.
TEST_F(PrintTest, ResultInformationMovesOnlyWhenItNoLongerFitsUnderTheTable) {
    AddRiders(0, 1, 1);
    test::AddResultInfo(Klasse(0), 1, 1, 0, "Zandbaan", "20260501");
    // A narrow table at the left: "Uitslagen:" and the item share a line.
    comp.Print.PrintFlags = static_cast<uint16_t>(
        (comp.Print.PrintFlags | PfResultInfo | PfHeaderPages | PfVerticalRules) & ~PfCentre);
    comp.Print.PrintFlags2 &= ~Pf2AutoFontSize;
    PrintOutcome outcome = Print(OpenPrintChoices(comp));
    EXPECT_EQ(device.Sheets(), 1);
    std::size_t rules = 0;
    for (int riders = 2; outcome.Pages == 1 && riders < 500; ++riders) {
        rules = device.Of(Op::Line).size();
        AddRider(comp, Klasse(0), "Rider " + IntText(riders), IntText(riders), {1});
        outcome = Print(OpenPrintChoices(comp));
    }
    ASSERT_EQ(outcome.Pages, 2);
    ASSERT_EQ(device.Sheets(), 2);
    EXPECT_EQ(device.Of(Op::Line).size(), rules + 1); // the new row's rule; the column rules once
    auto call = std::find_if(device.calls.begin(), device.calls.end(),
                             [](const auto &c) { return c.What == Op::NewPage; });
    std::vector<std::string> second;
    for (++call; call->What == Op::Text; ++call)
        second.push_back(call->Text);
    EXPECT_EQ(call->What, Op::End); // no rule or shading on the second sheet
    EXPECT_EQ(second, (std::vector<std::string>{"2/2", "MC Test", "Uitslagen: 1 = 01 mei Zandbaan"}));
}

// Columns in grid order: results joined where the first result stood, the
// calculated columns by what the class's standings hold.
TEST_F(PrintTest, ColumnsOfAClass) {
    AddRiders(0, 3, 3);
    CalculateFinalStandings(comp, CalcOptions{}, 0, 0, nullptr);
    comp.Print.PrintFlags |= PfJoinResults;
    PrintChoices choices = OpenPrintChoices(comp);
    choices.StartNo = false;
    choices.Net = false;
    TPrintObject printer(device);
    ASSERT_TRUE(printer.Start());
    const int count = SetupClassColumns(printer, comp, choices, 0);
    std::vector<int> kinds;
    for (int i = 1; i <= count; ++i)
        kinds.push_back(printer.Column(i).Kind);
    EXPECT_EQ(kinds, (std::vector<int>{KindRowNumber, KindName, KindJoinedResults, KindGross}));
    EXPECT_EQ(printer.Column(3).GridCol, Klasse(0).FirstResultCol);
    printer.ComputeColumns(0, count);
    EXPECT_GE(printer.Column(3).Width, 3 * printer.TextWidth("88")); // three results side by side
}

} // namespace
} // namespace rondaxa
