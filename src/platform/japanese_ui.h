// The Japanese face of the program: Qt's own dialogs translated, a Japanese
// locale and fonts, and the font names the settings and windows use mapped to
// fonts that are installed here.
#pragma once

class QApplication;

// Call one of them once, right after the application object is created.
void InstallJapaneseUi(QApplication& application);
// The same fonts and number handling with the program's English translation.
void InstallEnglishUi(QApplication& application);
