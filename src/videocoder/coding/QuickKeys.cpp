#include "videocoder/coding/QuickKeys.h"

#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "textfile/Utf8Text.h"
#include "videocoder/coding/CommandCodes.h"
#include "videocoder/core/FileDialogs.h"

#include <exception>

namespace vc {

using textfile::RunError;
using textfile::Value;

namespace {

constexpr int kAnyGroup = -1;
constexpr int kDescriptionsInCell = 3;

int rowCount(const Globals& g) {
    return textfile::toInt32(g.data.gRowCount.asNumber());
}

} // namespace

char32_t firstShownCharacter(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80 || !textfile::isUtf8(text)) {
        return lead;
    }
    const std::string_view bytes = textfile::firstCharacters(text, 1);
    char32_t code = lead & (bytes.size() == 2 ? 0x1F : bytes.size() == 3 ? 0x0F : 0x07);
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        code = (code << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    }
    return code;
}

void QuickKeys::GridKeyPress(int& keyAscii, bool onset) {
    if (g_.coding.gKeyDownCoded) {
        keyAscii = 0;
        return;
    }
    try {
        codeKey(keyAscii, onset);
    } catch (const RunError& error) {
        dialogs_.messageBox(kQuickKeyErrorPrefix + error.description(), kErrorTitle, platform::Buttons::OK,
                            platform::Icon::Exclamation);
    } catch (const std::exception& error) {
        dialogs_.messageBox(kQuickKeyErrorPrefix + error.what(), kErrorTitle, platform::Buttons::OK,
                            platform::Icon::Exclamation);
    }
}

void QuickKeys::codeKey(int& keyAscii, bool onset) {
    const VideoSettings& s = g_.settings;
    const bool insert = s.gQKInsert && s.gQKMode && g_.open.gVideoOpen && grid_.Row() < rowCount(g_);
    if (!insert && (!s.gQKMode || !g_.open.gVideoOpen)) {
        return;
    }
    const int key = keyAscii; // every code is matched against the key pressed
    const ValueTable& codes = g_.codeSet.gCodes;
    for (int i = 1; i <= g_.codeSet.gCodeCount; ++i) {
        const std::string code = codes.at(1, i).asText();
        if (code.empty() || static_cast<int>(firstShownCharacter(code)) != key) {
            continue;
        }
        const int group = textfile::toInt32(codes.at(3, i).asNumber());
        if (s.gQKGroup != kAnyGroup && group != s.gQKGroup) {
            continue;
        }
        const int column = (s.gQKGroup == kAnyGroup ? group : s.gQKGroup) + 2;
        if (insert) {
            insertRow(column, entryOf(i, onset));
        } else {
            appendRow(column, entryOf(i, onset));
        }
        keyAscii = 0;
    }
    if (s.gQKPause) {
        commands_.ControlSub(kCmdPause);
    }
    keyAscii = 0;
}

std::string QuickKeys::entryOf(int code, bool onset) const {
    if (g_.settings.gEditInCell == kDescriptionsInCell) {
        const std::string description = g_.codeSet.gCodes.at(2, code).asText();
        return onset ? description : description + " off";
    }
    const std::string text = g_.codeSet.gCodes.at(1, code).asText();
    return onset ? text : text + "f";
}

void QuickKeys::appendRow(int column, const std::string& entry) {
    const int row = rowCount(g_) + 1;
    g_.data.gRowCount = Value::ofNumber(row);
    g_.data.gData.resizeRows(row);
    g_.data.gData.at(column, row) = Value::ofText(entry);
    g_.data.gData.at(1, row) = Value::ofText(timeText());
    grid_.refresh();
    grid_.Select(grid_.Rows() - 1, 1);
}

void QuickKeys::insertRow(int column, const std::string& entry) {
    const int r = grid_.Row();
    if (r <= rowCount(g_) - 1) {
        grid_.setRow(r + 1);
    }
    commands_.ControlSub(kCmdInsertRow);
    const int row = grid_.Row();
    g_.data.gData.at(column, row) = Value::ofText(entry);
    g_.data.gData.at(1, row) = Value::ofText(timeText());
    grid_.refresh();
    if (g_.settings.gQKGroup == kAnyGroup) {
        grid_.Select(grid_.Rows() - 1, 1);
    }
}

void QuickKeys::keepTime(bool keep) {
    keptTime_ = keep ? commands_.markText() : std::nullopt;
}

std::string QuickKeys::timeText() {
    if (keptTime_) {
        return *keptTime_;
    }
    std::optional<std::string> text = commands_.markText();
    if (!text) {
        throw RunError(textfile::kInvalidArgument, "No video file is open");
    }
    return *std::move(text);
}

} // namespace vc
