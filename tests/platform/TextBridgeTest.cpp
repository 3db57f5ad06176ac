#include "platform/qt/TextBridge.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using namespace platform;

// What a widget shows, without the marks that no font draws.
QString seen(QString shown) {
    return shown.remove(QChar(u'\u2060'));
}

TEST(TextBridge, ShowsUtf8AndFallsBackToLatin1AndGivesTheBytesBack) {
    struct Case {
        std::string bytes;
        QString seen;
    };
    const std::vector<Case> cases = {
        {"plain text", QStringLiteral("plain text")},
        {"caf\xc3\xa9", QStringLiteral("caf\u00e9")},
        {"caf\xe9", QStringLiteral("caf\u00e9")},
        {"\xff\xfe", QStringLiteral("\u00ff\u00fe")},
        {"cut \xc3", QStringLiteral("cut \u00c3")},
        {"", QString()},
        {"\xc3\xa9\xe9", QStringLiteral("\u00c3\u00a9\u00e9")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(seen(toDisplay(c.bytes)), c.seen);
        EXPECT_EQ(fromDisplay(toDisplay(c.bytes)), c.bytes);
    }
    // The two texts that look alike stay apart.
    EXPECT_NE(toDisplay("caf\xe9"), toDisplay("caf\xc3\xa9"));
}

// ASCII bytes, shown without the decoder, show as the decoder reads them, empty or not.
TEST(TextBridge, AsciiShowsAsTheDecoderReadsIt) {
    std::mt19937 random(3);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 20, ' ');
        for (char& byte : bytes) {
            byte = static_cast<char>(random() % 0x80);
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded =
            decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        const QString shown = toDisplay(bytes);
        ASSERT_EQ(shown, decoded);
        ASSERT_EQ(shown.isNull(), decoded.isNull());
    }
}

// Text typed into a widget goes back as UTF-8; what it kept of the bytes it was given goes
// back as those bytes.
TEST(TextBridge, TypedTextGoesBackAsUtf8BesideTheBytesGiven) {
    EXPECT_EQ(fromDisplay(QStringLiteral("na\u00efve \u20ac")), "na\xc3\xafve \xe2\x82\xac");
    EXPECT_EQ(fromDisplay(toDisplay("caf\xe9") + QStringLiteral(" \u00e9t\u00e9")),
              "caf\xe9 \xc3\xa9t\xc3\xa9");
    QString shown = toDisplay("\xe9t\xe9");
    shown.remove(0, 1); // the first letter deleted leaves its mark alone
    EXPECT_EQ(fromDisplay(shown), "t\xe9");
}

TEST(TextBridge, MessageLinesBreakAtCrCrLfAndLf) {
    EXPECT_EQ(toDisplayLines("one\rtwo\r\nthree\nfour\r\r"), QStringLiteral("one\ntwo\nthree\nfour\n\n"));
}

} // namespace
