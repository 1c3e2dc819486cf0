// The update check, the package download and the location map over HTTPS with the real libcurl against the
// fake services: the maker's site under its two names and the static map.
#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/framework/message_presenter.h"
#include "core/online/file_checksum.h"
#include "core/online/location_map.h"
#include "core/online/package_download.h"
#include "core/online/update_check.h"
#include "fake_services.h"
#include "online/maker_site.h"
#include "online_fake.h"
#include "platform/command_line.h"
#include "recording_launcher.h"
#include "resource_bytes.h"
#include "temp_dir.h"

namespace kvilo::online {
namespace {

using namespace base::literals;
using kvilo::testing::MapControl;
using kvilo::testing::SiteControl;

const int32_t kPublished = base::DayNumber(2025, 6, 15); // the fake site's date

// Keeps each picture window "open" until the test closes it.
class RecordingOpener : public ImageCardOpener {
public:
    struct Card {
        std::string path, caption;
        bool picture = false;
        std::function<void()> closed;
    };

    RecordingOpener() : previous_(SetImageCardOpener(this)) {}
    ~RecordingOpener() override { SetImageCardOpener(previous_); }

    void Open(const std::string& path, const std::string& caption, std::function<void()> closed) override {
        std::lock_guard lock(mutex_);
        cards_.push_back({path, caption, IsPngFile(path), std::move(closed)});
        if (closeAtOnce) cards_.back().closed();
        opened_.notify_all();
    }

    // The cards opened, once there are `count` of them.
    std::vector<Card> WaitFor(size_t count) {
        std::unique_lock lock(mutex_);
        opened_.wait(lock, [&] { return cards_.size() >= count; });
        return cards_;
    }

    bool closeAtOnce = true;

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    std::vector<Card> cards_;
    ImageCardOpener* previous_;
};

class ProgressLog : public ProgressControl {
public:
    void SetProgress(int value) override { values.push_back(value); }
    std::vector<int> values;
};

class OnlineServicesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        server_ = std::make_unique<testsupport::FakeServices>(testsupport::FakeServices::Options{.https = true});
        ASSERT_TRUE(server_->Start()) << server_->Error();
    }
    static void TearDownTestSuite() { server_.reset(); }

    void SetUp() override {
        ASSERT_TRUE(server_->Reset());
        ASSERT_TRUE(SiteControl(*server_, "reset=1"));
        ASSERT_TRUE(MapControl(*server_, "picture"));
        access_.trustAnchorsFile = server_->CertificateFile();
        UseParameters({});
    }
    void TearDown() override { platform::SetCommandLine(std::vector<std::string>{}); }

    // The temporary folder, the trust anchor and the map service, then `more` (the last of a name wins).
    void UseParameters(const std::vector<std::string>& more) {
        std::vector<std::string> parameters{"RAM=" + ram_.path(), "CAFILE=" + server_->CertificateFile(),
                                            "MAPURL=" + server_->HttpsUrl("")};
        parameters.insert(parameters.end(), more.begin(), more.end());
        platform::SetCommandLine(std::move(parameters));
    }

    MakerSites Sites() const { return {{server_->HttpsUrl(""), testing::SecondSiteUrl(*server_)}}; }

    // The host names that the version file was asked from, in order.
    std::vector<std::string> VersionHosts() const {
        std::vector<std::string> hosts;
        for (const testsupport::RecordedRequest& request : server_->Requests("/_version")) {
            const std::string host = request.Header("Host");
            hosts.push_back(host.substr(0, host.rfind(':')));
        }
        return hosts;
    }

    bool RamIsEmpty() const { return std::filesystem::is_empty(ram_.path()); }

    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const framework::Message& message : messages_.messages)
            texts.push_back(message.text);
        return texts;
    }

    static inline std::unique_ptr<testsupport::FakeServices> server_;
    kvilo::testing::TempDir ram_;
    http::OutsideAccess access_;
    framework::RecordingMessagePresenter messages_;
};

// --- the update check ---

TEST_F(OnlineServicesTest, TheSameDateIsUpToDateAndOneDayLaterIsOffered) {
    const PublishedVersion published = FetchPublishedVersion(Sites(), 0, access_);
    EXPECT_EQ(published.date, kPublished);
    EXPECT_EQ(published.link, server_->HttpsUrl(fake::kPackagePath));
    EXPECT_EQ(published.sha256.size(), 64u);
    EXPECT_EQ(VersionHosts(), std::vector<std::string>{"127.0.0.1"});
    EXPECT_EQ(JudgeUpdate(published, kPublished), UpdateVerdict::UpToDate);
    EXPECT_EQ(JudgeUpdate(published, kPublished - 1), UpdateVerdict::NewerVersion);

    ShowUpdateVerdict(UpdateVerdict::UpToDate);
    ShowUpdateVerdict(UpdateVerdict::NewerVersion); // the update window's turn: no message
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].caption, "Информация"_ansi);
    EXPECT_EQ(messages_.messages[0].text,
              "Вы работаете с современной версией программы Kvilo «Выписки из ЕГРЮЛ / ИП» !"_ansi);
    EXPECT_EQ(messages_.messages[0].icon, framework::MessageIcon::Application);
    EXPECT_TRUE(RamIsEmpty());
}

TEST_F(OnlineServicesTest, ALinkMissingAtOneAddressTriesTheOtherOnce) {
    ASSERT_TRUE(SiteControl(*server_, "host=127.0.0.1&link=none"));
    PublishedVersion published = FetchPublishedVersion(Sites(), 0, access_);
    EXPECT_TRUE(published.Complete());
    EXPECT_EQ(published.link, testing::SecondSiteUrl(*server_) + fake::kPackagePath);
    EXPECT_EQ(VersionHosts(), (std::vector<std::string>{"127.0.0.1", "localhost"}));

    ASSERT_TRUE(server_->Reset());
    ASSERT_TRUE(SiteControl(*server_, "host=localhost&link=none"));
    ASSERT_TRUE(SiteControl(*server_, "host=127.0.0.1&date=32.01.2025"));
    published = FetchPublishedVersion(Sites(), 1, access_);
    EXPECT_FALSE(published.Complete());
    EXPECT_EQ(VersionHosts(), (std::vector<std::string>{"localhost", "127.0.0.1"}));
    EXPECT_TRUE(RamIsEmpty());
}

TEST_F(OnlineServicesTest, BothAddressesDownGiveNoInformation) {
    const MakerSites down{{testing::kRefusedUrl, "https://127.0.0.1:2"}};
    EXPECT_EQ(JudgeUpdate(FetchPublishedVersion(down, 0, access_), kPublished), UpdateVerdict::NoInformation);
    ShowUpdateVerdict(UpdateVerdict::NoInformation);
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].caption, "Сообщение"_ansi);
    EXPECT_EQ(messages_.messages[0].text, "Не удалось получить информацию о наличии обновлений программы !"_ansi);
    EXPECT_TRUE(RamIsEmpty());
}

TEST_F(OnlineServicesTest, TheSiteMustProveItsName) {
    EXPECT_FALSE(FetchVersionFile(VersionFileUrl(server_->HttpsUrl("")), http::OutsideAccess{}).Complete());
    EXPECT_TRUE(server_->Requests("/_version").empty()); // refused in the handshake
}

TEST_F(OnlineServicesTest, AnHttpLinkAndAnErrorPageAreNoInformation) {
    ASSERT_TRUE(SiteControl(*server_, "link=http"));
    EXPECT_FALSE(FetchPublishedVersion(Sites(), 0, access_).Complete());
    EXPECT_EQ(VersionHosts().size(), 2u);

    // An error page that happens to hold the section is still an error page.
    ASSERT_TRUE(server_->Reset());
    ASSERT_TRUE(SiteControl(*server_, "link=package"));
    ASSERT_TRUE(server_->AddFault({.mode = "fail", .path = "/_version", .status = 404, .count = -1}));
    EXPECT_FALSE(FetchPublishedVersion(Sites(), 0, access_).Complete());
    EXPECT_EQ(VersionHosts().size(), 2u);
    EXPECT_TRUE(RamIsEmpty());
}

TEST_F(OnlineServicesTest, BadVersionFilesGiveNoInformation) {
    const std::string link = "Link=" + server_->HttpsUrl(fake::kPackagePath) + "\r\n";
    const std::string huge = "[EGRULKvilo]\r\nDate=15.06.2025\r\n" + link + std::string(10u << 20, ';');
    std::string withNul = "[EGRULKvilo]\r\nDate=15.06.2025\r\n" + link;
    withNul.insert(withNul.find("Link"), std::string("\0\0", 2));
    for (const std::string& text :
         {huge, withNul, "[EGRULKvilo]\r\nDate=31.02.2026\r\n" + link, "[EGRULKvilo]\r\nDate=2026-01-01\r\n" + link}) {
        ASSERT_TRUE(SiteControl(*server_, "version=canned", text));
        EXPECT_FALSE(FetchPublishedVersion(Sites(), 0, access_).Complete()) << text.substr(0, 60);
    }
    ASSERT_TRUE(SiteControl(*server_, "reset=1&link=long"));
    EXPECT_FALSE(FetchPublishedVersion(Sites(), 0, access_).Complete());
    EXPECT_TRUE(RamIsEmpty());
}

// --- the package ---

TEST_F(OnlineServicesTest, ASavedPackageIsThePublishedOne) {
    const PublishedVersion published = FetchPublishedVersion(Sites(), 0, access_);
    const std::string path = ram_ / "kvilo_1.1.0_amd64.deb";
    ProgressLog progress;
    EXPECT_EQ(FetchPackage(UpdateMode::SavePackage, path, published, &progress, access_, "/usr/lib/kvilo/"),
              PackageOutcome::Saved);
    std::ifstream saved(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, fake::ResourceBytes(0, fake::kPackageSize));
    ASSERT_FALSE(progress.values.empty());
    EXPECT_EQ(progress.values.front(), 0);
    EXPECT_EQ(progress.values.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.values.begin(), progress.values.end()));

    ReportPackageOutcome(PackageOutcome::Saved, path);
    ASSERT_EQ(messages_.messages.size(), 1u);
    EXPECT_EQ(messages_.messages[0].text, "Установочный комплект программы успешно загружен|в файл: "_ansi + path +
                                              "||Закройте программу и запустите установку обновления.|"_ansi);
    EXPECT_EQ(messages_.messages[0].icon, framework::MessageIcon::Application);
}

TEST_F(OnlineServicesTest, InstallingHandsTheCheckedPackageToTheInstaller) {
    kvilo::testing::RecordingLauncher launcher;
    const PublishedVersion published = FetchPublishedVersion(Sites(), 0, access_);
    const std::string path = InstallPackagePath(published.link);
    EXPECT_TRUE(path.starts_with(ram_.path() + "/"));
    EXPECT_EQ(FetchPackage(UpdateMode::Install, path, published, nullptr, access_, "/usr/lib/kvilo/"),
              PackageOutcome::InstallerStarted);
    ASSERT_EQ(launcher.installed.size(), 1u);
    EXPECT_EQ(launcher.installed[0].target, path);
    EXPECT_EQ(launcher.installed[0].workingFolder, "/usr/lib/kvilo/");
    EXPECT_EQ(Sha256OfFile(path), published.sha256);

    launcher.answer = false;
    EXPECT_EQ(FetchPackage(UpdateMode::Install, path, published, nullptr, access_, "/usr/lib/kvilo/"),
              PackageOutcome::InstallerFailed);
    EXPECT_TRUE(std::filesystem::exists(path)); // kept for the user to install
}

TEST_F(OnlineServicesTest, APackageThatIsNotThePublishedOneIsDeletedAndNothingStarts) {
    kvilo::testing::RecordingLauncher launcher;
    ASSERT_TRUE(SiteControl(*server_, "checksum=wrong"));
    PublishedVersion published = FetchPublishedVersion(Sites(), 0, access_);
    const std::string path = ram_ / "package.deb";
    EXPECT_EQ(FetchPackage(UpdateMode::Install, path, published, nullptr, access_, "/usr/lib/kvilo/"),
              PackageOutcome::ChecksumMismatch);
    ASSERT_TRUE(SiteControl(*server_, "reset=1&link=missing"));
    published = FetchPublishedVersion(Sites(), 0, access_);
    EXPECT_EQ(FetchPackage(UpdateMode::SavePackage, path, published, nullptr, access_, "/usr/lib/kvilo/"),
              PackageOutcome::DownloadFailed); // a 404 page
    EXPECT_TRUE(launcher.installed.empty());
    EXPECT_TRUE(RamIsEmpty());

    ReportPackageOutcome(PackageOutcome::ChecksumMismatch, path);
    ReportPackageOutcome(PackageOutcome::DownloadFailed, path);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{
                                  "Загруженный файл повреждён или подменён: контрольная сумма не совпадает !"_ansi,
                                  "Не удалось выполнить загрузку файла с сервера !"_ansi}));
}

TEST_F(OnlineServicesTest, AStoppedDownloadLeavesNothing) {
    const PublishedVersion published = FetchPublishedVersion(Sites(), 0, access_);
    std::atomic<bool> stop{true};
    access_.abort = &stop;
    EXPECT_EQ(FetchPackage(UpdateMode::SavePackage, ram_ / "package.deb", published, nullptr, access_, "/"),
              PackageOutcome::Cancelled);
    EXPECT_TRUE(RamIsEmpty());
}

// --- the location map ---

TEST_F(OnlineServicesTest, NoGpsDataAsksTheServiceForNothing) {
    RecordingOpener opener;
    ShowLocationMap(LocationMapCaption("ООО Альфа"_ansi), "0", "55.755826", access_);
    ShowLocationMap(LocationMapCaption("ООО Альфа"_ansi), "37.6173", "  ", access_);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>(2, "Нет доступа к данным GPS / ГЛОНАСС !"_ansi));
    EXPECT_EQ(messages_.messages[0].caption, "У нас проблема"_ansi);
    EXPECT_TRUE(server_->Requests("/1.x/").empty());
}

TEST_F(OnlineServicesTest, TheMapIsShownAndItsPictureDeletedOnceTheWindowHasClosed) {
    RecordingOpener opener;
    ShowLocationMap("2         ООО Альфа, г. Москва"_ansi, "37.6173", "55.755826", access_);
    const std::vector<RecordingOpener::Card> cards = opener.WaitFor(1);
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_TRUE(cards[0].picture);
    EXPECT_EQ(cards[0].caption, "ООО Альфа, г. Москва"_ansi);
    EXPECT_TRUE(cards[0].path.starts_with(ram_.path() + "/"));
    EXPECT_TRUE(cards[0].path.ends_with(".png"));
    const auto requests = server_->Requests("/1.x/");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].target, "/1.x/?ll=37.617300,55.755826&size=650,450&z=16&l=map,trf"
                                  "&pt=37.617300,55.755826,flag");
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_TRUE(RamIsEmpty());
}

TEST_F(OnlineServicesTest, AnAnswerThatIsNoPictureIsSaidAndLeavesNoFile) {
    RecordingOpener opener;
    for (const char* answer : {"error", "html"}) {
        ASSERT_TRUE(MapControl(*server_, answer));
        ShowLocationMap(LocationMapCaption("ООО Альфа"_ansi), "37.6173", "55.755826", access_);
    }
    EXPECT_EQ(MessageTexts(), std::vector<std::string>(2, "Отсутствует файл с изображением для просмотра !"_ansi));
    EXPECT_EQ(messages_.messages[0].caption, "Сообщение"_ansi);

    ASSERT_TRUE(MapControl(*server_, "empty"));
    ShowLocationMap(LocationMapCaption("ООО Альфа"_ansi), "37.6173", "55.755826", access_);
    ASSERT_EQ(messages_.messages.size(), 3u);
    EXPECT_EQ(messages_.messages[2].caption, "У нас проблема !"_ansi);
    EXPECT_EQ(messages_.messages[2].text, "Нет доступа к картографическому сервису !"_ansi);
    EXPECT_EQ(opener.WaitFor(0).size(), 0u);
    EXPECT_TRUE(RamIsEmpty());
}

TEST_F(OnlineServicesTest, AFailedTransferShowsNothing) {
    RecordingOpener opener;
    UseParameters({std::string("MAPURL=") + testing::kRefusedUrl});
    ShowLocationMap(LocationMapCaption("ООО Альфа"_ansi), "37.6173", "55.755826", access_);
    UseParameters({});
    // 50 MB in place of a picture, announced or not: the size bound ends the transfer.
    for (bool chunked : {false, true}) {
        ASSERT_TRUE(server_->AddFault({.mode = "flood", .path = "/1.x/", .bytes = 50u << 20, .chunked = chunked}));
        ShowLocationMap(LocationMapCaption("ООО Альфа"_ansi), "37.6173", "55.755826", access_);
    }
    EXPECT_EQ(server_->Requests("/1.x/").size(), 2u);
    EXPECT_EQ(opener.WaitFor(0).size(), 0u);
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_TRUE(RamIsEmpty());
}

TEST_F(OnlineServicesTest, TwoMapsAtOnce) {
    RecordingOpener opener;
    opener.closeAtOnce = false;
    StartLocationMap(LocationMapCaption("ООО Альфа"_ansi), "37.6173", "55.755826");
    StartLocationMap(LocationMapCaption("ООО Бета"_ansi), "30.3141", "59.9386");
    const std::vector<RecordingOpener::Card> cards = opener.WaitFor(2);
    EXPECT_EQ(RunningLocationMaps(), 2u);
    EXPECT_NE(cards[0].path, cards[1].path);
    for (const RecordingOpener::Card& card : cards) {
        EXPECT_TRUE(card.picture);
        EXPECT_TRUE(std::filesystem::exists(card.path));
    }
    for (const RecordingOpener::Card& card : cards)
        card.closed();
    WaitForLocationMaps();
    EXPECT_TRUE(RamIsEmpty());
}

} // namespace
} // namespace kvilo::online
