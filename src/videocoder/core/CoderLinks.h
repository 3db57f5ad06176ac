#pragma once
// What the core's file procedures reach beyond the shared state: the person (dialogs), the
// coding window's model and view, the code-set editor's group descriptions, and the grid
// dressing that the coding window provides. The program's composition root builds one;
// tests build one over scripted doubles.

#include "platform/Dialogs.h"
#include "videocoder/core/CodingWindow.h"
#include "videocoder/core/GroupDescriptions.h"

#include <functional>

namespace vc {

struct CoderLinks {
    platform::Dialogs& dialogs;
    CodingWindowModel& dataFrm;
    GroupDescriptions& codeFrmGroups;
    // Dresses the coding grid for the open data and code set; empty until the coding
    // window provides it.
    std::function<void()> RefreshDataGrid;

    void refreshDataGrid() const {
        if (RefreshDataGrid) {
            RefreshDataGrid();
        }
    }
};

} // namespace vc
