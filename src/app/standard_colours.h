#pragma once
// The named colours that the colour boxes offer.
#include "app/form.h"

namespace ztmca {

struct NamedColour {
    const char* Name;
    Colour Value;
};

extern const NamedColour kStandardColours[16];

// Fills a colour box with the named colours and selects the given one.
void FillStandardColours(Control& colourBox, Colour selected);

}  // namespace ztmca
