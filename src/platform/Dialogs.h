#pragma once
// Message boxes, input boxes, the common file dialogs and modal showing.
// Every handler reaches the person only through this, so tests can answer.

#include <optional>
#include <string>

class QDialog;

namespace platform {

enum class Buttons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Answer { OK, Cancel, Yes, No, Retry, Abort, Ignore };

// Flags of the common file dialogs, with their classic values.
enum FileDialogFlag : int {
    kReadOnlyBox = 0x1,
    kOverwritePrompt = 0x2,
    kHideReadOnly = 0x4,
    kFileMustExist = 0x1000,
};

struct FileDialogRequest {
    std::string title;
    std::string filter;     // "Kind (*.x)|*.x|All Files (*.*)|*.*"
    std::string fileName;   // initial name
    std::string defaultExt; // ".cod" or empty
    int flags = 0;
    // The first filter lists the programs (executable files) whatever its patterns say.
    bool programs = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Texts are bytes; lines inside them end with "\r" or "\r\n" as the callers build them.
    virtual Answer messageBox(const std::string& text, const std::string& title, Buttons buttons,
                              Icon icon) = 0;
    // The text typed, or nothing when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    // The chosen path, or "" when cancelled.
    virtual std::string openFile(const FileDialogRequest& request) = 0;
    virtual std::string saveFile(const FileDialogRequest& request) = 0;
    // True when the person confirmed a printer.
    virtual bool printerSetup() = 0;
    // Shows a window modally and returns when it has closed.
    virtual int showModal(QDialog& dialog) = 0;
    // Lets pending window events run.
    virtual void yieldToUi() = 0;
    // Sleeps until the next window event arrives, or at most this long, and lets it run: a
    // wait that polls without spinning.
    virtual void waitForEvents(int maxMilliseconds) = 0;
    virtual void beep() = 0;
};

} // namespace platform
