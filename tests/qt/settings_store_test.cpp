// The player's settings on the disk: what a run writes, the next reads;
// whatever else it finds there (keys it does not know, values out of their
// range, a file that is not an INI file at all) gives the defaults and
// never stops the game.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "player_settings.h"

namespace qm::qt {
namespace {

class SettingsFile : public ::testing::Test {
protected:
    void WriteFile(const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }

    QTemporaryDir folder;
    QString file = folder.filePath("quillmere/settings.ini");
    SettingsStore store{file};
};

PlayerSettings EveryOptionChanged() {
    return {.fullScreen = true,
            .volume = 35,
            .muted = true,
            .autoMode = true,
            .autoBaseMs = 500,
            .autoPerCharMs = 120,
            .readAloud = true,
            .textSize = 150,
            .highContrast = true,
            .colourNumbers = true};
}

TEST_F(SettingsFile, WithoutAFileEveryOptionIsOff) {
    EXPECT_EQ(PlayerSettings{}, store.Read());
    const PlayerSettings plain;
    EXPECT_FALSE(plain.fullScreen || plain.muted || plain.autoMode || plain.readAloud || plain.highContrast ||
                 plain.colourNumbers);
    EXPECT_EQ(100, plain.volume);
    EXPECT_EQ(100, plain.textSize);
}

TEST_F(SettingsFile, WhatOneRunWritesTheNextReads) {
    ASSERT_TRUE(store.Write(EveryOptionChanged()));  // the folder is made on the way
    EXPECT_EQ(EveryOptionChanged(), SettingsStore(file).Read());
    ASSERT_TRUE(store.Write(PlayerSettings{}));
    EXPECT_EQ(PlayerSettings{}, store.Read());
}

TEST_F(SettingsFile, KeysItDoesNotKnowAreIgnoredAndKept) {
    QDir().mkpath(folder.filePath("quillmere"));
    WriteFile("[look]\nfromLaterVersion=7\ntextSize=130\n[other]\nthing=1\n");
    EXPECT_EQ(130, store.Read().textSize);
    ASSERT_TRUE(store.Write(EveryOptionChanged()));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_TRUE(in.readAll().contains("fromLaterVersion=7"));
}

// Each bad value gives that option's default; the good ones beside it hold.
TEST_F(SettingsFile, ValuesOutOfRangeOrOfTheWrongKindGiveTheDefault) {
    QDir().mkpath(folder.filePath("quillmere"));
    WriteFile(
        "[music]\nvolume=101\nmuted=yes\n"
        "[reading]\nautoMode=1\nautoBaseMs=-5\nautoPerCharMs=501\nreadAloud=true\n"
        "[look]\ntextSize=99\nhighContrast=TRUE\ncolourNumbers=\n"
        "[window]\nfullScreen=true\n");
    PlayerSettings expected;
    expected.readAloud = true;
    expected.fullScreen = true;
    EXPECT_EQ(expected, store.Read());

    WriteFile("[music]\nvolume=ninety\n[look]\ntextSize=2147483648\n");
    EXPECT_EQ(PlayerSettings{}, store.Read());
}

TEST_F(SettingsFile, ADamagedFileGivesTheDefaultsAndTheNextWriteMendsIt) {
    QDir().mkpath(folder.filePath("quillmere"));
    static constexpr char kDamaged[] = "\x00\xff[look\ntextSize=1\x00\x01\x02=\n\xfe\xfe";
    QByteArray garbage(kDamaged, sizeof kDamaged - 1);
    garbage += QByteArray(100000, '\xa0');
    WriteFile(garbage);
    EXPECT_EQ(PlayerSettings{}, store.Read());
    ASSERT_TRUE(store.Write(EveryOptionChanged()));
    EXPECT_EQ(EveryOptionChanged(), store.Read());
}

// A folder where the file should be, or no place to write at all: the
// settings hold for this run only.
TEST_F(SettingsFile, AFileThatCannotBeWrittenIsReportedAndReadsAsDefaults) {
    QDir().mkpath(file);
    EXPECT_EQ(PlayerSettings{}, store.Read());
    EXPECT_FALSE(store.Write(EveryOptionChanged()));

    const SettingsStore nowhere("/proc/quillmere/settings.ini");
    EXPECT_FALSE(nowhere.Write(EveryOptionChanged()));
    EXPECT_EQ(PlayerSettings{}, nowhere.Read());
}

TEST(SettingsPlace, ThePlayersConfigurationFolderNeverTheGames) {
    EXPECT_TRUE(SettingsStore::DefaultFile().endsWith("/quillmere/settings.ini"))
        << SettingsStore::DefaultFile().toStdString();
}

}  // namespace
}  // namespace qm::qt
