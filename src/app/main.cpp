// Program start: the Japanese user interface, the sheet window, then the shape
// editor with its dialogs and information monitor, the about box, the print
// settings, export and printer calibration dialogs, with the real prompts,
// printer, settings file, clipboard and pointer, the drawing named on the
// command line, and the event loop until the sheet window closes.
#include "about_box.h"
#include "clipboard.h"
#include "command_line.h"
#include "dialog_runner.h"
#include "drawing/view_scale.h"
#include "export_dlg.h"
#include "flange_dlg.h"
#include "japanese_ui.h"
#include "main_fm.h"
#include "mk_polygon_fm.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"
#include "polygon_info_dlg.h"
#include "print_calibration_dlg.h"
#include "print_set_dlg.h"
#include "qt_printer.h"
#include "qt_prompt.h"
#include "qt_tick_counter.h"
#include "recovery_file.h"
#include "screen_cursor.h"
#include "settings_file.h"
#include "version.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallJapaneseUi(application);

    TQtPrompt prompt;
    TQtPrinter printer;
    TViewScale view;
    TQtTickCounter ticks;
    TQtClipboard clipboard;
    TQtScreenCursor cursor;
    const QString settingsPath = DefaultSettingsPath();
    TRecoveryFile recovery(DefaultRecoveryFolder());

    // The sheet window comes first: its creation reads the settings and sets
    // the view scale the other windows start from.
    TMainFm mainFm(TSheetServices{prompt, view, printer, ticks, settingsPath, clipboard, cursor,
                                  nullptr, &recovery});
    // Destroyed before the sheet window, so each writes its own settings section.
    TMkPolygonFm editor(
        TEditorServices{prompt, view, ticks, settingsPath, [&mainFm] {
                            return TPageArea{mainFm.PageAreaWidth(), mainFm.PageAreaHeight()};
                        }});
    mainFm.SetShapeEditor(&editor);
    // Created once, after the editor, and kept with their texts between uses.
    TNSetPointPosDlg pointPosDlg;
    TNSetLineLengthDlg lineLengthDlg;
    TNSetPointAngleDlg pointAngleDlg;
    TNSetLineAngleDlg lineAngleDlg;
    TPolygonInfoDlg infoMonitor(settingsPath, &editor);
    TFlangeDlg flangeDlg(prompt);
    TModalDialogRunner dialogRunner;
    editor.SetDialogs(TEditorDialogs{&dialogRunner, &pointPosDlg, &lineLengthDlg, &pointAngleDlg,
                                     &lineAngleDlg, &infoMonitor, &flangeDlg});
    const TVersion version{BuiltVersionBlock()};
    TAboutBox aboutBox(version);
    mainFm.SetAboutBox(&aboutBox);
    TPrintSetDlg printSetDlg(printer);
    mainFm.SetPrintSetDialog(&printSetDlg);
    TExportDlg exportDlg;
    mainFm.SetExportDialog(&exportDlg);
    TPrintCalibrationDlg calibrationDlg(prompt);
    mainFm.SetPrintCalibrationDialog(&calibrationDlg);

    mainFm.show();
    mainFm.OfferRecovery();
    // A file manager names the drawing to open; without one the drawing is empty.
    const QString startFile = DrawingFileArgument(QCoreApplication::arguments());
    if (!startFile.isEmpty())
        mainFm.OpenStartFile(startFile);
    return application.exec();
}
