// The drawing's flanges by name, as the sheet's lookup would find them, for
// tests of the flange dialog and the editor's flange command.
#pragma once

#include "shape_editor.h"

#include <map>
#include <string>

class TFakeFlangeLookup : public IFlangeLookup {
public:
    std::map<std::string, TNamedFlange> Flanges;

    bool FindFlange(const std::string& name, TNamedFlange& found) const override {
        const auto it = Flanges.find(name);
        if (it == Flanges.end())
            return false;
        found = it->second;
        return true;
    }
};
