#include "workstation/analyses/GraphDrawing.h"

#include <cmath>

namespace ws {
namespace {

void drawFrame(platform::Canvas& canvas, const GraphInput& input, double bandHeight) {
    canvas.setLineWidth(1);
    canvas.setFontSize(12);
    canvas.line(0, 1000, 0, 0);
    canvas.line(1000, 0, 0, 0);
    canvas.text(canvas.scaleWidth() / 2 - canvas.textWidth(input.title) / 2 - 150, 1080, input.title);

    canvas.setFontSize(9);
    for (std::size_t k = 1; k <= input.codes.size(); ++k) {
        const double y = static_cast<double>(k) * bandHeight;
        const std::string& code = input.codes[k - 1];
        canvas.line(0, y, -10, y);
        canvas.text(-15 - canvas.textWidth(code), y - canvas.textHeight(code) / 2, code);
    }
    const long step = std::lrint(static_cast<double>(input.unitCount) / 10.0);
    for (long j = 1; j <= 10; ++j) {
        const std::string label = std::to_string(step * j);
        canvas.text(100.0 * static_cast<double>(j) - canvas.textWidth(label) - 40, -10, label);
    }
}

} // namespace

std::vector<std::string> tickedGraphCodes(const MultilevModel& tree) {
    std::vector<std::string> codes;
    for (const MultilevNode& node : tree.nodes) {
        // Code nodes are told by their parent, not their text: a code may well be called "GROUP".
        if (node.checked && node.parent >= 0 && codes.size() < kMaxGraphCodes) {
            codes.push_back(codeOfText(node.text));
        }
    }
    return codes;
}

void setPictureScale(platform::Canvas& canvas) {
    canvas.setScale(-150, 1100, 1100, -200);
}
void setPageScale(platform::Canvas& canvas) {
    canvas.setScale(-150, 1100, 1100, -1200);
}

void DrawGraph(platform::Canvas& canvas, const GraphInput& input) {
    const double bandHeight = 1000.0 / (static_cast<double>(input.codes.size()) + 1);
    drawFrame(canvas, input, bandHeight);
    if (input.unitCount == 0) {
        return; // no records: nothing to place on the time axis
    }
    const double inset = std::nearbyint(0.1 * bandHeight);
    for (const SecBySecRecord& record : input.records) {
        const double x = 1000.0 * record.time / input.unitCount;
        for (const std::string& code : record.codes) {
            for (std::size_t k = 1; k <= input.codes.size(); ++k) {
                if (input.codes[k - 1] == code) {
                    const double y = static_cast<double>(k) * bandHeight;
                    canvas.line(x, y - bandHeight / 2 + inset, x, y + bandHeight / 2 - inset);
                    break;
                }
            }
        }
    }
}

} // namespace ws
