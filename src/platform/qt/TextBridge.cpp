#include "platform/qt/TextBridge.h"

#include <QFile>
#include <QStringDecoder>

namespace platform {

QString toDisplay(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder.hasError()) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    return text;
}

QString toDisplayLines(const std::string& bytes) {
    QString text = toDisplay(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string fromDisplay(const QString& text) {
    return text.toUtf8().toStdString();
}

std::string fromPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString toPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace platform
