// rondaxa-print: the "print" command of rondaxa-cli as a program of its own,
// so that only printing loads the Qt libraries. rondaxa-cli hands the command
// over to it with the command's arguments.
#include "cli/commands.h"

int main(int argc, char **argv) {
    return rondaxa::cli::RunCommand("print", rondaxa::cli::kPrintUsage, rondaxa::cli::RunPrint,
                                    rondaxa::cli::CommandArgs(argv + 1, argv + argc));
}
