#pragma once
// The ODF import's settings. Its OK only hides it; the options dialog reads it back.

#include "workstation/core/OptionsControls.h"
#include "workstation/core/windows/ImportSettingsWindow.h"

namespace ws {

class ODFSettings : public ImportSettingsWindow {
    Q_OBJECT

public:
    explicit ODFSettings(QWidget* parent = nullptr);

    void fill(const ODFControls& c);
    ODFControls read() const;
};

} // namespace ws
