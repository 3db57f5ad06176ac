#pragma once
// What the grid's key handlers and the replay ask of the coding grid FG1, beyond what the
// numbered commands ask. Grid row r shows gData row r, row 0 the titles; grid column c
// shows gData column c + 1.

#include "videocoder/coding/CommandGrid.h"
#include "videocoder/coding/DataFrmView.h"

namespace vc {

class KeyGrid : public CommandGrid {
public:
    virtual int Rows() const = 0; // rows shown, the title row included
    // Makes the cell current and the only one selected.
    virtual void Select(int row, int column) = 0;
    // The selection; the current cell alone when nothing more is selected.
    virtual GridRange GetSelection() const = 0;
    virtual void AutoSize(int column) = 0;
};

} // namespace vc
