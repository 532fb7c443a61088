#include "ui/reports/PrintJob.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#ifdef RONDAXA_HAVE_CUPS
#include <cups/cups.h>
#endif

#include <string_view>
#include <utility>

namespace rondaxa {

namespace {

std::string Utf8(const QString &text) {
    return text.toStdString();
}

bool PrintsToFile(const QPrinter &printer) {
    return !printer.outputFileName().isEmpty();
}

#ifdef RONDAXA_HAVE_CUPS

bool IsCupsQueue(const QPrinter &printer) {
    return !PrintsToFile(printer) && printer.outputFormat() == QPrinter::NativeFormat &&
           !printer.printerName().isEmpty();
}

class CupsSpooler : public PrintSpooler {
public:
    std::string Refusal(const QPrinter &printer) override {
        if (!IsCupsQueue(printer))
            return {};
        const QByteArray name = printer.printerName().toLocal8Bit();
        cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
        if (!dest)
            return {};
        const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
        const bool refuses = accepting && std::string_view(accepting) == "false";
        cupsFreeDests(1, dest);
        if (!refuses)
            return {};
        return "Kan niet printen: de printer \"" + Utf8(printer.printerName()) +
               "\" neemt geen opdrachten aan.";
    }

    // The print engine hands the job to CUPS as it ends the document, on this
    // thread, without looking at the answer; CUPS keeps that answer.
    std::string JobRefusal(const QPrinter &printer) override {
        if (!IsCupsQueue(printer) || cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
            return {};
        std::string reason = cupsLastErrorString() ? cupsLastErrorString() : "";
        if (reason.ends_with('.'))
            reason.pop_back();
        return "Kan niet printen: de printer \"" + Utf8(printer.printerName()) +
               "\" heeft de opdracht geweigerd" + (reason.empty() ? "." : " (" + reason + ").");
    }
};

#else

class CupsSpooler : public PrintSpooler {
public:
    std::string Refusal(const QPrinter &) override { return {}; }
    std::string JobRefusal(const QPrinter &) override { return {}; }
};

#endif

PrintSpooler *installed = nullptr;
QString agreedFile; // the file the user agreed to replace in the set-up dialog

} // namespace

PrintSpooler &CurrentPrintSpooler() {
    static CupsSpooler cups;
    return installed ? *installed : cups;
}

void InstallPrintSpooler(PrintSpooler *spooler) {
    installed = spooler;
}

void ReplaceAgreed(const QPrinter &printer) {
    if (PrintsToFile(printer) && QFileInfo::exists(printer.outputFileName()))
        agreedFile = printer.outputFileName();
}

bool MayStartPrintJob(const QPrinter &printer, Prompts &prompts) {
    if (const std::string refusal = CurrentPrintSpooler().Refusal(printer); !refusal.empty()) {
        prompts.Message(refusal, MessageIcon::Error);
        return false;
    }
    const QString agreed = std::exchange(agreedFile, QString());
    if (PrintsToFile(printer) && QFileInfo::exists(printer.outputFileName()) &&
        printer.outputFileName() != agreed) {
        const std::string question = "Het bestand " +
                                     Utf8(QDir::toNativeSeparators(printer.outputFileName())) +
                                     " bestaat al.\nVervangen?";
        return prompts.Ask(question, Buttons::YesNo) == Answer::Yes;
    }
    return true;
}

bool ReportPrintJob(const QPrinter &printer, Prompts &prompts) {
    if (const std::string refusal = CurrentPrintSpooler().JobRefusal(printer); !refusal.empty()) {
        prompts.Message(refusal, MessageIcon::Error);
        return false;
    }
    if (PrintsToFile(printer))
        prompts.Message("De afdruk is bewaard in " +
                            Utf8(QDir::toNativeSeparators(printer.outputFileName())) + ".",
                        MessageIcon::Information);
    return true;
}

} // namespace rondaxa
