// Translations, locale and font set-up for the Japanese user interface, and
// for its English translation.
#include "japanese_ui.h"

#include "ui_text.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

namespace {

// Qt's Japanese key names spell Backspace as "Backspae"; shortcuts in the
// menus read right only with the key's own name.
class TKeyNameCorrection : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QShortcut") == 0 && qstrcmp(sourceText, "Backspace") == 0)
            return QStringLiteral("Backspace");
        return QTranslator::translate(context, sourceText, disambiguation, n);
    }
};

void InstallQtTranslations(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
    else
        delete translator;
    // Installed last, so it is asked first.
    application.installTranslator(new TKeyNameCorrection(&application));
}

// The print font setting and the windows name these Japanese fonts; the IPA
// fonts are their metric-compatible installed counterparts.
void SubstituteWindowsFonts() {
    QFont::insertSubstitution("ＭＳ 明朝", "IPAMincho");
    QFont::insertSubstitution("ＭＳ Ｐ明朝", "IPAPMincho");
    QFont::insertSubstitution("ＭＳ ゴシック", "IPAGothic");
    QFont::insertSubstitution("ＭＳ Ｐゴシック", "IPAPGothic");
}

void UseJapaneseUiFont(QApplication& application) {
    QFont font = QApplication::font();
    font.setFamilies({"IPAPGothic", "IPAGothic"});
    application.setFont(font);
}

void UseCommonFaces(QApplication& application) {
    SubstituteWindowsFonts();
    UseJapaneseUiFont(application);
    // QApplication sets the C library's locale from the environment, so
    // printf and strtod could start writing and reading decimal commas. The
    // drawing file and the settings file always use a decimal point; their
    // code does not depend on the C locale, and this keeps any code that does
    // from silently writing files that cannot be read back.
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace

void InstallJapaneseUi(QApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    InstallQtTranslations(application);
    UseCommonFaces(application);
}

// Qt's own dialogs speak English untranslated. The fonts stay: shape and
// flange names are Japanese in either language.
void InstallEnglishUi(QApplication& application) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    InstallEnglishTranslation(application);
    UseCommonFaces(application);
}
