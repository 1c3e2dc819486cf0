// The online extras' text work: the map request, the version file, the package's names and the progress rule.
#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/online/download_to_file.h"
#include "core/online/location_map.h"
#include "core/online/map_request.h"
#include "core/online/package_download.h"
#include "core/online/version_file.h"

using namespace kvilo::base::literals;
using namespace kvilo::online;

namespace {

constexpr const char* kSha = "58fb51f5bfff4d8dd4fa8f7a684d5d2ba350f7fa740cf0c175ac7365613c4380";

std::string VersionText(const std::string& date, const std::string& link, const std::string& extra = {}) {
    return "[EGRULKvilo]\r\nDate=" + date + "\r\nLink=" + link + "\r\n" + extra;
}

} // namespace

TEST(MapUrl, IsTheServicesRequestForTheCentreWithAFlag) {
    EXPECT_EQ(MapUrl("https://static-maps.yandex.ru", CoordinateOf("37.6173"), CoordinateOf("55.755826"), 1),
              "https://static-maps.yandex.ru/1.x/?ll=37.617300,55.755826&size=650,450&z=16&l=map"
              "&pt=37.617300,55.755826,flag");
    EXPECT_EQ(MapUrl("http://127.0.0.1:8080/", CoordinateOf("-70.6483"), CoordinateOf(" -33.4569 "), 2),
              "http://127.0.0.1:8080/1.x/?ll=-70.648300,-33.456900&size=650,450&z=16&l=map,trf"
              "&pt=-70.648300,-33.456900,flag");
}

TEST(MapUrl, LayerCodes) {
    EXPECT_EQ(LayerName(LayerCodeOf("2         ООО Альфа"_ansi)), "map,trf");
    EXPECT_EQ(LayerName(LayerCodeOf("7")), "map");
    EXPECT_EQ(LayerName(LayerCodeOf("          ООО Альфа"_ansi)), "map");
    EXPECT_EQ(LayerName(LayerCodeOf("1")), "map");
    EXPECT_EQ(LayerName(LayerCodeOf("2.9")), "map,trf"); // the integer part counts
    EXPECT_EQ(LayerName(LayerCodeOf("99999999999999")), "map");
}

TEST(MapUrl, CoordinatesThatAreNoNumberCountAsNone) {
    EXPECT_EQ(CoordinateOf("55.755826"), 55.755826);
    EXPECT_EQ(CoordinateOf("+37"), 37.0);
    for (const char* text : {"", "   ", "0", "0.000", "55,75", "1e2", "inf", "nan", "5.5.5", "-", "12a", "500", "0x1A",
                             "55.7558260000000000000000000000001"})
        EXPECT_EQ(CoordinateOf(text), 0.0) << text;
}

TEST(MapUrl, CoordinatesAreRoundedToSixDecimals) {
    EXPECT_EQ(CoordinateText(37.6173), "37.617300");
    EXPECT_EQ(CoordinateText(55.7558257), "55.755826");
    EXPECT_EQ(CoordinateText(55.7558254), "55.755825");
    EXPECT_EQ(CoordinateText(-0.5), "-0.500000");
    EXPECT_EQ(CoordinateText(180), "180.000000");
}

TEST(VersionFile, ReadsDateLinkAndChecksumOfItsSection) {
    const PublishedVersion version = ReadVersionText(
        "; the maker's version\r\n[Other]\r\nDate=01.01.2030\r\n[egrulkvilo]\r\n date = 17.03.2024 \r\n"
        "LINK=https://www.tarvelo.ru/download/kvilo_1.1.0_amd64.deb\r\nSha256=" +
        std::string("58FB51F5BFFF4D8DD4FA8F7A684D5D2BA350F7FA740CF0C175AC7365613C4380") + "\r\nDate=01.01.2031\r\n");
    EXPECT_EQ(version.date, kvilo::base::DayNumber(2024, 3, 17));
    EXPECT_EQ(version.link, "https://www.tarvelo.ru/download/kvilo_1.1.0_amd64.deb");
    EXPECT_EQ(version.sha256, kSha);
    EXPECT_TRUE(version.Complete());
}

TEST(VersionFile, WhatIsNotUsableCountsAsMissing) {
    const std::string link = "https://www.tarvelo.ru/k.deb";
    EXPECT_EQ(ReadVersionText(VersionText("31.02.2026", link)).date, 0);
    EXPECT_EQ(ReadVersionText(VersionText("2026-01-01", link)).date, 0);
    EXPECT_EQ(ReadVersionText(VersionText("1.3.2024", link)).date, 0);
    EXPECT_EQ(ReadVersionText(VersionText("", link)).date, 0);
    EXPECT_EQ(ReadVersionText("[EGRULKvilo]\nLink=" + link).date, 0);

    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", "http://www.tarvelo.ru/k.deb")).link, "");
    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", "ftp://www.tarvelo.ru/k.deb")).link, "");
    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", "https://")).link, "");
    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", "https://www.tarvelo.ru/my file.deb")).link, "");
    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", "https://www.tarvelo.ru/" + std::string(4975, 'a'))).link, "");
    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", "https://t.ru/" + std::string(242, 'a'))).link.size(), 255u);
    EXPECT_FALSE(ReadVersionText("[EGRULKvilo]\nDate=17.03.2024\n").Complete());

    // A checksum that cannot be compared leaves nothing to install; none at all is allowed.
    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", link, "Sha256=abc\r\n")).link, "");
    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", link, "Sha256=" + std::string(63, 'a') + "g\r\n")).link, "");
    EXPECT_EQ(ReadVersionText(VersionText("17.03.2024", link)).sha256, "");
}

TEST(VersionFile, ATextWithANulByteIsNoVersionFile) {
    std::string text = VersionText("17.03.2024", "https://www.tarvelo.ru/k.deb");
    text.insert(text.find("Link"), 1, '\0');
    const PublishedVersion version = ReadVersionText(text);
    EXPECT_EQ(version.date, 0);
    EXPECT_EQ(version.link, "");
}

TEST(PackageNames, FromTheLink) {
    EXPECT_EQ(LinkFileName("https://www.tarvelo.ru/download/kvilo_1.1.0_amd64.deb?from=site#top"),
              "kvilo_1.1.0_amd64.deb");
    EXPECT_EQ(LinkFileName("https://www.tarvelo.ru"), "");
    EXPECT_EQ(LinkFileName("https://www.tarvelo.ru/download/"), "");
    EXPECT_EQ(LinkFileName("https://www.tarvelo.ru/download/.."), "");
    EXPECT_TRUE(InstallPackagePath("https://t.ru/kvilo_1.1.0_amd64.deb").ends_with(".deb"));
    EXPECT_TRUE(InstallPackagePath("https://t.ru/setup.EXE").ends_with(".EXE"));
    EXPECT_TRUE(InstallPackagePath("https://t.ru/get?file=1").ends_with(".deb"));
    EXPECT_TRUE(InstallPackagePath("https://t.ru/kvilo.d%65b").ends_with(".deb"));
}

TEST(PackageNames, InstallingNeedsTheProgramOnThisMachine) {
    EXPECT_TRUE(InstallAllowed("/usr/lib/kvilo/kvilo"));
    EXPECT_FALSE(InstallAllowed("//server/share/kvilo/kvilo"));
    EXPECT_FALSE(InstallAllowed("kvilo"));
}

TEST(Progress, PercentOfAKnownTotalOrKilobytes) {
    EXPECT_EQ(ProgressValue(0, 250000), 250);
    EXPECT_EQ(ProgressValue(1000, 250), 25);
    EXPECT_EQ(ProgressValue(1000, 1000), 100);
    EXPECT_EQ(ProgressValue(1000, 0), std::nullopt);
    EXPECT_EQ(ProgressValue(0, 0), std::nullopt);
}

TEST(LocationMapCaption, IsOneInTenThenTheTextInTwoHundred) {
    const std::string caption = LocationMapCaption("   ООО Альфа"_ansi);
    ASSERT_EQ(caption.size(), 210u);
    EXPECT_EQ(caption.substr(0, 19), "1         ООО Альфа"_ansi);
    EXPECT_EQ(caption.find_first_not_of(' ', 19), std::string::npos);
    EXPECT_EQ(LocationMapCaption(std::string(250, 'x')).substr(10), std::string(200, 'x'));
}

TEST(HasLocation, NeedsBothCoordinates) {
    EXPECT_TRUE(HasLocation(" 55.70 ", "37.59  "));
    EXPECT_FALSE(HasLocation("55.70", "    "));
    EXPECT_FALSE(HasLocation("", "37.59"));
}
