#include "collector/windows/CollectorPrograms.h"

#include "collector/StandaloneReaders.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/Settings.h"

#include <utility>

namespace collector {

WorkstationCollector::WorkstationCollector(ws::Global& g, platform::Platform& p,
                                           std::function<void()> endProgram)
    : g_(g), p_(p), endProgram_(std::move(endProgram)) {}

WorkstationCollector::~WorkstationCollector() = default;

MiniBrondel& WorkstationCollector::window() {
    if (!window_) {
        CollectorLinks links;
        links.readSettingsAndCodeSet = [this] {
            ws::LoadSettings(g_, p_, mainWindow_, settingsCalls_ ? *settingsCalls_ : ws::SettingsCalls{});
            ws::OpenCodeFile(g_, p_);
        };
        links.endProgram = [this] {
            if (endProgram_) {
                endProgram_();
            }
        };
        window_ = std::make_unique<MiniBrondel>(g_, p_, std::move(links), ws::kProgramTitle, parent_);
    }
    return *window_;
}

void WorkstationCollector::wireInto(ws::MainWindowLinks& links, QWidget* parent,
                                    ws::MainWindowPlacement* mainWindow) {
    parent_ = parent;
    mainWindow_ = mainWindow;
    settingsCalls_ = &links.settingsCalls;
    links.showCollector = [this] {
        MiniBrondel& collector = window();
        collector.Form_Load();
        p_.dialogs.showModal(collector);
    };
}

std::unique_ptr<MiniBrondel> loadStandaloneCollector(ws::Global& g, platform::Platform& p,
                                                     std::function<void()> endProgram) {
    CollectorLinks links;
    links.readSettingsAndCodeSet = [&g, &p] { readStandaloneSettings(g, p, kStandaloneTitle); };
    links.endProgram = std::move(endProgram);
    auto window = std::make_unique<MiniBrondel>(g, p, std::move(links), kStandaloneTitle);
    window->Form_Load();
    return window;
}

} // namespace collector
