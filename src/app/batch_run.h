// A run from the command line: the sheet's own import, save and export, with
// no window shown. The settings file and the printer give the page setup and
// the tab's defaults, as for the window, unless the command names its own.
#pragma once

#include "batch_options.h"

class TCommandLinePrompt;
class TIniFile;

// The whole run: the options read (--help and --version answered, a wrong
// option told on standard error), the settings file read, the job done. The
// process's exit status.
int RunFromCommandLine(int argc, char** argv);

// Imports the job's model into its drawing file and saves it, then exports
// the drawing; each step stops the run at its first failure, which prompt
// has written to standard error. The process's exit status: 0 when every
// step succeeded.
int RunBatchJob(const TBatchJob& job, const TIniFile& settings, TCommandLinePrompt& prompt);
