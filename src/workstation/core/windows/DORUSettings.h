#pragma once
// The DORU import's settings, with its translation file. Its OK only hides it; the options
// dialog reads it back.

#include "platform/Platform.h"
#include "workstation/core/OptionsControls.h"
#include "workstation/core/windows/ImportSettingsWindow.h"

namespace ws {

class DORUSettings : public ImportSettingsWindow {
    Q_OBJECT

public:
    explicit DORUSettings(platform::Platform& p, QWidget* parent = nullptr);

    void fill(const DORUControls& c);
    DORUControls read() const;

    void Check2_Click();
    void Command1_Click();

    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;

private:
    platform::Platform& p_;
};

} // namespace ws
