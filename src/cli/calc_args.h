// The calculation options that "standings" and "print" share (the
// "Eindstanden berekenen" dialog) and the calculation they ask for.
#pragma once

#include "cli/cli_common.h"
#include "cli/options.h"
#include "core/scoring/final_standings.h"

#include <memory>
#include <optional>
#include <string>

namespace rondaxa::cli {

struct CalcArgs {
    std::optional<std::string> ClassArg; // --class NAME|#N
    std::optional<int> Count;
    bool NoCalc = false;
    bool Daily = false;
    bool NoNet = false;
    CalcOptions Calc;
};

// The calculation options, read into read, and a command's others after them.
OptionTable CalcOptionTable(CalcArgs &read, const OptionTable &others);
// Checks the options together and settles the dialog's forcing rules.
void FinishCalcArgs(CalcArgs &read);
// The final-standings command of comp.ActiveClass or all classes; ties that
// no step settles go to standard error.
void CalculateForCli(const CalcArgs &read, Competition &comp);
// The decimal separator (--decimal, else the user's), the file loaded with
// its current class (--class, else class #1) and calculated unless --no-calc.
std::unique_ptr<Competition> LoadAndCalculate(const std::string &file, const CalcArgs &read,
                                              const std::optional<std::string> &decimal);

} // namespace rondaxa::cli
