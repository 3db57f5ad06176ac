#include "videocoder/coding/GridEditingItems.h"

#include "videocoder/core/ExportData.h"
#include "videocoder/core/ImportData.h"

namespace vc {
namespace {

const std::string kFilterItem = "FilterMnu";
const std::string kHideColsItem = "HideColsMnu";

} // namespace

GridEditingItems::GridEditingItems(DataFrm& dataFrm, platform::Platform& p, GridEditWindows windows)
    : dataFrm_(dataFrm), p_(p),
      editing_(dataFrm.globals(), dataFrm.links(), p.printer, *this, std::move(windows)) {}

void GridEditingItems::wireInto(LaterItems& later) {
    Globals& g = dataFrm_.globals();
    CoderLinks& links = dataFrm_.links();
    later.set(LaterItem::RevertMnu, [this] { editing_.RevertMnu_Click(); });
    later.set(LaterItem::PrintMnu, [this] { editing_.PrintMnu_Click(); });
    later.set(LaterItem::ExportData, [&g, &links, this] {
        ExportData(g, links, {p_.settings, p_.launcher});
    });
    later.set(LaterItem::VTRSImport, [&g, &links] { MergeDataFile(g, links); });
    later.set(LaterItem::CSVImport, [&g, &links] { ImportCsv(g, links); });
    later.set(LaterItem::FilterMnu, [this] {
        editing_.FilterMnu_Click();
        // A click toggles a checkable item by itself; the mark follows the filter's state.
        dataFrm_.view().setMenuChecked(kFilterItem, filterChecked());
    });
    later.set(LaterItem::AddRowsMnu, [this] { editing_.AddRowsMnu_Click(); });
    later.set(LaterItem::SortMnu, [this] { editing_.SortMnu_Click(); });
    later.set(LaterItem::SortByTimeMnu, [this] { editing_.SortByTimeMnu_Click(); });
    later.set(LaterItem::FillInMnu, [this] { editing_.FillInMnu_Click(); });
    later.set(LaterItem::Cnvrtmnu, [this] { editing_.Cnvrtmnu_Click(); });
    later.set(LaterItem::HideColsMnu, [this] { editing_.HideColsMnu_Click(); });
}

std::pair<int, int> GridEditingItems::selectedColumns() const {
    const GridRange range = dataFrm_.view().selection();
    return {range.col1, range.col2};
}

// The caption says whether a filter is on: the check mark may have been toggled by the click.
bool GridEditingItems::filterChecked() const {
    return dataFrm_.view().menuCaption(kFilterItem) == kFilterOnCaption;
}

void GridEditingItems::setFilterItem(bool checked, const std::string& caption) {
    dataFrm_.view().setMenuChecked(kFilterItem, checked);
    dataFrm_.view().setMenuCaption(kFilterItem, caption);
}

std::string GridEditingItems::hideColsCaption() const {
    return dataFrm_.view().menuCaption(kHideColsItem);
}

void GridEditingItems::setHideColsCaption(const std::string& caption) {
    dataFrm_.view().setMenuCaption(kHideColsItem, caption);
}

} // namespace vc
