#include "ui/reports/DailyPrint.h"

#include "core/reports/print_daily.h"
#include "print/QtPrintDevice.h"
#include "ui/platform/Hourglass.h"
#include "ui/reports/PrintJob.h"

#include <QApplication>
#include <QPrinter>

#include <exception>

namespace rondaxa {

namespace {

int ClassIndexOf(const Competition &comp, const TKlasse &klasse) {
    for (int i = 0; i < comp.ClassCount(); ++i)
        if (comp.Classes[static_cast<std::size_t>(i)].get() == &klasse)
            return i;
    return -1;
}

} // namespace

bool PrintDailyOnPrinter(Competition &comp, const TKlasse &klasse, const DailyTable &table,
                         const DailyExportChoices &choices, QPrinter &printer, Prompts &prompts) {
    const int classIndex = ClassIndexOf(comp, klasse);
    if (classIndex < 0 || !MayStartPrintJob(printer, prompts))
        return false;
    std::string failure;
    bool started = false;
    {
        Hourglass hourglass;
        QtPrintDevice device(printer);
        try {
            started = PrintDailyClassification(comp, classIndex, table, choices, device).Started;
            if (!started)
                failure = kPrinterUnavailable;
        } catch (const std::exception &error) {
            failure = error.what();
        }
    }
    // The messages come with the normal cursor back.
    if (started)
        return ReportPrintJob(printer, prompts);
    prompts.Message(failure, MessageIcon::Error);
    return false;
}

} // namespace rondaxa
