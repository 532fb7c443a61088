// rondaxa-cli print: the final-standings command followed by the printed
// standings, with the file's stored print settings, into a PDF file.
#include "cli/calc_args.h"
#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/reports/print_standings.h"
#include "print/QtPrintDevice.h"

#include <QGuiApplication>
#include <QPrinter>

#include <iostream>
#include <memory>

namespace rondaxa::cli {

namespace {

struct PrintArgs {
    std::string File;
    std::string PdfPath;
    CalcArgs Calculation;
    bool AllClasses = false;
    std::optional<std::string> Decimal;
};

PrintArgs ReadArgs(const CommandArgs &arguments) {
    PrintArgs read;
    read.File = ReadOptions(
        arguments, "print", kFileOperand,
        CalcOptionTable(read.Calculation, {
                                              Needed("--pdf OUT.pdf", Text("--pdf", read.PdfPath)),
                                              Flag("--all", read.AllClasses),
                                              Text("--decimal", read.Decimal),
                                          }));
    if (read.AllClasses && read.Calculation.ClassArg)
        throw UsageError("options --class and --all exclude each other");
    FinishCalcArgs(read.Calculation);
    return read;
}

// Qt's own notes (fonts, runtime folders) are no business of the command's
// standard error; only its faults are.
void QuietQtNotes(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toStdString() << '\n';
}

// The print device needs a Qt application; without a display it runs on the
// "offscreen" platform.
std::unique_ptr<QGuiApplication> EnsureApplication() {
    if (QGuiApplication::instance())
        return nullptr;
    qInstallMessageHandler(QuietQtNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rondaxa-cli";
    static char *argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int RunPrint(const CommandArgs &arguments) {
    const PrintArgs read = ReadArgs(arguments);
    auto comp = LoadAndCalculate(read.File, read.Calculation, read.Decimal);

    const auto application = EnsureApplication();
    PrintChoices choices = OpenPrintChoices(*comp);
    choices.Classes = read.AllClasses ? PrintClassChoice::All : PrintClassChoice::Current;
    const PageOrientation orientation =
        (comp->Print.PrintFlags2 & Pf2Portrait) ? PageOrientation::Portrait : PageOrientation::Landscape;
    const auto printer = MakePdfPrinter(QString::fromLocal8Bit(read.PdfPath.c_str()), orientation);
    QtPrintDevice device(*printer);
    StderrPrompts prompts(Answer::Yes);
    const PrintOutcome outcome = PrintStandings(*comp, choices, device, prompts);
    if (!outcome.Started)
        throw CliExit(kExitFile, "Kan bestand niet maken: " + read.PdfPath);
    return kExitOk;
}

} // namespace rondaxa::cli
