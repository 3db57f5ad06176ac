#pragma once

#include "platform/Dialogs.h"
#include "platform/FileDialogFolders.h"
#include "platform/Printer.h"

#include <QString>

class QWidget;

namespace platform::qt {

class QtDialogs : public Dialogs {
public:
    // The printer set-up goes through the program's printer, so that its choice holds.
    explicit QtDialogs(Printer* printer = nullptr) : printer_(printer) {}
    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    std::string openFile(const FileDialogRequest& request) override;
    std::string saveFile(const FileDialogRequest& request) override;
    bool printerSetup() override;
    int showModal(QDialog& dialog) override;
    void yieldToUi() override;
    void waitForEvents(int maxMilliseconds) override;
    void beep() override;

private:
    Printer* printer_;
    FileDialogFolders folders_;
    std::string runFileDialog(const FileDialogRequest& request, bool save);
};

// "Kind (*.x)|*.x|All Files (*.*)|*.*" as a Qt name filter list.
QString qtFilter(const std::string& filter);

} // namespace platform::qt
