#include "platform/qt/QtSound.h"

#include "platform/qt/TextBridge.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace platform::qt {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::setFileName(const std::string& path) {
    fileName_ = toPath(path);
}

void QtSound::open() {
    effect_.reset();
    if (!QFileInfo::exists(fileName_)) {
        return;
    }
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(fileName_));
}

void QtSound::play() {
    if (effect_) {
        effect_->play();
    }
}

void QtSound::close() {
    if (effect_) {
        effect_->stop();
        effect_.reset();
    }
}

} // namespace platform::qt
