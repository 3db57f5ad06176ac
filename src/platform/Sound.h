#pragma once
// The start and farewell sounds, driven like a multimedia control:
// name the file, open, play, close. A missing file or device is silent.

#include <string>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    virtual void setFileName(const std::string& path) = 0;
    virtual void open() = 0;
    virtual void play() = 0;
    virtual void close() = 0;
};

} // namespace platform
