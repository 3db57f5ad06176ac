#pragma once
// Where the coding window's resize puts its controls, in twips, from the window's size.
// The data panel holds the grid alone for an EVENTS file; a transcript's grid takes two
// thirds of it, beside the code list and its "Add Code" button.

#include "videocoder/coding/DataFrmView.h"

#include <vector>

namespace vc {

struct Placement {
    DataFrmControl control;
    TwipsRect rect;
};

struct DataFrmLayout {
    std::vector<Placement> placements; // in the order they are made
    bool codeList = false;             // List1 and AddCodeBtn shown
};

DataFrmLayout layOutDataFrm(double windowWidth, double windowHeight, double toolbarHeight,
                            double buttonHeight, bool events);

// A rectangle no control can take: a negative width or height.
bool impossible(const TwipsRect& rect);

} // namespace vc
