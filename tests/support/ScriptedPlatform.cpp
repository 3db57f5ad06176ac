#include "support/ScriptedPlatform.h"

#include <QDialog>

namespace testsupport {

using platform::Answer;
using platform::Buttons;

platform::Answer ScriptedDialogs::messageBox(const std::string& text, const std::string& title,
                                             Buttons buttons, platform::Icon icon) {
    boxes.push_back({text, title, buttons, icon});
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    case Buttons::RetryCancel:
        return Answer::Cancel;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    default:
        return Answer::OK;
    }
}

std::optional<std::string> ScriptedDialogs::inputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText) {
    boxes.push_back({prompt, title, Buttons::OKCancel, platform::Icon::None});
    if (inputs.empty()) {
        return defaultText;
    }
    auto v = inputs.front();
    inputs.pop_front();
    return v;
}

std::string ScriptedDialogs::openFile(const platform::FileDialogRequest& request) {
    openRequests.push_back(request);
    if (files.empty()) {
        return "";
    }
    std::string f = files.front();
    files.pop_front();
    return f;
}

std::string ScriptedDialogs::saveFile(const platform::FileDialogRequest& request) {
    saveRequests.push_back(request);
    if (files.empty()) {
        return "";
    }
    std::string f = files.front();
    files.pop_front();
    return f;
}

int ScriptedDialogs::showModal(QDialog& dialog) {
    modalShown.push_back(dialog.objectName().toStdString());
    if (!modalHandlers.empty()) {
        auto handler = std::move(modalHandlers.front());
        modalHandlers.pop_front();
        handler(dialog);
    }
    return dialog.result();
}

void ScriptedDialogs::yieldToUi() {
    ++yields;
    if (onYield) {
        onYield();
    }
}

std::string MemorySettings::get(const std::string& app, const std::string& section, const std::string& name,
                                const std::string& defaultText) {
    auto it = values.find({app, section, name});
    return it == values.end() ? defaultText : it->second;
}

void MemorySettings::set(const std::string& app, const std::string& section, const std::string& name,
                         const std::string& value) {
    values[{app, section, name}] = value;
    writeOrder.push_back({app, section, name});
}

bool MemorySettings::save(const std::string&) {
    savedAfterWrites.push_back(writeOrder.size());
    return !saveFails;
}

bool MemorySettings::has(const std::string& app, const std::string& section, const std::string& name) const {
    return values.count({app, section, name}) != 0;
}

} // namespace testsupport
