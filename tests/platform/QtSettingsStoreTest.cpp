#include "platform/qt/QtSettingsStore.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

using platform::qt::QtSettingsStore;

TEST(QtSettingsStore, TextsComeBackByteForByteFromANewStore) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::vector<std::pair<std::string, std::string>> values = {
        {"Spaces", "  two blanks before and after  "},
        {"Empty", ""},
        {"Latin1", "caf\xe9 na\xefve \xff"},
        {"Utf8", "caf\xc3\xa9"},
        {"Path", "C:\\Data\\kid 1.eve"},
        {"Punctuation", "a,b;c=d \"quoted\" [x] #hash"},
        {"Number", "-12.5"},
    };
    {
        QtSettingsStore store(folder.path());
        for (const auto& [name, value] : values) {
            store.set("OSTRAVEL", "Analysis Settings", name, value);
        }
        EXPECT_TRUE(store.save("OSTRAVEL"));
    }
    QtSettingsStore reread(folder.path());
    for (const auto& [name, value] : values) {
        EXPECT_EQ(reread.get("OSTRAVEL", "Analysis Settings", name, "<default>"), value) << name;
    }
}

TEST(QtSettingsStore, MissingValuesGiveTheDefaultAndApplicationsAreApart) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtSettingsStore store(folder.path());
    EXPECT_EQ(store.get("OSTRAVEL", "StartUp", "Code_File", "NEW.COD"), "NEW.COD");
    store.set("OSTRAVEL", "StartUp", "gStartBanner", "0");
    EXPECT_EQ(store.get("OSTRAVEL", "StartUp", "Code_File", "NEW.COD"), "NEW.COD");
    EXPECT_EQ(store.get("OSTRAVEL", "Collection Settings", "gStartBanner", "1"), "1");
    EXPECT_EQ(store.get("Vintrosa", "StartUp", "gStartBanner", "1"), "1");
    EXPECT_EQ(store.get("OSTRAVEL", "StartUp", "gStartBanner", "1"), "0");
    // The last write wins.
    store.set("OSTRAVEL", "StartUp", "gStartBanner", "1");
    EXPECT_EQ(store.get("OSTRAVEL", "StartUp", "gStartBanner", "0"), "1");
}

// Values wait in memory until saved; the file changes once, and a file that cannot be
// written keeps them set for the next try.
TEST(QtSettingsStore, ValuesReachTheFileOnlyWhenSaved) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QtSettingsStore store(folder.path());
    EXPECT_EQ(store.location("OSTRAVEL"), folder.filePath("OSTRAVEL.ini").toStdString());
    store.set("OSTRAVEL", "StartUp", "Code_File", "/data/kids.cod");
    EXPECT_EQ(store.get("OSTRAVEL", "StartUp", "Code_File", "NEW.COD"), "/data/kids.cod");
    EXPECT_FALSE(QFile::exists(folder.filePath("OSTRAVEL.ini")));
    ASSERT_TRUE(store.save("OSTRAVEL"));
    EXPECT_EQ(QtSettingsStore(folder.path()).get("OSTRAVEL", "StartUp", "Code_File", "NEW.COD"),
              "/data/kids.cod");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"OSTRAVEL.ini"});
}

TEST(QtSettingsStore, ASaveThatCannotWriteFailsAndKeepsTheValues) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(QDir(folder.path()).mkdir("OSTRAVEL.ini")); // a folder where the file belongs
    QtSettingsStore store(folder.path());
    store.set("OSTRAVEL", "StartUp", "Code_File", "/data/kids.cod");
    EXPECT_FALSE(store.save("OSTRAVEL"));
    EXPECT_EQ(store.get("OSTRAVEL", "StartUp", "Code_File", "NEW.COD"), "/data/kids.cod");
    QFile plain(folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    QtSettingsStore unwritable(folder.filePath("plain")); // a file where the folder belongs
    unwritable.set("OSTRAVEL", "StartUp", "Code_File", "/data/kids.cod");
    EXPECT_FALSE(unwritable.save("OSTRAVEL"));
}

TEST(QtSettingsStore, ReadsValuesEditedByHand) {
    for (const char* bytes : {"[StartUp]\nFramesPerSecond=25\n", "[StartUp]\rFramesPerSecond=25\r"}) {
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        QFile file(folder.filePath("OSTRAVEL.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QtSettingsStore store(folder.path());
        EXPECT_EQ(store.get("OSTRAVEL", "StartUp", "FramesPerSecond", "30"), "25");
    }
}

// A load asks for a hundred values, whatever the file holds: ten times the keys take about
// ten times as long, the file being read once and each name found without walking the others.
TEST(QtSettingsStore, LoadTimeGrowsInStepWithTheFile) {
    const auto loadSeconds = [](int keys) {
        QTemporaryDir folder;
        QFile file(folder.filePath("OSTRAVEL.ini"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        std::string bytes = "[StartUp]\r\n";
        for (int k = 0; k < keys; ++k) {
            bytes += "Key" + std::to_string(k) + "=value " + std::to_string(k) + "\r\n";
        }
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        double best = 1e9;
        for (int round = 0; round < 3; ++round) {
            const auto began = std::chrono::steady_clock::now();
            QtSettingsStore store(folder.path());
            for (int k = 0; k < keys; k += keys / 100) {
                EXPECT_EQ(store.get("OSTRAVEL", "StartUp", "Key" + std::to_string(k), ""),
                          "value " + std::to_string(k));
            }
            best = std::min(best,
                            std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
        }
        return best;
    };
    const double small = loadSeconds(1000);
    const double large = loadSeconds(10000);
    EXPECT_LT(large, 30 * small + 0.02) << small << " s for 1,000 keys, " << large << " s for 10,000";
}

TEST(QtSettingsStore, WritesPlainTextThatCanBeEditedByHand) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    {
        QtSettingsStore store(folder.path());
        store.set("OSTRAVEL", "StartUp", "Code_File", "/data/kids.cod");
        store.set("OSTRAVEL", "StartUp", "WindowWidth", "9135");
        EXPECT_TRUE(store.save("OSTRAVEL"));
    }
    QFile file(folder.filePath("OSTRAVEL.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("Code_File=/data/kids.cod")) << text.toStdString();
    EXPECT_TRUE(text.contains("WindowWidth=9135")) << text.toStdString();
}

} // namespace
