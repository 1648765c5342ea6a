// Program start: the Japanese user interface, the sheet window with the real
// prompts, printer and settings file, and the event loop until it closes.
#include "japanese_ui.h"
#include "main_fm.h"
#include "printer_metrics.h"
#include "qt_prompt.h"
#include "qt_tick_counter.h"
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
    TMainFm mainFm(TSheetServices{prompt, view, printer, ticks, DefaultSettingsPath()});
    mainFm.show();
    return application.exec();
}
