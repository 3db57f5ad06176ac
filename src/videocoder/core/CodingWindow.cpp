#include "videocoder/core/CodingWindow.h"

#include "textfile/Numeric.h"
#include "videocoder/core/FileNames.h"

namespace vc {

void CodingWindowModel::ensureLoaded(Globals& g) {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    port_.load();
    port_.setCaption(FileNameOf(g.data.gFileName));
    setGridTitles(g);

    DataTable& d = g.data;
    const double rows = d.gRowCount.asNumber();
    if (rows < 1) {
        d.gData.reset(kDataColumns, 1);
        d.gRowCount = textfile::Value::ofNumber(1);
        d.gColCount = textfile::Value::ofNumber(kDataColumns);
    } else {
        d.gData.resizeRows(textfile::toInt32(rows));
    }
    port_.autoSize(0, kLastSizedColumn);
}

void CodingWindowModel::setGridTitles(const Globals& g) {
    FG1[0].title = "Time";
    if (g.data.gDataType != "EVENTS") {
        FG1[1].title = "Codes";
        FG1[2].title = "Transcription";
        for (int c = 3; c <= kDataColumns; ++c) {
            FG1[c].hidden = true;
        }
        return;
    }
    for (int group = 0; group <= kDataColumns; ++group) {
        FG1[group + 1].title = "Group " + std::to_string(group);
    }
}

void CodingWindowModel::chkDVD_Click(Globals& g) {
    const bool dvd = chkDVD == 1;
    BrowseBtn0Enabled = !dvd;
    Command1_0Enabled = !dvd;
    Text1[kMediaField] = dvd ? "DVD" : "";
    Text1Enabled[kMediaField] = !dvd;
    g.coding.gUseDVD = textfile::toFlag(dvd);
}

void CodingWindowModel::resetToLoadTime(Globals& g) {
    Text1.fill({});
    Text1Enabled.fill(true);
    chkDVD = 0;
    BrowseBtn0Enabled = true;
    Command1_0Enabled = true;
    FG1 = GridLayout{};
    g.coding.gUseDVD = kFalse;
}

} // namespace vc
