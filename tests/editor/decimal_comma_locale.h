// Switches the C library and Qt to a locale with a decimal comma for a scope,
// so that tests see numbers shown and read with "." whatever the locale.
#pragma once

#include <QLocale>
#include <clocale>
#include <string>

class TDecimalCommaLocale {
public:
    TDecimalCommaLocale() : FOld(std::setlocale(LC_ALL, nullptr)) {
        Active = std::setlocale(LC_ALL, "de_DE.utf8") != nullptr;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~TDecimalCommaLocale() {
        std::setlocale(LC_ALL, FOld.c_str());
        QLocale::setDefault(QLocale::c());
    }
    TDecimalCommaLocale(const TDecimalCommaLocale&) = delete;
    TDecimalCommaLocale& operator=(const TDecimalCommaLocale&) = delete;

    bool Active = false;

private:
    std::string FOld;
};
