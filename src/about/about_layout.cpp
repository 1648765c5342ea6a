// The about box's width rules.
#include "about_layout.h"

namespace {

constexpr int PanelWiderThanName = 20;
constexpr int ClientWiderThanPanel = 16;

// Integer division rounds toward zero, also for a label wider than its room.
int CentredLeft(int room, int width) {
    return (room - width) / 2;
}

} // namespace

int LabelWidth(int textWidth, int lastCharRightBearing) {
    return lastCharRightBearing < 0 ? textWidth - lastCharRightBearing : textWidth;
}

TAboutLayout AboutLayout(int productNameWidth, int versionWidth, int copyrightWidth, int okWidth) {
    TAboutLayout layout;
    layout.PanelWidth = productNameWidth + PanelWiderThanName;
    layout.ClientWidth = layout.PanelWidth + ClientWiderThanPanel;
    layout.VersionLeft = CentredLeft(layout.PanelWidth, versionWidth);
    layout.CopyrightLeft = CentredLeft(layout.PanelWidth, copyrightWidth);
    layout.OkLeft = CentredLeft(layout.ClientWidth, okWidth);
    return layout;
}
