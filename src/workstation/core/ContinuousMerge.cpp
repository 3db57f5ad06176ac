#include "workstation/core/ContinuousMerge.h"

#include "textfile/FieldReader.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "textfile/TextCase.h"
#include "textfile/TextForms.h"
#include "workstation/core/EventFile.h"
#include "workstation/core/EventFileServices.h"
#include "workstation/core/EventSlotWriter.h"
#include "workstation/core/ImportMessages.h"
#include "workstation/core/ImportTimes.h"
#include "workstation/core/ImportedSlot.h"

#include <optional>

namespace ws {
namespace {

struct MergedEvent {
    std::string code;
    std::int32_t time;
};

// A cell or field the merge reads as a number: anything else, an empty one included, is a
// type mismatch.
float singleOf(const std::string& text) {
    if (!textfile::isNumeric(text)) {
        throw textfile::RunError(textfile::kTypeMismatch);
    }
    return textfile::toSingle(textfile::leadingNumber(text));
}

int columnOf(const std::string& cell) {
    if (!textfile::isNumeric(cell)) {
        throw textfile::RunError(textfile::kTypeMismatch);
    }
    const std::int16_t column = textfile::toInt16(textfile::leadingNumber(cell));
    if (column < 0 || column > kMaxCsvFields) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    return column;
}

std::string csvFileOf(platform::Platform& p, const std::string& fileName) {
    std::string csv = textfile::companionName(fileName, ".csv");
    if (!textfile::fileExists(csv)) {
        csv = p.dialogs.openFile(
            {"Pick the continous variables file to merge in...", "All files (*.*)|*.*", "", "", 0});
    }
    return csv;
}

class SampleRules {
public:
    SampleRules(const ContGridData& grid, bool stateChange) : grid_(grid), stateChange_(stateChange) {}

    // Appends the codes of every rule the sample falls in, in rule order.
    void apply(const std::vector<std::string>& fields, std::int32_t time, std::vector<MergedEvent>& events) {
        for (std::size_t row = 1; row < grid_.cells.size(); ++row) {
            const auto& rule = grid_.cells[row];
            if (textfile::isBlank(rule[ContGridData::MinValue])) {
                continue;
            }
            const int column = columnOf(rule[ContGridData::CsvColumn]);
            const float minimum = singleOf(rule[ContGridData::MinValue]);
            const float maximum = singleOf(rule[ContGridData::MaxValue]);
            const std::string& code = rule[ContGridData::TalvorCode];
            const std::string empty;
            const std::string& field =
                static_cast<std::size_t>(column) < fields.size() ? fields[column] : empty;
            const float measure = singleOf(field);
            if (measure < minimum || measure >= maximum) {
                continue;
            }
            if (stateChange_ && code == lastCode_) {
                continue;
            }
            if (events.size() >= static_cast<std::size_t>(kMaxEvents)) {
                throw textfile::RunError(textfile::kSubscriptOutOfRange);
            }
            events.push_back({code, time});
            lastCode_ = code;
        }
    }

private:
    const ContGridData& grid_;
    bool stateChange_;
    std::string lastCode_;
};

std::vector<MergedEvent> readSamples(Global& g, platform::Platform& p, const std::string& csv) {
    // A code the code set lacks would go into the slot unchecked, since the reader's code test
    // ran before the merge: the read fails instead, naming the rule.
    if (const std::optional<std::string> refusal = ruleCodeRefusal(g.ContGrid, g)) {
        throw textfile::RunError(textfile::kInvalidArgument, *refusal);
    }
    textfile::FieldReader reader = textfile::FieldReader::fromFile(csv);
    if (g.gContHeader != 0) {
        reader.readLine();
    }
    SampleRules rules(g.ContGrid, g.gContStateChange != 0);
    const ImportMessages messages(&p.dialogs);
    std::vector<MergedEvent> events;
    std::optional<std::int32_t> earliest; // the smallest sample time, from the first sample on
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        if (textfile::isBlank(line)) {
            continue;
        }
        const std::vector<std::string> fields = SplitCsvLine(line);
        const std::int32_t time = ParseTimeString(g, fields[1], messages.timeErrors());
        if (!earliest || time < *earliest) {
            earliest = time;
        }
        rules.apply(fields, time, events);
    }
    if (g.gZeroCont != 0 && earliest) {
        for (MergedEvent& event : events) {
            event.time = timeDifference(event.time, *earliest);
        }
    }
    return events;
}

} // namespace

std::vector<std::string> SplitCsvLine(const std::string& line) {
    std::vector<std::string> fields(2);
    for (const char ch : line) {
        if (ch == ',') {
            if (fields.size() - 1 >= static_cast<std::size_t>(kMaxCsvFields)) {
                throw textfile::RunError(textfile::kSubscriptOutOfRange);
            }
            fields.emplace_back();
        } else {
            fields.back() += ch;
        }
    }
    fields[0] = textfile::joinedNumber(static_cast<double>(fields.size() - 1));
    return fields;
}

void MergeContinuousData(Global& g, platform::Platform& p, int slot, const std::string& fileName,
                         const std::string& header) {
    const std::string csv = csvFileOf(p, fileName);
    if (csv.empty()) {
        p.dialogs.messageBox(
            "No continous data file found for:\r" + textfile::FileNameOnly(fileName) +
                "\rIf you are not merging continuos data files,\runcleck that function in the "
                "Talvor options box.",
            "File Not Found", platform::Buttons::OK, platform::Icon::None);
        return;
    }
    const std::vector<MergedEvent> events = readSamples(g, p, csv);
    {
        SlotWriter writer(g, slot);
        const int end = writer.times()[0];
        const std::string endCode = writer.codes()[static_cast<std::size_t>(end)];
        const std::int32_t endTime = writer.times()[static_cast<std::size_t>(end)];
        writer.time(0) = end - 1;
        // Samples after the session's end lie outside what was observed: inserted, the sort
        // would carry the end record before them, leaving a slot whose last record is no end
        // record (every analysis then stops on it) and a kept copy that reads back without them.
        for (const MergedEvent& event : events) {
            if (event.time <= endTime) {
                appendImportedEvent(writer, event.code, event.time);
            }
        }
        appendImportedEvent(writer, endCode, endTime);
        sortSlotByTime(writer);
    }
    if (g.gSaveContMerged != 0) {
        WriteScratchEventFile(g, slot, fileName + ".evm", header);
    }
}

} // namespace ws
