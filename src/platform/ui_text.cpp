// The interface texts looked up in the installed translation, and the
// language setting.
#include "ui_text.h"

#include <QApplication>
#include <QTranslator>

namespace {

constexpr std::string_view LanguageSection = "TMainFm";
constexpr std::string_view LanguageKey = "Language";
constexpr std::string_view JapaneseCode = "ja";
constexpr std::string_view EnglishCode = "en";

} // namespace

QString UiText(const char* context, const char* japaneseSource) {
    return QCoreApplication::translate(context, japaneseSource);
}

TUiLanguage ReadUiLanguage(const TIniFile& settings) {
    return settings.ReadString(LanguageSection, LanguageKey, JapaneseCode) == EnglishCode
               ? TUiLanguage::English
               : TUiLanguage::Japanese;
}

void WriteUiLanguage(TIniFile& settings, TUiLanguage language) {
    settings.WriteString(LanguageSection, LanguageKey,
                         language == TUiLanguage::English ? EnglishCode : JapaneseCode);
}

// The build compiles translations/zelvo_en.ts into the executable's resources.
bool InstallEnglishTranslation(QApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral(":/i18n/zelvo_en.qm"))) {
        delete translator;
        return false;
    }
    return application.installTranslator(translator);
}
