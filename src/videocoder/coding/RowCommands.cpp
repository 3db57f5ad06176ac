#include "videocoder/coding/RowCommands.h"

#include "textfile/RunError.h"
#include "videocoder/core/TimeConversion.h"

namespace vc {
namespace {

using textfile::Value;

int rowCount(const DataTable& data) {
    return data.gData.rows();
}

void setRowCount(DataTable& data) {
    data.gRowCount = Value::ofNumber(data.gData.rows());
}

// An empty table keeps one empty row.
void keepOneRow(DataTable& data) {
    if (data.gData.rows() == 0) {
        data.gData.reset(kDataColumns, 1, 1);
    }
    setRowCount(data);
}

void requireRow(const DataTable& data, int row) {
    if (row < 1 || row > rowCount(data)) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
}

bool intervalMode(const VideoSettings& s) {
    return s.gIntMode != kFalse;
}

} // namespace

std::string IntervalTimes::from(const std::string& neighbour, double offset) const {
    if (inFrames) {
        return FramesToFrameTimecode(TimecodeToFrames(neighbour, settings) + offset, settings);
    }
    return SecondsToClockText(TimeTextToSeconds(neighbour, settings) + offset, settings);
}

std::string IntervalTimes::first() const {
    return inFrames ? FramesToFrameTimecode(settings.gIntSeconds, settings)
                    : SecondsToClockText(settings.gIntSeconds, settings);
}

void appendRow(DataTable& data, const IntervalTimes& times) {
    data.gData.addRow();
    setRowCount(data);
    const int row = rowCount(data);
    if (intervalMode(times.settings)) {
        data.gData.at(1, row) =
            Value::ofText(row > 1 ? times.from(data.gData.at(1, row - 1).asText(), times.settings.gIntSeconds)
                                  : times.first());
    }
}

bool insertRow(DataTable& data, int row, const IntervalTimes& times) {
    if (row < 1) {
        return false;
    }
    requireRow(data, row);
    // The time comes first: a neighbour that cannot be read leaves the rows as they were.
    std::string time;
    if (intervalMode(times.settings)) {
        time = times.from(data.gData.at(1, row).asText(), -times.settings.gIntSeconds);
    }
    data.gData.insertRow(row);
    setRowCount(data);
    if (intervalMode(times.settings)) {
        data.gData.at(1, row) = Value::ofText(time);
    }
    return true;
}

bool deleteRow(DataTable& data, int row) {
    if (row < 1) {
        return false;
    }
    requireRow(data, row);
    std::vector<bool> flags(static_cast<std::size_t>(rowCount(data)), false);
    flags[static_cast<std::size_t>(row - 1)] = true;
    data.gData.eraseRows(flags);
    keepOneRow(data);
    return true;
}

void deleteRows(DataTable& data, const std::vector<int>& selected) {
    std::vector<bool> flags(static_cast<std::size_t>(rowCount(data)), false);
    for (const int row : selected) {
        requireRow(data, row);
        flags[static_cast<std::size_t>(row - 1)] = true;
    }
    data.gData.eraseRows(flags);
    keepOneRow(data);
}

} // namespace vc
