// The recent queries: order, repeats, the limit of thirty, and the round trip through an INI store.
#include "core/history/recent_queries.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "base/cp1251.h"
#include "core/framework/settings_store.h"

namespace kvilo::history {
namespace {

using namespace base::literals;
using Items = std::vector<std::string>;

TEST(RecentQueries, NewestFirstWithoutRepeatsOrBlanksAndAtMostThirty) {
    RecentQueries recent;
    for (const char* query : {"  7707083893 ", "Ромашка"_ansi, "7707083893", "   "})
        recent.Add(query);
    EXPECT_EQ(recent.Items(), (Items{"7707083893", "Ромашка"_ansi}));
    for (int i = 1; i <= 40; ++i)
        recent.Add("q" + std::to_string(i));
    ASSERT_EQ(recent.Items().size(), kRecentQueryCount);
    EXPECT_EQ(recent.Items().front(), "q40");
    EXPECT_EQ(recent.Items().back(), "q11");
}

TEST(RecentQueries, SurviveTheStoreBeingClosedAndAShorterListDeletesTheRest) {
    QTemporaryDir folder;
    const std::string ini = QDir(folder.path()).filePath("settings.ini").toStdString();
    framework::SettingsStore store;
    store.Open(ini, framework::kSettingsIniFile);
    RecentQueries recent;
    for (const char* query : {"первый"_ansi, "второй"_ansi, "третий"_ansi})
        recent.Add(query);
    recent.Save(store);
    store.Close();

    store.Open(ini, framework::kSettingsIniFile);
    RecentQueries reread;
    reread.Load(store);
    EXPECT_EQ(reread.Items(), (Items{"третий"_ansi, "второй"_ansi, "первый"_ansi}));
    reread.Clear();
    reread.Add("один"_ansi);
    reread.Save(store);
    reread.Load(store);
    EXPECT_EQ(reread.Items(), Items{"один"_ansi});
    EXPECT_EQ(store.Fetch(kRecentQueriesSection, "Query2", "deleted"), "deleted");
}

} // namespace
} // namespace kvilo::history
