// The about box sizes itself to the product name: the widths of its labels,
// of its panel and of the box, and where the centred controls go.
#pragma once

// A label's width for its text: the text's width plus the overhang of its last
// character to the right (the magnitude of a negative right bearing), so that
// an italic letter at the end is not cut off.
int LabelWidth(int textWidth, int lastCharRightBearing);

struct TAboutLayout {
    int PanelWidth = 0;
    int ClientWidth = 0;
    int VersionLeft = 0; // in the panel
    int CopyrightLeft = 0;
    int OkLeft = 0; // in the box
    friend bool operator==(const TAboutLayout&, const TAboutLayout&) = default;
};

// The panel is 20 pixels wider than the product name's label and the box 16
// wider than the panel; the version and copyright labels are centred in the
// panel and the OK button in the box, halves cut toward zero. The product
// name itself keeps its place at the panel's left.
TAboutLayout AboutLayout(int productNameWidth, int versionWidth, int copyrightWidth, int okWidth);
