#include "ui/reports/DailyPrint.h"

#include "core/reports/print_daily.h"
#include "ui/platform/Hourglass.h"
#include "ui/platform/QtPrintDevice.h"

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
    if (classIndex < 0)
        return false;
    std::string failure;
    {
        Hourglass hourglass;
        QtPrintDevice device(printer);
        try {
            if (PrintDailyClassification(comp, classIndex, table, choices, device).Started)
                return true;
            failure = kPrinterUnavailable;
        } catch (const std::exception &error) {
            failure = error.what();
        }
    }
    // The message comes with the normal cursor back.
    prompts.Message(failure, MessageIcon::Error);
    return false;
}

} // namespace rondaxa
