#pragma once
// Scripted doubles of the platform: dialogs answer from queues and record what
// they showed, settings live in memory, helper programs and sounds are recorded.

#include "platform/Platform.h"
#include "support/RecordingCanvas.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace testsupport {

struct ShownBox {
    std::string text;
    std::string title;
    platform::Buttons buttons;
    platform::Icon icon;
};

class ScriptedDialogs : public platform::Dialogs {
public:
    // Answers for message boxes, in order. When none is left a box gets its first button
    // (OK, Yes), except Retry/Cancel which gets Cancel so that a loop cannot run forever.
    std::deque<platform::Answer> answers;
    // Names for the open and save dialogs, in order of asking; none left means cancelled.
    std::deque<std::string> files;
    std::deque<std::optional<std::string>> inputs;
    // Operates a window shown modally, then returns (the window counts as closed).
    // Taken in order; none left means the window closes untouched.
    std::deque<std::function<void(QDialog&)>> modalHandlers;
    bool printerAnswer = true;
    int printerSetups = 0;

    std::vector<ShownBox> boxes;
    std::vector<platform::FileDialogRequest> openRequests;
    std::vector<platform::FileDialogRequest> saveRequests;
    std::vector<std::string> modalShown; // object names of windows shown modally
    int yields = 0;
    int waits = 0; // bounded waits for events; each also runs onYield
    int beeps = 0;
    std::function<void()> onYield;

    platform::Answer messageBox(const std::string& text, const std::string& title, platform::Buttons buttons,
                                platform::Icon icon) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string openFile(const platform::FileDialogRequest& request) override;
    std::string saveFile(const platform::FileDialogRequest& request) override;
    bool printerSetup() override {
        ++printerSetups;
        return printerAnswer;
    }
    int showModal(QDialog& dialog) override;
    void yieldToUi() override;
    void waitForEvents(int /*maxMilliseconds*/) override {
        ++waits;
        if (onYield) {
            onYield();
        }
    }
    void beep() override { ++beeps; }
};

class MemorySettings : public platform::SettingsStore {
public:
    using Key = std::tuple<std::string, std::string, std::string>;
    std::map<Key, std::string> values;
    std::vector<Key> writeOrder;
    // Each save records how many values had been written by then.
    std::vector<std::size_t> savedAfterWrites;
    bool saveFails = false;

    std::string get(const std::string& app, const std::string& section, const std::string& name,
                    const std::string& defaultText) override;
    void set(const std::string& app, const std::string& section, const std::string& name,
             const std::string& value) override;
    bool save(const std::string& app) override;
    std::string location(const std::string& app) const override {
        return "/home/kid/.config/" + app + ".ini";
    }
    bool has(const std::string& app, const std::string& section, const std::string& name) const;
};

class RecordingLauncher : public platform::Launcher {
public:
    std::vector<std::vector<std::string>> started;
    bool succeed = true;
    // Set: the program started ends at once with this exit code.
    std::optional<int> quickExitCode;
    bool start(const std::vector<std::string>& argv, const platform::QuickFailure& onQuickFailure) override {
        started.push_back(argv);
        if (succeed && quickExitCode && onQuickFailure) {
            onQuickFailure(*quickExitCode);
        }
        return succeed;
    }
};

class RecordingSound : public platform::Sound {
public:
    std::vector<std::string> commands; // "File <path>", "Open", "Play", "Close"
    void setFileName(const std::string& path) override { commands.push_back("File " + path); }
    void open() override { commands.push_back("Open"); }
    void play() override { commands.push_back("Play"); }
    void close() override { commands.push_back("Close"); }
};

class ManualClock : public platform::Clock {
public:
    double seconds = 0;
    double monotonic = 0; // set by tests that drive elapsed time
    platform::DateTime date{2026, 12, 10, 9, 30, 0};
    double secondsSinceMidnight() override { return seconds; }
    double monotonicSeconds() override { return monotonic; }
    platform::DateTime now() override { return date; }
};

// A printed document's name and page orientation, as the print queue gets them.
struct DocumentName {
    std::string name;
    platform::PageOrientation orientation = platform::PageOrientation::PrinterDefault;
    bool operator==(const DocumentName&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const DocumentName& d) {
        return out << '"' << d.name << "\" orientation " << static_cast<int>(d.orientation);
    }
};

// Records each document as its printed lines, a new page as "\f" and a drawn page as "\v";
// what was drawn is kept in `pages`, one canvas per drawn page in the order asked for, and each
// kept document's name in `names` beside it (unnamed: an empty name).
class RecordingPrinter : public platform::Printer {
public:
    static constexpr const char* kNewPage = "\f";
    static constexpr const char* kDrawnPage = "\v";
    std::vector<std::vector<std::string>> documents;
    std::vector<DocumentName> names;
    std::deque<RecordingCanvas> pages;
    int setups = 0;
    int runs = 0;
    bool setupAnswer = true;
    // The outcome every document ends with (a cancelled or failed one is not kept).
    platform::PrintOutcome outcome;

    bool setup() override {
        ++setups;
        return setupAnswer;
    }
    void beginRun() override { ++runs; }
    void nameDocument(const std::string& name, platform::PageOrientation orientation) override {
        name_ = {name, orientation};
    }
    void printLine(const std::string& text) override { current_.push_back(text); }
    void newPage() override { current_.push_back(kNewPage); }
    // A document that is to be cancelled or to fail gets no page, as one never started.
    platform::Canvas* drawingPage() override {
        if (outcome.kind != platform::PrintOutcome::Kind::Printed) {
            return nullptr;
        }
        current_.push_back(kDrawnPage);
        return &pages.emplace_back();
    }
    platform::PrintOutcome endDoc() override {
        if (outcome.kind == platform::PrintOutcome::Kind::Printed) {
            documents.push_back(current_);
            names.push_back(name_);
        }
        current_.clear();
        name_ = {};
        return outcome;
    }

private:
    std::vector<std::string> current_;
    DocumentName name_;
};

// Holds text in memory and records every call: "Clear", "Set <text>", "Get".
class RecordingClipboard : public platform::Clipboard {
public:
    std::string held;
    std::vector<std::string> calls;
    void clear() override {
        calls.push_back("Clear");
        held.clear();
    }
    void setText(const std::string& text) override {
        calls.push_back("Set " + text);
        held = text;
    }
    std::string text() override {
        calls.push_back("Get");
        return held;
    }
};

// All doubles together, with a Platform that refers to them.
struct ScriptedPlatform {
    ScriptedDialogs dialogs;
    MemorySettings settings;
    RecordingLauncher launcher;
    RecordingSound sound;
    ManualClock clock;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    platform::Platform platform{dialogs, settings, launcher, sound, clock, "/opt/suite", printer, clipboard};
};

} // namespace testsupport
