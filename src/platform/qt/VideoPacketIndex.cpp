#include "platform/qt/VideoPacketIndex.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cmath>
#include <memory>

namespace platform::qt {

namespace {

struct InputCloser {
    void operator()(AVFormatContext* input) const { avformat_close_input(&input); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

// A stream whose packets do not all carry a time (MPEG-2 program streams leave some
// out) is indexed on its nominal rate when every time it does carry lies on that grid.
std::optional<std::vector<double>> constantRateGrid(const std::vector<double>& times, std::size_t packets,
                                                    AVRational rate) {
    if (times.empty() || rate.num <= 0 || rate.den <= 0) {
        return std::nullopt;
    }
    const double fps = av_q2d(rate);
    const double first = times.front();
    for (double time : times) {
        const double slot = (time - first) * fps;
        if (std::abs(slot - std::round(slot)) * 1000 > fps) { // more than 1 ms off the grid
            return std::nullopt;
        }
    }
    std::vector<double> grid(packets);
    for (std::size_t frame = 0; frame < packets; ++frame) {
        grid[frame] = first + double(frame) / fps;
    }
    return grid;
}

} // namespace

std::optional<VideoPacketTimes> readVideoPacketTimes(const std::string& url,
                                                     const std::atomic<bool>& cancelled) {
    AVFormatContext* opened = nullptr;
    if (avformat_open_input(&opened, url.c_str(), nullptr, nullptr) < 0) {
        return std::nullopt;
    }
    std::unique_ptr<AVFormatContext, InputCloser> input(opened);
    if (avformat_find_stream_info(input.get(), nullptr) < 0) {
        return std::nullopt;
    }
    const int video = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (video < 0) {
        return std::nullopt;
    }
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        input->streams[i]->discard = int(i) == video ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    const AVStream* stream = input->streams[video];
    const double timeBase = av_q2d(stream->time_base);
    std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    VideoPacketTimes found;
    std::size_t packets = 0;
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        if (cancelled) {
            return std::nullopt;
        }
        if (packet->stream_index == video) {
            ++packets;
            if (packet->pts != AV_NOPTS_VALUE) {
                const double time = double(packet->pts) * timeBase;
                found.times.push_back(time);
                if (packet->flags & AV_PKT_FLAG_KEY) {
                    const double decodeTime =
                        packet->dts == AV_NOPTS_VALUE ? time : double(packet->dts) * timeBase;
                    found.keyframes.push_back({time, decodeTime});
                }
            }
        }
        av_packet_unref(packet.get());
    }
    std::sort(found.times.begin(), found.times.end());
    found.times.erase(std::unique(found.times.begin(), found.times.end()), found.times.end());
    std::sort(found.keyframes.begin(), found.keyframes.end(),
              [](const auto& a, const auto& b) { return a.time < b.time; });
    if (found.times.size() < packets) {
        auto grid = constantRateGrid(found.times, packets, stream->r_frame_rate);
        if (!grid) {
            return std::nullopt;
        }
        found.times = std::move(*grid);
    }
    if (found.times.empty()) {
        return std::nullopt;
    }
    return found;
}

} // namespace platform::qt
