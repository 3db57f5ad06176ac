#pragma once

#include "platform/Sound.h"

#include <QString>
#include <memory>

class QSoundEffect;

namespace platform::qt {

// Plays a WAV file; silent when the file or the audio device is missing.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void setFileName(const std::string& path) override;
    void open() override;
    void play() override;
    void close() override;

private:
    QString fileName_;
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace platform::qt
