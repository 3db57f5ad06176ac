#pragma once
// A coding-window view that does nothing, for benchmarks that run the core's procedures or
// the command set without a window.

#include "videocoder/core/CodingWindow.h"

namespace testsupport {

class SilentCodingWindow : public vc::CodingWindowPort {
public:
    void load() override {}
    void refresh() override {}
    void autoSize(int, int) override {}
    void setCodeList(const std::vector<std::string>&) override {}
    void setAutoSave(bool, int) override {}
    void ControlSub(int) override {}
    void setCaption(const std::string&) override {}
    void show() override {}
    void unload() override {}
};

} // namespace testsupport
