// The update window AskUpdate and the update check it ends, under the offscreen platform, against the fake
// maker's site: the dates and choices, the choice that a network path takes away, the saved package and the
// package handed to the package installer.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"
#include "core/online/file_checksum.h"
#include "core/online/update_check.h"
#include "fake_services.h"
#include "gui/online/ask_update_window.h"
#include "online/maker_site.h"
#include "online_fake.h"
#include "platform/command_line.h"
#include "recording_launcher.h"

using namespace kvilo;
using namespace kvilo::base::literals;
using framework::ToQString;
using online::UpdateMode;

namespace {

const int32_t kBuildDate = base::DayNumber(2024, 3, 16);
constexpr const char* kProgram = "/usr/lib/kvilo/kvilo";

// Calls `answer` with the update window once it is open: the check fetches the version file first.
void WhenTheWindowOpens(QObject* context, std::function<void(online::AskUpdateWindow&)> answer) {
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto* window = dynamic_cast<online::AskUpdateWindow*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            answer(*window);
        }
    });
    timer->start(10);
}

} // namespace

class AskUpdateWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(server_.Start(), server_.Error().c_str()); }

    void init() {
        QVERIFY(server_.Reset());
        QVERIFY(testing::SiteControl(server_, "reset=1"));
        access_.trustAnchorsFile = server_.CertificateFile();
        platform::SetCommandLine(
            std::vector<std::string>{"RAM=" + ram_.path().toStdString(), "CAFILE=" + server_.CertificateFile(),
                                     "SITEURL=" + server_.HttpsUrl("") + "," + testing::SecondSiteUrl(server_)});
        published_ = online::FetchPublishedVersion(online::MakerSitesFromParameters(), 0, access_);
        QVERIFY(published_.Complete());
    }

    void cleanup() { platform::SetCommandLine(std::vector<std::string>{}); }

    void showsBothDatesAndOffersToInstall() {
        online::AskUpdateWindow window(kBuildDate, published_, kProgram, access_);
        QCOMPARE(window.windowTitle(), ToQString("Выполнить обновление программы ?"_ansi));
        QCOMPARE(window.findChild<QTabWidget*>()->tabText(0), ToQString(" Параметры "_ansi));
        QCOMPARE(window.RunningDate()->text(), ToQString("16.03.2024 г."_ansi));
        QCOMPARE(window.PublishedDate()->text(), ToQString("15.06.2025 г."_ansi));
        QCOMPARE(window.Choice(UpdateMode::Install)->text(), ToQString("&1. Загрузить и установить"_ansi));
        QCOMPARE(window.Choice(UpdateMode::SavePackage)->text(), ToQString("&2. Загрузить установочный комплект"_ansi));
        QVERIFY(window.Choice(UpdateMode::Install)->isEnabled());
        QVERIFY(window.Choice(UpdateMode::Install)->isChecked());
        QCOMPARE(window.YesButton()->text(), ToQString(" Да"_ansi));
        QCOMPARE(window.YesButton()->toolTip(), ToQString("Выполнить операцию"_ansi));
        QCOMPARE(window.NoButton()->text(), ToQString(" Нет"_ansi));
        QCOMPARE(window.NoButton()->toolTip(), ToQString("Отказаться от выполнения операции"_ansi));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.Progress()->isVisible());
        QDir().mkpath(KVILO_BINARY_DIR "/screenshots");
        QVERIFY(window.grab().save(KVILO_BINARY_DIR "/screenshots/ask_update.png"));
        QTest::mouseClick(window.NoButton(), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.InstallerStarted());
    }

    void aProgramOnANetworkPathCanOnlySaveThePackage() {
        online::AskUpdateWindow window(kBuildDate, published_, "//server/programs/kvilo/kvilo", access_);
        QVERIFY(!window.Choice(UpdateMode::Install)->isEnabled());
        QVERIFY(window.Choice(UpdateMode::SavePackage)->isChecked());
    }

    void choiceTwoSavesThePackageWhereTheUserSays() {
        framework::RecordingMessagePresenter messages;
        online::AskUpdateWindow window(kBuildDate, published_, kProgram, access_);
        QString proposed;
        const QString target = ram_.filePath("saved.deb");
        window.SetSavePathAsker([&](QWidget*, const QString& offered) {
            proposed = offered;
            return target;
        });
        window.Choice(UpdateMode::SavePackage)->setChecked(true);
        window.show();
        QTest::mouseClick(window.YesButton(), Qt::LeftButton);
        QCOMPARE(proposed, QDir::home().filePath("kvilo_1.1.0_amd64.deb"));
        QVERIFY(!window.isVisible());
        QVERIFY(!window.InstallerStarted());
        QCOMPARE(QFileInfo(target).size(), qint64(fake::kPackageSize));
        QCOMPARE(messages.messages.size(), size_t{1});
        QVERIFY(ToQString(messages.messages[0].text)
                    .startsWith(ToQString("Установочный комплект программы успешно загружен"_ansi)));
    }

    void aCancelledFileDialogKeepsTheWindowOpen() {
        online::AskUpdateWindow window(kBuildDate, published_, kProgram, access_);
        window.SetSavePathAsker([](QWidget*, const QString&) { return QString(); });
        window.Choice(UpdateMode::SavePackage)->setChecked(true);
        window.show();
        QTest::mouseClick(window.YesButton(), Qt::LeftButton);
        QVERIFY(window.isVisible());
        QVERIFY(window.Choice(UpdateMode::SavePackage)->isEnabled());
        QVERIFY(server_.Requests("/download/").empty());
    }

    // The update button's whole check: the version file, the window, the checked package to the installer.
    void theCheckHandsTheVerifiedPackageToTheInstaller() {
        testing::RecordingLauncher launcher;
        framework::RecordingMessagePresenter messages;
        bool offered = false;
        WhenTheWindowOpens(this, [&offered](online::AskUpdateWindow& window) {
            offered = window.Choice(UpdateMode::Install)->isChecked();
            QTest::mouseClick(window.YesButton(), Qt::LeftButton);
        });
        QVERIFY(online::CheckForUpdate(kBuildDate));
        QVERIFY(offered);
        QCOMPARE(launcher.installed.size(), size_t{1});
        const std::string package = launcher.installed[0].target;
        QVERIFY(QString::fromStdString(package).startsWith(ram_.path() + "/"));
        QVERIFY(QString::fromStdString(package).endsWith(".deb"));
        QCOMPARE(online::Sha256OfFile(package), published_.sha256);
        QVERIFY(messages.messages.empty());
    }

    void aBuildAsNewAsThePublishedOneIsToldSo() {
        framework::RecordingMessagePresenter messages;
        QVERIFY(!online::CheckForUpdate(published_.date));
        QCOMPARE(messages.messages.size(), size_t{1});
        QCOMPARE(ToQString(messages.messages[0].caption), ToQString("Информация"_ansi));
    }

private:
    testsupport::FakeServices server_{testsupport::FakeServices::Options{.https = true}};
    QTemporaryDir ram_;
    http::OutsideAccess access_;
    online::PublishedVersion published_;
};

QTEST_MAIN(AskUpdateWindowTest)
#include "ask_update_window_test.moc"
