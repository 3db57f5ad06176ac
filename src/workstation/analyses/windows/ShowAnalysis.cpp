#include "workstation/analyses/windows/ShowAnalysis.h"

namespace ws {

std::function<void(const std::string& title)> makeShowAnalysis(Anal& anal, platform::Platform& p) {
    return [&anal, &p](const std::string& title) {
        anal.setTitle(title);
        anal.Form_Load();
        p.dialogs.showModal(anal);
    };
}

} // namespace ws
