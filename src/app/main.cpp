// Program start: a run from the command line for scripts, without a window;
// otherwise the settings read once, the interface in the language they name
// (Japanese unless English is chosen), the page setup, the shape editor with
// its dialogs and information monitor, the about box, the print settings,
// export, printer calibration, layout and 3D model import dialogs, then the
// sheet window, with the real prompts, printer, clipboard and pointer, the
// drawing named on the command line, and the event loop until the sheet window
// closes; then the settings written once.
#include "about_box.h"
#include "batch_options.h"
#include "batch_run.h"
#include "clipboard.h"
#include "command_line.h"
#include "crash_recovery.h"
#include "dialog_runner.h"
#include "export_dlg.h"
#include "flange_dlg.h"
#include "japanese_ui.h"
#include "layout_dlg.h"
#include "main_fm.h"
#include "mesh_import_dlg.h"
#include "mk_polygon_fm.h"
#include "mk_polygon_settings.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"
#include "page_setup.h"
#include "polygon_info_dlg.h"
#include "print_calibration_dlg.h"
#include "print_set_dlg.h"
#include "qt_long_task.h"
#include "qt_printer.h"
#include "qt_prompt.h"
#include "qt_tick_counter.h"
#include "recovery_copy.h"
#include "screen_cursor.h"
#include "settings_file.h"
#include "ui_text.h"
#include "version.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    if (IsBatchRun(ProgramArguments(argc, argv)))
        return RunFromCommandLine(argc, argv);
    QApplication application(argc, argv);
    const QString settingsPath = DefaultSettingsPath();
    TIniFile settings = LoadSettings(settingsPath);
    // Every window takes its texts as it is made, so the language comes first.
    if (ReadUiLanguage(settings) == TUiLanguage::English)
        InstallEnglishUi(application);
    else
        InstallJapaneseUi(application);

    TQtPrompt prompt;
    TQtPrinter printer;
    TQtTickCounter ticks;
    TQtClipboard clipboard;
    TQtScreenCursor cursor;
    // This running program's own copy of unsaved changes, under its own lock.
    TRecoveryCopy recovery(DefaultRecoveryFolder());
    TQtLongTask longTask(nullptr);
    // Tests that kill the program ask for copies sooner than once a minute.
    const auto recoveryInterval = RecoveryIntervalFrom(std::getenv("ZELVO_RECOVERY_INTERVAL_MS"));

    // Both windows show the page this gives, so it comes first.
    TPageSetup pageSetup(printer, settings);
    TMkPolygonFm editor(TEditorServices{prompt, ticks, settings, pageSetup});
    // Created once, after the editor, and kept with their texts between uses.
    TNSetPointPosDlg pointPosDlg;
    TNSetLineLengthDlg lineLengthDlg;
    TNSetPointAngleDlg pointAngleDlg;
    TNSetLineAngleDlg lineAngleDlg;
    TPolygonInfoDlg infoMonitor(settings, &editor);
    TFlangeDlg flangeDlg(prompt);
    TModalDialogRunner dialogRunner;
    editor.SetDialogs(TEditorDialogs{&dialogRunner, &pointPosDlg, &lineLengthDlg, &pointAngleDlg,
                                     &lineAngleDlg, &infoMonitor, &flangeDlg});
    const TVersion version{BuiltVersionBlock()};
    TAboutBox aboutBox(version);
    TPrintSetDlg printSetDlg(printer);
    TExportDlg exportDlg;
    TPrintCalibrationDlg calibrationDlg(prompt);
    TLayoutDlg layoutDlg(prompt);
    TMeshImportDlg meshImportDlg(prompt);

    TSheetServices services{prompt,    printer,  ticks,     clipboard,        cursor,
                            pageSetup, settings, &recovery, recoveryInterval, &longTask};
    // An imported model's tabs start as the shape editor's flange defaults.
    const TMkPolygonSettings editorSettings = ReadMkPolygonSettings(settings, wsNormal);
    services.FlangeDefaults = MakeFlange("", editorSettings.FlangeWidth,
                                         editorSettings.FlangeAngle1, editorSettings.FlangeAngle2);
    TMainFm mainFm(services, TSheetDialogs{&editor, &aboutBox, &printSetDlg, &exportDlg,
                                           &calibrationDlg, &layoutDlg, &meshImportDlg});
    longTask.SetParent(&mainFm);
    mainFm.show();
    mainFm.OfferRecovery();
    // A file manager names the drawing to open; without one the drawing is empty.
    const QString startFile = DrawingFileArgument(QCoreApplication::arguments());
    if (!startFile.isEmpty())
        mainFm.OpenStartFile(startFile);
    const int result = application.exec();

    // The sheet's sections in the order the sheet reads them, then the
    // monitor's and the editor's, as a fresh file has always had them.
    mainFm.WriteSettings(settings);
    pageSetup.WriteSettings(settings);
    infoMonitor.WriteSettings(settings);
    editor.WriteSettings(settings);
    SaveSettings(settingsPath, settings);
    return result;
}
