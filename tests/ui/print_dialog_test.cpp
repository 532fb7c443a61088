// The print dialog "Uitslagen printen", offscreen: its enabling rules, the
// standard header text, the printer's orientation, storing the settings and
// printing to a PDF file.
#include "core/model/demo.h"
#include "core/model/kzb_file.h"
#include "core/scoring/final_standings.h"
#include "print/QtPrintDevice.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "ui/platform/ModelText.h"
#include "ui/reports/PagePreview.h"
#include "ui/reports/PrintJob.h"
#include "ui/reports/Printen1.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

using namespace rondaxa;

namespace {

int InkOn(const QImage &image) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

QAbstractButton *Captioned(const QWidget &dialog, const char *caption) {
    for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
        if (button->text() == QLatin1String(caption))
            return button;
    return nullptr;
}

} // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        comp_ = MakeDemoCompetition();
        comp_->ActiveClass = 0;
        CalcOptions options;
        options.Set(CalcOptions::AllClasses, true);
        CalculateFinalStandings(*comp_, options, 0, 0, nullptr);
        pdf_ = QString::fromStdString(dir_.Path("stand.pdf"));
        QFile::remove(pdf_);
        printer_ = MakePdfPrinter(pdf_, PageOrientation::Portrait);
    }

    // "&Liggend" turns the printer at once; "&Annuleren" does not turn it back.
    void OrientationIsSetOnThePrinterAtOnce() {
        {
            Tafdruk dialog(*comp_, *printer_);
            QVERIFY(dialog.PortraitButton()->isChecked());
            dialog.LandscapeButton()->click();
            QCOMPARE(printer_->pageLayout().orientation(), QPageLayout::Landscape);
            dialog.reject();
        }
        QCOMPARE(printer_->pageLayout().orientation(), QPageLayout::Landscape);
        Tafdruk again(*comp_, *printer_);
        QVERIFY(again.LandscapeButton()->isChecked());
        QVERIFY(!(again.Settings().PrintFlags2 & Pf2Portrait));
    }

    // The preview button's Alt key is its own on every page of the dialog;
    // the controls are enabled as the choices allow.
    void AltKeysAndEnablingRules() {
        Tafdruk dialog(*comp_, *printer_);
        dialog.show();
        const QString key = QKeySequence::mnemonic(dialog.PreviewButton()->text()).toString();
        QVERIFY(!key.isEmpty());
        for (int page = 0; page < dialog.Tabs()->count(); ++page) {
            dialog.Tabs()->setCurrentIndex(page);
            const QStringList owners = test::VisibleMnemonics(dialog)[key];
            QVERIFY2(owners.size() == 1, qPrintable(owners.join(", ")));
        }

        // With standings, riders with results are chosen.
        QVERIFY(dialog.RidersWithResultsButton()->isChecked());
        dialog.FirstRidersButton()->click();
        QVERIFY(dialog.FirstRidersSpin()->isEnabled());
        dialog.AllClassesButton()->click();
        QVERIFY(!dialog.FirstRidersButton()->isEnabled());
        QVERIFY(dialog.AllRidersButton()->isChecked());
        QVERIFY(!dialog.FirstRidersSpin()->isEnabled());
        QVERIFY(!dialog.ClassList()->isEnabled());
        dialog.SelectionButton()->click();
        QVERIFY(dialog.ClassList()->isEnabled());
        QCOMPARE(dialog.ClassList()->count(), comp_->ClassCount());

        dialog.JoinBox()->setChecked(true);
        QVERIFY(dialog.JoinTextEdit()->isEnabled());
        dialog.ResultsBox()->setChecked(false);
        QVERIFY(!dialog.JoinBox()->isChecked());
        QVERIFY(!dialog.JoinTextEdit()->isEnabled());
        QVERIFY(!dialog.EmptyTextEdit()->isEnabled());
        QVERIFY(!dialog.ZeroEmptyBox()->isEnabled());

        dialog.HeadingRowBox()->setChecked(false);
        QVERIFY(!dialog.ShadeSpin()->isEnabled());
        dialog.AutoSpacingBox()->setChecked(false);
        QVERIFY(dialog.SpacingSpin()->isEnabled());
        dialog.EndTextBox()->setChecked(false);
        QVERIFY(!dialog.EndTextEdit()->isEnabled());
    }

    // The standard sentence shows in place of the user's text, which is kept
    // and comes back; editing the sentence makes it the user's own.
    void StandardHeaderText() {
        comp_->Print.HeaderText = "Mijn kop";
        comp_->Print.PrintFlags2 &= ~Pf2StandardHeader;
        Tafdruk dialog(*comp_, *printer_);
        QCOMPARE(dialog.HeaderTextEdit()->toPlainText(), QStringLiteral("Mijn kop"));
        dialog.StandardHeaderBox()->click();
        QVERIFY(dialog.HeaderTextBox()->isChecked());
        QVERIFY(dialog.HeaderTextEdit()->toPlainText().startsWith(QStringLiteral("Er zijn #T uitslagen.")));
        QCOMPARE(dialog.Settings().HeaderText.str(), std::string());
        dialog.StandardHeaderBox()->click();
        QCOMPARE(dialog.HeaderTextEdit()->toPlainText(), QStringLiteral("Mijn kop"));

        dialog.StandardHeaderBox()->click();
        dialog.HeaderTextEdit()->appendPlainText(QStringLiteral("!"));
        QVERIFY(!dialog.StandardHeaderBox()->isChecked());
        QVERIFY(dialog.Settings().HeaderText.str().rfind("Er zijn #T uitslagen.", 0) == 0);
    }

    // Every stored option has one control that reads and writes it: a record
    // with one bit set comes back byte for byte, and clearing that control
    // clears that bit alone. The texts and numbers have values of their own,
    // so that a field shown in another field's control shows too.
    void EachStoredOptionRoundTrips() {
        constexpr auto f1 = &PrintSettings::PrintFlags;
        constexpr auto f2 = &PrintSettings::PrintFlags2;
        struct Option {
            const char *caption;
            uint16_t PrintSettings::*flags;
            uint16_t bit;
            const char *off = nullptr; // the radio button that clears it
        };
        const Option options[] = {
            {"&Informatie uitslagen printen", f1, PfResultInfo},
            {"Naam klasse p&rinten", f1, PfClassName},
            {"&Karakter tussen uitslagen printen :", f1, PfJoinResults},
            {"U&itslag leeg, Print :", f1, PfEmptyResultText},
            {"&Verticale lijn tussen de velden", f1, PfVerticalRules},
            {"&Rijders scheiden met een horizontale lijn", f1, PfHorizontalRules},
            {"&Gebruik kleuren van bewerkscherm", f1, PfGridColours},
            {"&Elke klasse op nieuwe pagina", f1, PfNewPagePerClass},
            {"Print r&egel met verklarende tekst", f1, PfHeadingRow},
            {"&Centreer print horizontaal", f1, PfCentre},
            {"&Datum van print", f1, PfHeaderDate},
            {"Clu&bnaam", f1, PfHeaderClub},
            {"Paginanu&mmers", f1, PfHeaderPages},
            {"Eigen tek&st:", f1, PfHeaderOwnText},
            {"Automatisch &font grootte bepalen", f2, Pf2AutoFontSize},
            {"&Ruimte tussen velden auto.", f2, Pf2AutoFieldSpacing},
            {"Print &koptekst", f2, Pf2HeaderText},
            {"&Standaard koptekst", f2, Pf2StandardHeader},
            {"Print &eindtekst", f2, Pf2EndText},
            {"Na laatste klasse", f2, Pf2EndTextLastOnly, "Na elke klasse"},
        };
        PrintSettings base;
        base.EmptyResultText = "x";
        base.ResultSeparator = "/";
        base.OwnHeaderText = "#C";
        uint16_t number = 3;
        for (auto field :
             {&PrintSettings::MarginTop, &PrintSettings::MarginBottom, &PrintSettings::MarginLeft,
              &PrintSettings::MarginRight, &PrintSettings::LineSpacing, &PrintSettings::FieldSpacing,
              &PrintSettings::ShadePercent})
            base.*field = number++;
        for (auto field : {&PrintSettings::HeadPlace, &PrintSettings::HeadName, &PrintSettings::HeadStartNo,
                           &PrintSettings::HeadNet, &PrintSettings::HeadGross, &PrintSettings::HeadCount,
                           &PrintSettings::HeadTotal, &PrintSettings::HeadAverage})
            base.*field = "k" + std::to_string(number++);
        base.HeaderText = "kop";
        base.EndText = "eind\r\nregel";
        for (const Option &option : options) {
            comp_->Print = base;
            comp_->Print.PrintFlags = comp_->Print.PrintFlags2 = 0;
            comp_->Print.*option.flags = option.bit;
            Tafdruk dialog(*comp_, *printer_);
            PrintSettings expected = comp_->Print;
            expected.PrintFlags2 |= RiderChoiceBits(dialog.Choices().Riders) | Pf2Portrait;
            QVERIFY2(EncodePrintSettings(dialog.Settings()) == EncodePrintSettings(expected), option.caption);

            QAbstractButton *box = Captioned(dialog, option.caption);
            QVERIFY2(box && box->isChecked(), option.caption);
            if (option.off)
                Captioned(dialog, option.off)->setChecked(true);
            else
                box->setChecked(false);
            expected.*option.flags &= static_cast<uint16_t>(~option.bit);
            QVERIFY2(EncodePrintSettings(dialog.Settings()) == EncodePrintSettings(expected), option.caption);
        }
    }

    // "&Print" stores the settings, then asks; No prints nothing (what Yes
    // writes: PrintingToAFileAsksBeforeReplacingIt).
    void PrintStoresAndAsks() {
        test::ScriptedPrompts prompts;
        prompts.Answers = {Answer::No};
        test::OnNextDialog<Tafdruk>([](Tafdruk &dialog) {
            dialog.AllClassesButton()->click();
            dialog.EndTextBox()->setChecked(true);
            test::ClickButton(dialog, QStringLiteral("&Print"));
        });
        QVERIFY(!RunPrintDialog(*comp_, *printer_, prompts, nullptr));
        QVERIFY(comp_->Print.PrintFlags2 & Pf2EndText);
        QCOMPARE(prompts.Captions.size(), std::size_t(1));
        QCOMPARE(prompts.Captions[0], std::string("Uitslagen Printen"));
        QVERIFY(!QFileInfo::exists(pdf_));
    }

    // The printer keeps its file from one job to the next (the daily
    // classification's too): a job asks before it replaces the file, and
    // No leaves the earlier PDF as it was.
    void PrintingToAFileAsksBeforeReplacingIt() {
        test::WriteAll(pdf_.toStdString(), "earlier");
        test::ScriptedPrompts prompts;
        prompts.Answers = {Answer::No};
        QVERIFY(!Print(prompts));
        QCOMPARE(prompts.Questions,
                 std::vector<std::string>{"Het bestand " + Native(pdf_) + " bestaat al.\nVervangen?"});
        QVERIFY(prompts.Messages.empty());
        QCOMPARE(test::ReadAll(pdf_.toStdString()), std::string("earlier"));

        prompts = test::ScriptedPrompts();
        QVERIFY(Print(prompts));
        QCOMPARE(prompts.Captions, (std::vector<std::string>{"Rondaxa", "Uitslagen Printen"}));
        QVERIFY(test::ReadAll(pdf_.toStdString()).starts_with("%PDF") && QFileInfo(pdf_).size() > 1000);
        QCOMPARE(prompts.Messages, std::vector<std::string>{WhereItWent()});
        QCOMPARE(prompts.Icons[0], MessageIcon::Information);

        // The printer set-up has asked about the file already: the next job
        // does not ask again, the one after it does.
        ReplaceAgreed(*printer_);
        prompts = test::ScriptedPrompts();
        QVERIFY(Print(prompts));
        QCOMPARE(prompts.Captions, std::vector<std::string>{"Uitslagen Printen"});
        prompts = test::ScriptedPrompts();
        prompts.Answers = {Answer::No};
        QVERIFY(!Print(prompts));
        QCOMPARE(prompts.Captions, std::vector<std::string>{"Rondaxa"});
    }

    // A printer that takes no jobs, does not take this one or cannot start
    // is reported instead of passed over as if the standings had been printed.
    void APrinterThatFailsIsReported() {
        struct Spooler : PrintSpooler {
            Spooler() { InstallPrintSpooler(this); }
            ~Spooler() override { InstallPrintSpooler(nullptr); }
            std::string Refusal(const QPrinter &) override { return Before; }
            std::string JobRefusal(const QPrinter &) override { return After; }
            std::string Before, After;
        } spooler;
        spooler.Before = "Kan niet printen: de printer \"Kantoor\" neemt geen opdrachten aan.";
        test::ScriptedPrompts prompts;
        QVERIFY(!Print(prompts));
        QCOMPARE(prompts.Messages, std::vector<std::string>{spooler.Before});
        QCOMPARE(prompts.Icons[0], MessageIcon::Error);
        QVERIFY(prompts.Questions.empty()); // nothing was laid out
        QVERIFY(!QFileInfo::exists(pdf_));

        spooler.Before.clear();
        spooler.After = "Kan niet printen: de printer \"Kantoor\" heeft de opdracht geweigerd.";
        prompts = test::ScriptedPrompts();
        QVERIFY(!Print(prompts));
        QCOMPARE(prompts.Messages, std::vector<std::string>{spooler.After});
        QVERIFY(!QApplication::overrideCursor());

        // A printer that cannot start the job at all, without a question
        // about pages first.
        spooler.After.clear();
        prompts = test::ScriptedPrompts();
        auto nowhere = MakePdfPrinter(QString::fromStdString(dir_.Path("no/such/folder/stand.pdf")),
                                      PageOrientation::Portrait);
        test::OnNextDialog<Tafdruk>(
            [](Tafdruk &dialog) { test::ClickButton(dialog, QStringLiteral("&Print")); });
        QVERIFY(!RunPrintDialog(*comp_, *nowhere, prompts, nullptr));
        QCOMPARE(prompts.Messages, std::vector<std::string>{std::string(kPrinterUnavailable)});
        QCOMPARE(prompts.Icons[0], MessageIcon::Error);
        QVERIFY(prompts.Captions.empty());
        QVERIFY(!QApplication::overrideCursor());
    }

    // The preview opens on page 1 of as many pages as printing makes, the
    // page drawn; the page keys turn pages within bounds; Escape closes it
    // without printing and without storing the dialog's settings.
    void PreviewShowsThePagesAndTurnsThem() {
        comp_->Print.PrintFlags |= PfNewPagePerClass;
        test::ScriptedPrompts counting;
        counting.Answers = {Answer::No};
        PrintChoices choices = OpenPrintChoices(*comp_);
        choices.Classes = PrintClassChoice::All;
        QtPrintDevice device(*printer_);
        const int pages = PrintStandings(*comp_, choices, device, counting).Pages;
        QVERIFY(pages >= 3);

        bool seen = false;
        test::OnNextDialog<Tafdruk>([&seen, pages](Tafdruk &dialog) {
            dialog.AllClassesButton()->click();
            dialog.EndTextBox()->setChecked(true);
            test::OnNextDialog<PagePreview>(
                [pages](PagePreview &preview) {
                    QCOMPARE(preview.PageCount(), pages);
                    QCOMPARE(preview.PageLabel()->text(), QStringLiteral("Pagina 1 van %1").arg(pages));
                    const QImage page = preview.PageView()->pixmap().toImage();
                    QVERIFY(page.width() > 500);
                    QVERIFY(page.height() > page.width()); // portrait
                    QVERIFY(InkOn(page) > 1000);           // the page is drawn, not just white paper
                    // To whatever has the focus; the page itself when nothing has.
                    const auto key = [&preview](Qt::Key k) {
                        QWidget *focus = preview.focusWidget();
                        QTest::keyClick(focus ? focus : &preview, k);
                    };
                    key(Qt::Key_PageUp);
                    QCOMPARE(preview.CurrentPage(), 0);
                    key(Qt::Key_PageDown);
                    QCOMPARE(preview.CurrentPage(), 1);
                    QCOMPARE(preview.PageLabel()->text(), QStringLiteral("Pagina 2 van %1").arg(pages));
                    QVERIFY(preview.PageView()->pixmap().toImage() != page);
                    key(Qt::Key_End);
                    QCOMPARE(preview.CurrentPage(), pages - 1);
                    key(Qt::Key_PageDown);
                    QCOMPARE(preview.CurrentPage(), pages - 1);
                    key(Qt::Key_Home);
                    QCOMPARE(preview.CurrentPage(), 0);
                    const int zoom = preview.ZoomPercent();
                    test::ClickButton(preview, QStringLiteral("In&zoomen"));
                    QVERIFY(preview.ZoomPercent() > zoom);
                    QVERIFY(preview.PageView()->pixmap().width() > page.width());
                    key(Qt::Key_Escape);
                    QVERIFY(!preview.isVisible());
                },
                &seen);
            dialog.PreviewButton()->click();
            dialog.reject();
        });
        QVERIFY(!RunPrintDialog(*comp_, *printer_, counting, nullptr));
        QVERIFY(seen);
        QVERIFY(!QFileInfo::exists(pdf_));
        QVERIFY(!(comp_->Print.PrintFlags2 & Pf2EndText));
        QVERIFY(!QApplication::overrideCursor());
    }

    // "&Afdrukken" in the preview prints what it shows.
    void PrintingFromThePreview() {
        test::ScriptedPrompts prompts;
        test::OnNextDialog<Tafdruk>([](Tafdruk &dialog) {
            test::OnNextDialog<PagePreview>(
                [](PagePreview &preview) { test::ClickButton(preview, QStringLiteral("&Afdrukken")); });
            dialog.PreviewButton()->click();
            dialog.reject();
        });
        QVERIFY(!RunPrintDialog(*comp_, *printer_, prompts, nullptr));
        QVERIFY(QFileInfo(pdf_).size() > 1000);
    }

private:
    bool Print(Prompts &prompts) {
        test::OnNextDialog<Tafdruk>(
            [](Tafdruk &dialog) { test::ClickButton(dialog, QStringLiteral("&Print")); });
        return RunPrintDialog(*comp_, *printer_, prompts, nullptr);
    }
    static std::string Native(const QString &path) { return QDir::toNativeSeparators(path).toStdString(); }
    std::string WhereItWent() const { return "De afdruk is bewaard in " + Native(pdf_) + "."; }

    test::TempDir dir_;
    std::unique_ptr<Competition> comp_;
    QString pdf_;
    std::unique_ptr<QPrinter> printer_;
};

QTEST_MAIN(PrintDialogTest)
#include "print_dialog_test.moc"
