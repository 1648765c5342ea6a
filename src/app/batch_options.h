// The command line for scripts and batch work: a 3D model imported into a
// drawing file, a drawing exported to SVG, DXF or PDF, with the import
// dialog's values and the page setup as options, in Qt's usual form
// (--help, --version).
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

// What one run from the command line does.
struct TBatchJob {
    QString Drawing;         // the drawing file (.zvt)
    QString Model;           // the 3D model to import into it; empty for none
    QString Export;          // the file to export it to; empty for none
    std::optional<int> Page; // the one page to export, from 1; all pages with shapes when none

    // The import dialog's values; none takes the dialog's own default.
    std::optional<long double> Size;      // mm
    std::optional<long double> TabWidth;  // mm
    std::optional<long double> TabAngle1; // degrees
    std::optional<long double> TabAngle2;
    std::optional<long double> FlatAngle;

    // The page setup; none takes the one in the settings file.
    std::optional<int> PaperSize; // Qt's page size id
    std::optional<bool> Landscape;
    std::optional<QList<int>> Margins; // top, bottom, left, right, mm
};

// Options and the drawing file argument, with their help texts.
void AddBatchOptions(QCommandLineParser& parser);

// The program's arguments as the system hands them over, its own path first.
QStringList ProgramArguments(int argc, char** argv);

// True when the program's arguments (its own path first) ask for a run
// without a window: an option of the command line or --help or --version
// stands before any "--". A drawing named alone opens in the window.
bool IsBatchRun(const QStringList& arguments);

// The job the parsed options name; false with a message for the user when an
// option's value is not one the program takes, or nothing is to be done.
bool ReadBatchJob(const QCommandLineParser& parser, TBatchJob& job, QString& error);
