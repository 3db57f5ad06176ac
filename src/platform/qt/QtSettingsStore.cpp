#include "platform/qt/QtSettingsStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QVariant>

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
    const QVariant value = store.value(key);
    if (value.typeId() == QMetaType::QByteArray) {
        return value.toByteArray().toStdString();
    }
    return value.toString().toUtf8().toStdString();
}

void QtSettingsStore::set(const std::string& app, const std::string& section, const std::string& name,
                          const std::string& value) {
    QSettings store(fileFor(app), QSettings::IniFormat);
    const QString key = QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
    // Plain text keeps the file readable and editable by hand; only texts that are not
    // UTF-8 are stored as bytes, so they too come back unchanged.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(value.data(), static_cast<qsizetype>(value.size())));
    if (decoder.hasError()) {
        store.setValue(key, QByteArray::fromStdString(value));
    } else {
        store.setValue(key, text);
    }
}

} // namespace platform::qt
