// Window placement records in the store and the work-area clamp, without any window.
#include "core/framework/window_placement.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace kvilo::framework {
namespace {

class PlacementTest : public ::testing::Test {
protected:
    void SetUp() override { store.Open(IniPath(), kSettingsIniFile); }
    std::string IniPath() const { return QDir(folder.path()).filePath("placement.ini").toStdString(); }
    QStringList StoredKeys(const char* section) {
        store.Close();
        QSettings raw(QString::fromStdString(IniPath()), QSettings::IniFormat);
        raw.beginGroup(section);
        return raw.childKeys();
    }

    QTemporaryDir folder;
    SettingsStore store;
};

TEST_F(PlacementTest, RecordRoundTripsThroughTheStore) {
    WindowPlacement saved{false, false, 120, -40, 900, 650};
    UpdateWindowPlacement(store, "Browse_EGRUL", saved);
    std::optional<WindowPlacement> fetched = FetchWindowPlacement(store, "Browse_EGRUL");
    ASSERT_TRUE(fetched);
    EXPECT_FALSE(fetched->maximized);
    EXPECT_FALSE(fetched->minimized);
    EXPECT_EQ(fetched->x, 120);
    EXPECT_EQ(fetched->y, -40);
    EXPECT_EQ(fetched->width, 900);
    EXPECT_EQ(fetched->height, 650);
    EXPECT_EQ(store.Fetch("Browse_EGRUL", "Maximize"), "No");
    EXPECT_EQ(store.Fetch("Browse_EGRUL", "XPos"), "120");
}

TEST_F(PlacementTest, MaximizeMustBeExactlyYesOrNo) {
    UpdateWindowPlacement(store, "Form_EGRUL", WindowPlacement{true, false, 1, 2, 300, 200});
    EXPECT_TRUE(FetchWindowPlacement(store, "Form_EGRUL")->maximized);
    store.Update("Form_EGRUL", "Maximize", "yes");
    EXPECT_FALSE(FetchWindowPlacement(store, "Form_EGRUL"));
    store.Update("Form_EGRUL", "Maximize", "No ");
    EXPECT_FALSE(FetchWindowPlacement(store, "Form_EGRUL"));
    store.Delete("Form_EGRUL", "Maximize");
    EXPECT_FALSE(FetchWindowPlacement(store, "Form_EGRUL"));
}

TEST_F(PlacementTest, MinimizedWindowKeepsOnlyItsState) {
    UpdateWindowPlacement(store, "ImageCard", WindowPlacement{false, false, 10, 20, 300, 200});
    WindowState minimized{false, true, true, {10, 20, 300, 200}};
    UpdateWindowPlacement(store, "ImageCard", PlacementOf(minimized, "ImageCard"));
    EXPECT_EQ(StoredKeys("ImageCard"), (QStringList{"Maximize", "Minimize"}));
    store.Open(IniPath(), kSettingsIniFile);
    std::optional<WindowPlacement> fetched = FetchWindowPlacement(store, "ImageCard");
    ASSERT_TRUE(fetched);
    EXPECT_TRUE(fetched->minimized);
    EXPECT_EQ(fetched->x, kPlacementNotSet);
    EXPECT_EQ(fetched->width, kPlacementNotSet);
}

TEST_F(PlacementTest, FixedSizeWindowKeepsNoSize) {
    WindowState fixed{false, false, false, {5, 6, 400, 300}};
    UpdateWindowPlacement(store, "AskUpdate", PlacementOf(fixed, "AskUpdate"));
    EXPECT_EQ(StoredKeys("AskUpdate"), (QStringList{"Maximize", "Minimize", "XPos", "YPos"}));
}

TEST_F(PlacementTest, MaximizedWindowKeepsItsNormalPlaceUnlessNamedNoIni) {
    WindowState maximized{true, false, true, {30, 40, 800, 600}};
    WindowPlacement kept = PlacementOf(maximized, "Browse_EGRUL");
    EXPECT_TRUE(kept.maximized);
    EXPECT_EQ(kept.x, 30);
    EXPECT_EQ(kept.height, 600);
    WindowPlacement bare = PlacementOf(maximized, "NoINI_Report");
    EXPECT_TRUE(bare.maximized);
    EXPECT_EQ(bare.x, kPlacementNotSet);
    EXPECT_EQ(bare.width, kPlacementNotSet);
    WindowState normal{false, false, true, {30, 40, 800, 600}};
    EXPECT_EQ(PlacementOf(normal, "NoINI_Report").width, 800);
}

TEST_F(PlacementTest, UnreadableNumbersStayNotSet) {
    store.Update("S", "Maximize", "No");
    store.Update("S", "XPos", "12a");
    store.Update("S", "YPos", "99999999999");
    store.Update("S", "Width", "0");
    store.Update("S", "Height", "-5");
    std::optional<WindowPlacement> fetched = FetchWindowPlacement(store, "S");
    ASSERT_TRUE(fetched);
    EXPECT_EQ(fetched->x, kPlacementNotSet);
    EXPECT_EQ(fetched->y, kPlacementNotSet);
    EXPECT_EQ(fetched->width, kPlacementNotSet);
    EXPECT_EQ(fetched->height, kPlacementNotSet);
    store.Update("S", "Minimize", "maybe");
    EXPECT_FALSE(FetchWindowPlacement(store, "S")->minimized);
}

class FixedWorkArea : public WorkAreaSource {
public:
    explicit FixedWorkArea(std::optional<PlacementRect> area) : area_(area) {}
    std::optional<PlacementRect> WorkArea() const override { return area_; }

private:
    std::optional<PlacementRect> area_;
};

TEST(WorkArea, NoScreenMeans3840By2160) {
    PlacementRect area = WorkAreaOrDefault(FixedWorkArea(std::nullopt));
    EXPECT_EQ(area.x, 0);
    EXPECT_EQ(area.y, 0);
    EXPECT_EQ(area.width, kDefaultWorkAreaWidth);
    EXPECT_EQ(area.height, kDefaultWorkAreaHeight);
    EXPECT_EQ(WorkAreaOrDefault(FixedWorkArea(PlacementRect{0, 0, 1920, 1040})).width, 1920);
}

void ExpectInside(PlacementRect window, PlacementRect area) {
    EXPECT_GE(window.x, area.x);
    EXPECT_GE(window.y, area.y);
    EXPECT_LE(int64_t{window.x} + window.width, int64_t{area.x} + area.width);
    EXPECT_LE(int64_t{window.y} + window.height, int64_t{area.y} + area.height);
}

TEST(WorkArea, PlacementsOutsideComeBackIn) {
    PlacementRect area{0, 0, 1920, 1040};
    PlacementRect right = KeepInWorkArea({5000, 300, 800, 600}, area);
    EXPECT_EQ(right.x, 1120);
    EXPECT_EQ(right.y, 300);
    PlacementRect above = KeepInWorkArea({-2000, -900, 800, 600}, area);
    EXPECT_EQ(above.x, 0);
    EXPECT_EQ(above.y, 0);
    PlacementRect inside = KeepInWorkArea({100, 100, 800, 600}, area);
    EXPECT_EQ(inside.x, 100);
    EXPECT_EQ(inside.width, 800);
}

TEST(WorkArea, WindowsBiggerThanTheAreaShrink) {
    PlacementRect area{-1280, 24, 1280, 776}; // a screen left of the main one, a panel on top
    PlacementRect big = KeepInWorkArea({0, 0, 3000, 2000}, area);
    EXPECT_EQ(big.width, 1280);
    EXPECT_EQ(big.height, 776);
    ExpectInside(big, area);
}

TEST(WorkArea, ExtremeStoredNumbersDoNotOverflow) {
    PlacementRect area{0, 0, 3840, 2160};
    WindowPlacement wild{false,
                         false,
                         std::numeric_limits<int32_t>::max(),
                         std::numeric_limits<int32_t>::min() + 1,
                         std::numeric_limits<int32_t>::max(),
                         500};
    PlacementRect restored = RestoredRect(wild, {0, 0, 640, 480}, area, 10, 30);
    EXPECT_EQ(restored.width, 3830);
    EXPECT_EQ(restored.height, 500);
    ExpectInside({restored.x, restored.y, restored.width + 10, restored.height + 30}, area);
}

TEST(WorkArea, RestoredRectKeepsThePresentValuesForNumbersNotSet) {
    WindowPlacement onlyPosition{false, false, 50, 60, kPlacementNotSet, kPlacementNotSet};
    PlacementRect restored = RestoredRect(onlyPosition, {0, 0, 640, 480}, {0, 0, 1920, 1080}, 0, 0);
    EXPECT_EQ(restored.x, 50);
    EXPECT_EQ(restored.y, 60);
    EXPECT_EQ(restored.width, 640);
    EXPECT_EQ(restored.height, 480);
    // The frame counts: a window whose frame would stick out below is moved up by the frame's height.
    WindowPlacement low{false, false, 0, 1000, 640, 480};
    EXPECT_EQ(RestoredRect(low, {}, {0, 0, 1920, 1080}, 0, 30).y, 1080 - 480 - 30);
}

} // namespace
} // namespace kvilo::framework
