// What the sheet window is given when it is made: the services it asks of
// the rest of the program and the shape editor and dialogs it opens. Tests
// give stand-ins for both.
#pragma once

#include "crash_recovery.h"
#include "editing/shape_editor_model.h"
#include "format/ini_file.h"
#include "geometry/polygon.h"

#include <chrono>

class IClipboard;
class IExportDialog;
class ILayoutDialog;
class ILongTask;
class IMeshImportDialog;
class IPrintCalibrationDialog;
class IPrintSetDialog;
class IPrinter;
class IPrompt;
class IScreenCursor;
class IShapeEditor;
class ITickCounter;
class QDialog;
class TMeshReader;
class TPageSetup;
class TRecoveryCopy;

// What the sheet window asks of the rest of the program; tests give stand-ins.
struct TSheetServices {
    IPrompt& Prompt;
    IPrinter& Printer;
    ITickCounter& Ticks; // time-stamps the edit history
    IClipboard& Clipboard;
    IScreenCursor& Cursor; // read to place shapes, set to hold a refused drag
    TPageSetup& PageSetup;
    // Read while the window is made; WriteSettings writes its sections back.
    const TIniFile& Settings;
    // Where unsaved changes are kept against a crash, and how often; none keeps nothing.
    TRecoveryCopy* Recovery = nullptr;
    std::chrono::milliseconds RecoveryInterval = DefaultRecoveryInterval;
    // Runs opening, saving, recovery copies, printing, export, layouts and
    // imports with progress. With none, opening, saving and recovery copies
    // run where they are asked and the others on a worker thread under the
    // window's own progress dialog.
    ILongTask* LongTask = nullptr;
    // Where 3D models are read from; none reads files with the mesh import
    // library.
    TMeshReader* MeshReader = nullptr;
    // The shape editor's flange defaults as its settings keep them: the tab
    // an imported model is offered.
    TFlange FlangeDefaults =
        MakeFlange("", DefaultFlangeWidth, DefaultFlangeAngle, DefaultFlangeAngle);
};

// The shape editor and the dialogs the sheet opens; a command whose window is
// not given does nothing.
struct TSheetDialogs {
    IShapeEditor* Editor = nullptr;
    QDialog* AboutBox = nullptr;
    IPrintSetDialog* PrintSet = nullptr;
    IExportDialog* Export = nullptr;
    IPrintCalibrationDialog* Calibration = nullptr;
    ILayoutDialog* Layout = nullptr;
    IMeshImportDialog* MeshImport = nullptr;
};
