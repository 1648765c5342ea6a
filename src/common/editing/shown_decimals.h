// How many decimals the shape editor's status line and its information
// monitor show: each number as many as its usual format gives, or every
// number the count the user chose, so that a length typed to the tenth of a
// micrometre can be read back.
#pragma once

#include <cstdint>
#include <string>

// The usual formats: one decimal for positions and lengths, two for angles,
// none for the monitor's flanges, as the status line and the monitor have
// always shown them.
inline constexpr int UsualDecimals = -1;
inline constexpr int MaxShownDecimals = 9;

struct TShownDecimals {
    int Chosen = UsualDecimals;

    // The decimals of a number whose usual format has usual of them.
    int Of(int usual) const { return Chosen == UsualDecimals ? usual : Chosen; }
    // value as FixedText writes it with those decimals, right-aligned in width.
    std::string Text(long double value, int usual, int width = 0) const;
    friend bool operator==(const TShownDecimals&, const TShownDecimals&) = default;
};

// The choice a stored setting stands for: UsualDecimals, or 0 to
// MaxShownDecimals; any other value, as from a hand-edited file, is the usual.
TShownDecimals ShownDecimalsFromStored(std::int64_t stored);
