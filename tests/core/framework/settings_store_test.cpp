// The settings store over an INI file and over the native store, always in a temporary folder.
#include "core/framework/settings_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <thread>

#include "base/cp1251.h"

namespace kvilo::framework {
namespace {

using namespace base::literals;

class SettingsStoreTest : public ::testing::Test {
protected:
    std::string IniPath() const { return QDir(folder.path()).filePath("settings.ini").toStdString(); }
    QSettings RawIni() const { return QSettings(QString::fromStdString(IniPath()), QSettings::IniFormat); }

    QTemporaryDir folder;
    SettingsStore store;
};

TEST_F(SettingsStoreTest, ValuesRoundTripAcrossCloseAndOpen) {
    store.Open(IniPath(), kSettingsIniFile);
    store.Update("Browse_EGRUL", "Caption", "Запрос выписки, ЕГРЮЛ"_ansi);
    store.Close();
    EXPECT_EQ(store.Fetch("Browse_EGRUL", "Caption", "closed"), "closed");
    store.Open(IniPath(), kSettingsIniFile);
    EXPECT_EQ(store.Fetch("Browse_EGRUL", "Caption"), "Запрос выписки, ЕГРЮЛ"_ansi);
    EXPECT_EQ(RawIni().value("Browse_EGRUL/Caption").toString(), QString::fromUtf8("Запрос выписки, ЕГРЮЛ"));
}

TEST_F(SettingsStoreTest, OpenAndCloseWithoutChangesCreatesNoFile) {
    store.Open(IniPath(), kSettingsIniFile);
    EXPECT_EQ(store.Fetch("Browse_EGRUL", "X", "none"), "none");
    store.Close();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(IniPath())));
}

TEST_F(SettingsStoreTest, MissingOrEmptyValuesGiveTheDefault) {
    store.Open(IniPath(), kSettingsIniFile);
    store.Update("Form_EGRUL", "Empty", "");
    EXPECT_EQ(store.Fetch("Form_EGRUL", "Empty", "dflt"), "dflt");
    EXPECT_EQ(store.Fetch("Form_EGRUL", "Missing", "dflt"), "dflt");
    EXPECT_EQ(store.Fetch("Nowhere", "Missing"), "");
}

TEST_F(SettingsStoreTest, DeleteRemovesTheEntry) {
    store.Open(IniPath(), kSettingsIniFile);
    store.Update("AskColor", "XPos", "10");
    store.Update("AskColor", "YPos", "20");
    store.Delete("AskColor", "XPos");
    store.Close();
    QSettings raw = RawIni();
    raw.beginGroup("AskColor");
    EXPECT_EQ(raw.childKeys(), QStringList{"YPos"});
}

TEST_F(SettingsStoreTest, LongValuesAreCutTo1023Characters) {
    store.Open(IniPath(), kSettingsIniFile);
    store.Update("S", "E", std::string(3000, 'x'));
    EXPECT_EQ(store.Fetch("S", "E").size(), kMaxSettingsValue);
}

TEST_F(SettingsStoreTest, ValueWrittenByHandWithCommasReadsWhole) {
    {
        QSettings raw = RawIni();
        raw.setValue("S/List", QStringList{"a", "b"});
    }
    store.Open(IniPath(), kSettingsIniFile);
    EXPECT_EQ(store.Fetch("S", "List"), "a,b");
}

TEST_F(SettingsStoreTest, KindNoneGivesDefaultsAndWritesNothing) {
    store.Open(IniPath(), kSettingsNone);
    store.Update("S", "E", "value");
    EXPECT_EQ(store.Fetch("S", "E", "dflt"), "dflt");
    store.Close();
    EXPECT_FALSE(QFile::exists(QString::fromStdString(IniPath())));
}

TEST_F(SettingsStoreTest, SectionsWrittenAreListedAndKeptAcrossRuns) {
    store.Open(IniPath(), kSettingsIniFile);
    store.Update("Browse_EGRUL", "Maximize", "No");
    store.Update("Browse_EGRUL", "XPos", "1");
    store.Delete("Form_EGRUL", "Width");
    ASSERT_EQ(store.Sectors().size(), 2u);
    store.Close();
    EXPECT_EQ(RawIni().value("Sectors/__Dont_Touch_Me__").toInt(), 2);

    store.Open(IniPath(), kSettingsIniFile);
    store.Update("AskColor", "Maximize", "No");
    auto sectors = store.Sectors();
    ASSERT_EQ(sectors.size(), 3u);
    EXPECT_EQ(sectors[0].section, "Browse_EGRUL");
    EXPECT_EQ(sectors[0].entry, "XPos");
    EXPECT_EQ(sectors[0].action, "Update");
    EXPECT_EQ(sectors[1].section, "Form_EGRUL");
    EXPECT_EQ(sectors[1].action, "Delete");
    EXPECT_EQ(sectors[2].section, "AskColor");
}

TEST_F(SettingsStoreTest, OpeningAgainClosesTheStoreFirst) {
    store.Open(IniPath(), kSettingsIniFile);
    store.Update("Browse_EGRUL", "Maximize", "No");
    store.Open(IniPath() + ".other", kSettingsIniFile);
    EXPECT_TRUE(store.Sectors().empty());
    EXPECT_EQ(RawIni().value("Sectors/__Dont_Touch_Me__").toInt(), 1);
    EXPECT_EQ(RawIni().value("Browse_EGRUL/Maximize").toString(), "No");
}

TEST_F(SettingsStoreTest, NativeStoreUsesTheOrganisationAndApplicationOfTheKey) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "the native store is the user's own registry there";
#endif
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    store.Open(kProgramSettingsKey, kSettingsNative, kRootCurrentUser);
    store.Update("Browse_EGRUL", "Maximize", "Yes");
    store.Close();
    QSettings written(QSettings::NativeFormat, QSettings::UserScope, "Tarvelo", "EGRUL");
    EXPECT_EQ(written.value("Browse_EGRUL/Maximize").toString(), "Yes");
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("Tarvelo/EGRUL.conf")));
}

TEST_F(SettingsStoreTest, WindowsOnOtherThreadsMayWriteAtTheSameTime) {
    store.Open(IniPath(), kSettingsIniFile);
    auto writer = [this](const std::string& section) {
        for (int i = 0; i < 200; ++i)
            store.Update(section, "XPos", std::to_string(i));
    };
    std::thread map(writer, "ImageCard");
    writer("Browse_EGRUL");
    map.join();
    EXPECT_EQ(store.Fetch("ImageCard", "XPos"), "199");
    EXPECT_EQ(store.Fetch("Browse_EGRUL", "XPos"), "199");
    EXPECT_EQ(store.Sectors().size(), 2u);
}

} // namespace
} // namespace kvilo::framework
