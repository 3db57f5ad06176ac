#pragma once
// The video coder's options dialog, put together once per program and shown modally from the
// main window's "&Options...". Each showing is a fresh load.

#include "platform/Platform.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/MainFrm.h"
#include "videocoder/core/OptionsForm.h"

#include <memory>

namespace vc {

class frmOptions;

class OptionsWindow {
public:
    OptionsWindow(Globals& g, CoderLinks& links, platform::Platform& p);
    ~OptionsWindow();

    void wireInto(MainFrmLinks& links);
    void show();
    OptionsForm& form() { return form_; }
    frmOptions& window();

private:
    platform::Platform& p_;
    OptionsForm form_;
    std::unique_ptr<frmOptions> window_;
};

} // namespace vc
