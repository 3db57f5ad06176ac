#pragma once
// The coding window's items built here, wired into its table of later items: the grid
// editing handlers, the export (command 2) and the imports into the open data. The window's
// own view answers what the handlers ask of the grid and the menus.

#include "platform/Platform.h"
#include "videocoder/coding/DataFrm.h"
#include "videocoder/coding/GridEditing.h"

namespace vc {

class GridEditingItems : private GridEditView {
public:
    // After the coding window is attached to the coder's links.
    GridEditingItems(DataFrm& dataFrm, platform::Platform& p, GridEditWindows windows);
    void wireInto(LaterItems& later);

private:
    std::pair<int, int> selectedColumns() const override;
    bool filterChecked() const override;
    void setFilterItem(bool checked, const std::string& caption) override;
    std::string hideColsCaption() const override;
    void setHideColsCaption(const std::string& caption) override;

    DataFrm& dataFrm_;
    platform::Platform& p_;
    GridEditing editing_;
};

} // namespace vc
