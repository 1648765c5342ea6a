// Program start: the Japanese user interface, the sheet window and then the
// shape editor and its numeric dialogs with the real prompts, printer, settings
// file, clipboard and pointer, and the event loop until the sheet window closes.
#include "clipboard.h"
#include "dialog_runner.h"
#include "drawing/view_scale.h"
#include "flange_dlg.h"
#include "japanese_ui.h"
#include "main_fm.h"
#include "mk_polygon_fm.h"
#include "nset_line_angle_dlg.h"
#include "nset_line_length_dlg.h"
#include "nset_point_angle_dlg.h"
#include "nset_point_pos_dlg.h"
#include "polygon_info_dlg.h"
#include "printer_metrics.h"
#include "qt_prompt.h"
#include "qt_tick_counter.h"
#include "screen_cursor.h"
#include "settings_file.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallJapaneseUi(application);

    TQtPrompt prompt;
    TQtPrinterMetrics printer;
    TViewScale view;
    TQtTickCounter ticks;
    TQtClipboard clipboard;
    TQtScreenCursor cursor;
    const QString settingsPath = DefaultSettingsPath();

    // The sheet window comes first: its creation reads the settings and sets
    // the view scale the other windows start from.
    TMainFm mainFm(
        TSheetServices{prompt, view, printer, ticks, settingsPath, clipboard, cursor, nullptr});
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
    TPolygonInfoDlg infoMonitor(settingsPath);
    TFlangeDlg flangeDlg(prompt);
    TModalDialogRunner dialogRunner;
    editor.SetDialogs(TEditorDialogs{&dialogRunner, &pointPosDlg, &lineLengthDlg, &pointAngleDlg,
                                     &lineAngleDlg, &infoMonitor, &flangeDlg});

    mainFm.show();
    return application.exec();
}
