#include "workstation/core/PrintFiles.h"

#include "textfile/FieldReader.h"
#include "textfile/NumberText.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/core/ListFile.h"

#include <optional>

namespace ws {

namespace {

bool endFile(const WorkstationSettings& s, platform::Platform& p, const std::string& path) {
    if (s.gUseFormFeeds != 0) {
        p.printer.newPage();
    } else {
        p.printer.printLine("");
    }
    const platform::PrintOutcome outcome = p.printer.endDoc();
    if (outcome.kind == platform::PrintOutcome::Kind::Failed) {
        p.dialogs.messageBox("Could not print " + path + "\r" + outcome.error, "ERROR!",
                             platform::Buttons::OK, platform::Icon::Critical);
    }
    return outcome.kind == platform::PrintOutcome::Kind::Printed;
}

// A file that cannot be opened ends its own print; a series goes on with the next file.
bool unreadable(platform::Platform& p, const std::string& path, const textfile::RunError& error,
                WhenUnreadable whenUnreadable) {
    if (whenUnreadable == WhenUnreadable::Tell) {
        tellUnreadable(p.dialogs, path, error);
    }
    return true;
}

} // namespace

void tellUnreadable(platform::Dialogs& dialogs, const std::string& path, const textfile::RunError& error) {
    dialogs.messageBox("Could not print " + path + "\r" + error.description(), "ERROR!",
                       platform::Buttons::OK, platform::Icon::Critical);
}

bool PrintEventFile(const WorkstationSettings& s, platform::Platform& p, const std::string& path,
                    WhenUnreadable whenUnreadable) {
    std::optional<textfile::FieldReader> reader;
    try {
        reader.emplace(textfile::FieldReader::fromFile(path));
    } catch (const textfile::RunError& error) {
        return unreadable(p, path, error, whenUnreadable);
    }
    p.printer.nameDocument(textfile::FileNameOnly(path), platform::PageOrientation::PrinterDefault);
    p.printer.printLine("File name: " + path);
    p.printer.printLine("");
    while (!reader->atEnd()) {
        p.printer.printLine(reader->readLine());
    }
    return endFile(s, p, path);
}

bool PrintListFile(const WorkstationSettings& s, platform::Platform& p, const std::string& path,
                   WhenUnreadable whenUnreadable) {
    std::optional<ListFileReader> list;
    std::int16_t count = 0;
    try {
        list.emplace(path);
        count = list->readCount();
    } catch (const textfile::RunError& error) {
        return unreadable(p, path, error, whenUnreadable);
    }
    p.printer.nameDocument(textfile::FileNameOnly(path), platform::PageOrientation::PrinterDefault);
    p.printer.printLine(" List File Name: " + path);
    p.printer.printLine("Number of Lines:" + textfile::printNumber(count));
    p.printer.printLine("      List Type: " + list->type());
    // A list shorter than its count ends with its last line.
    try {
        for (int entry = 0; entry < count; ++entry) {
            p.printer.printLine(list->readEntry());
        }
    } catch (const textfile::RunError&) {
    }
    return endFile(s, p, path);
}

} // namespace ws
