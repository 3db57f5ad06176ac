#include "platform/qt/QtSettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

namespace platform::qt {

QtSettingsStore::QtSettingsStore(QString rootFolder) : rootFolder_(std::move(rootFolder)) {
    if (rootFolder_.isEmpty()) {
        rootFolder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
}

QString QtSettingsStore::fileFor(const std::string& app) const {
    return rootFolder_ + QStringLiteral("/") + QString::fromStdString(app) + QStringLiteral(".ini");
}

std::string QtSettingsStore::get(const std::string& app, const std::string& section, const std::string& name,
                                 const std::string& defaultText) {
    QSettings store(fileFor(app), QSettings::IniFormat);
    const QString key = QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
    if (!store.contains(key)) {
        return defaultText;
    }
    return store.value(key).toByteArray().toStdString();
}

void QtSettingsStore::set(const std::string& app, const std::string& section, const std::string& name,
                          const std::string& value) {
    QSettings store(fileFor(app), QSettings::IniFormat);
    const QString key = QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
    // Stored as bytes so texts outside UTF-8 come back unchanged.
    store.setValue(key, QByteArray::fromStdString(value));
}

} // namespace platform::qt
