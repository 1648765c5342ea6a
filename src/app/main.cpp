// Program start: the Japanese user interface, the sheet window with the real
// prompts, printer, settings file, clipboard and pointer, and the event loop
// until it closes.
#include "clipboard.h"
#include "japanese_ui.h"
#include "main_fm.h"
#include "printer_metrics.h"
#include "qt_prompt.h"
#include "qt_tick_counter.h"
#include "screen_cursor.h"
#include "settings_file.h"
#include "view_scale.h"

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
    TMainFm mainFm(TSheetServices{prompt, view, printer, ticks, DefaultSettingsPath(), clipboard,
                                  cursor, nullptr});
    mainFm.show();
    return application.exec();
}
