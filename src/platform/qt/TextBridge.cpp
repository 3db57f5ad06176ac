#include "platform/qt/TextBridge.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace platform {
namespace {

// Bytes that are not UTF-8 show as Latin-1, each byte from 128 up as its Latin-1 letter
// followed by this invisible mark. The mark is what tells such a letter from the same letter
// decoded from UTF-8 ("caf\xe9" and "caf\xc3\xa9" both look like "café"), so that the text
// taken back from a widget gives the bytes it was given. A letter typed into the widget
// carries no mark and goes back as UTF-8.
constexpr char16_t kLatin1Mark = u'\u2060'; // WORD JOINER: no width, no glyph

bool isLatin1Letter(QChar c) {
    return c.unicode() >= 0x80 && c.unicode() <= 0xFF;
}

} // namespace

QString toDisplay(std::string_view bytes) {
    // Plain ASCII shows the same read either way, and needs no decoder; no bytes give the
    // empty (not null) text the decoder gives.
    if (bytes.empty()) {
        return QString::fromLatin1("", 0);
    }
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char byte) { return static_cast<unsigned char>(byte) < 0x80; })) {
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!decoder.hasError()) {
        return text;
    }
    QString latin1;
    latin1.reserve(static_cast<qsizetype>(bytes.size()) * 2);
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        latin1 += QChar(static_cast<char16_t>(code));
        if (code >= 0x80) {
            latin1 += QChar(kLatin1Mark);
        }
    }
    return latin1;
}

QString toDisplayLines(const std::string& bytes) {
    QString text = toDisplay(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string fromDisplay(const QString& text) {
    if (!text.contains(QChar(kLatin1Mark))) {
        return text.toUtf8().toStdString();
    }
    std::string bytes;
    qsizetype runStart = 0; // the text since the last marked letter, taken as UTF-8
    const auto flushRun = [&](qsizetype end) {
        bytes += QStringView(text).mid(runStart, end - runStart).toUtf8().toStdString();
    };
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] != QChar(kLatin1Mark)) {
            continue;
        }
        const bool marksALetter = at > runStart && isLatin1Letter(text[at - 1]);
        flushRun(marksALetter ? at - 1 : at);
        if (marksALetter) {
            bytes += static_cast<char>(text[at - 1].unicode());
        }
        runStart = at + 1;
    }
    flushRun(text.size());
    return bytes;
}

std::string fromPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString toPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace platform
