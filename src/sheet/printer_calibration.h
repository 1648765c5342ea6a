// The printer's calibration command: the dialog that takes the rulers measured
// on the calibration page, and that page, printed with the factors in force.
#pragma once

class IPrintCalibrationDialog;
class IPrompt;
class TPageSetup;
class TSheetFiles;
class TSheetPrinting;

class TPrinterCalibration {
public:
    // Without a dialog the command does nothing.
    TPrinterCalibration(IPrompt& prompt, TPageSetup& setup, TSheetPrinting& printing,
                        IPrintCalibrationDialog* dialog, const TSheetFiles& files);

    // True when new factors were taken: the page area has changed with them.
    bool Calibrate();

private:
    void PrintCalibrationPage();

    IPrompt& Prompt;
    TPageSetup& Setup;
    TSheetPrinting& Printing;
    IPrintCalibrationDialog* Dialog;
    const TSheetFiles& Files;
};
