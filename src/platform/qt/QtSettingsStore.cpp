#include "platform/qt/QtSettingsStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QVariant>

namespace platform::qt {
namespace {

QString keyOf(const std::string& section, const std::string& name) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
}

// Plain text keeps the file readable and editable by hand; only texts that are not
// UTF-8 are stored as bytes, so they too come back unchanged.
QVariant storedForm(const std::string& value) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(value.data(), static_cast<qsizetype>(value.size())));
    if (decoder.hasError()) {
        return QByteArray::fromStdString(value);
    }
    return text;
}

} // namespace

QtSettingsStore::QtSettingsStore(QString rootFolder) : rootFolder_(std::move(rootFolder)) {
    if (rootFolder_.isEmpty()) {
        rootFolder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    }
}

QtSettingsStore::~QtSettingsStore() {
    for (const auto& [app, values] : pending_) {
        if (!values.empty()) {
            QSettings store(fileFor(app), QSettings::IniFormat);
            for (const auto& [key, value] : values) {
                store.setValue(key, storedForm(value));
            }
        }
    }
}

QString QtSettingsStore::fileFor(const std::string& app) const {
    return rootFolder_ + QStringLiteral("/") + QString::fromStdString(app) + QStringLiteral(".ini");
}

std::string QtSettingsStore::location(const std::string& app) const {
    return fileFor(app).toStdString();
}

std::string QtSettingsStore::get(const std::string& app, const std::string& section, const std::string& name,
                                 const std::string& defaultText) {
    const QString key = keyOf(section, name);
    if (const auto values = pending_.find(app); values != pending_.end()) {
        if (const auto value = values->second.find(key); value != values->second.end()) {
            return value->second;
        }
    }
    QSettings store(fileFor(app), QSettings::IniFormat);
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
    pending_[app][keyOf(section, name)] = value;
}

// QSettings writes the whole file through a temporary file that is flushed and renamed over
// the old one, and it refuses (AccessError) rather than writing in place.
bool QtSettingsStore::save(const std::string& app) {
    std::map<QString, std::string>& values = pending_[app];
    QSettings store(fileFor(app), QSettings::IniFormat);
    store.setAtomicSyncRequired(true);
    for (const auto& [key, value] : values) {
        store.setValue(key, storedForm(value));
    }
    store.sync();
    if (store.status() != QSettings::NoError) {
        return false;
    }
    values.clear();
    return true;
}

} // namespace platform::qt
