// Translations, locale and font set-up for the Japanese user interface.
#include "japanese_ui.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <clocale>

namespace {

void InstallQtTranslations(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(translator);
    else
        delete translator;
}

// Drawings and settings name the fonts of Japanese Windows; these are their
// closest installed counterparts.
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

} // namespace

void InstallJapaneseUi(QApplication& application) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    InstallQtTranslations(application);
    SubstituteWindowsFonts();
    UseJapaneseUiFont(application);
    // QApplication sets the C library's locale from the environment, so
    // printf and strtod could start writing and reading decimal commas. The
    // drawing file and the settings file always use a decimal point; their
    // code does not depend on the C locale, and this keeps any code that does
    // from silently writing files that cannot be read back.
    std::setlocale(LC_NUMERIC, "C");
}
