// The real program's services around a start that stops: the settings store is opened and closed again,
// no window placement is written and no settings folder is made.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/program_actions.h"
#include "app/program_services.h"
#include "base/cp1251.h"
#include "core/framework/settings_store.h"
#include "core/listformat/brw_set.h"
#include "core/shell/shell_open.h"
#include "gui/listcontrol/format_list.h"
#include "installation_fixture.h"
#include "platform/command_line.h"
#include "recording_launcher.h"

using namespace kvilo;
using namespace kvilo::base::literals;

class ProgramServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("XDG_CONFIG_HOME", (home_.path() + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (home_.path() + "/data").toUtf8());
        QApplication::setOrganizationName("Tarvelo");
        QApplication::setApplicationName("EGRUL");
    }

    void aMissingDataFolderTouchesNoSettingsFile() {
        startup::InstallationFixture installation;
        installation.RemoveDataFolder();
        app::ProgramServices services;
        framework::RecordingMessagePresenter messages;
        startup::FileVersionInfoReader reader;
        QCOMPARE(startup::RunProgram(installation, services, reader), 1);
        QCOMPARE(messages.messages.size(), size_t{1});
        QCOMPARE(framework::CurrentSettingsStore(), nullptr);
        QVERIFY(!QFileInfo::exists(home_.path() + "/data/Tarvelo"));
        QVERIFY(NoWindowWasPlaced());
    }

    void aMissingLibraryClosesTheStoreAndSetsTheDefaultFont() {
        startup::InstallationFixture installation;
        QFile::remove(QString::fromStdString(installation.LibraryPath(0)));
        app::ProgramServices services;
        framework::RecordingMessagePresenter messages;
        startup::FileVersionInfoReader reader;
        QCOMPARE(startup::RunProgram(installation, services, reader), 1);
        QCOMPARE(messages.messages.size(), size_t{1});
        QCOMPARE(framework::CurrentSettingsStore(), nullptr);
        QCOMPARE(QApplication::font().pointSize(), 11);
        QVERIFY(!QFileInfo::exists(home_.path() + "/data/Tarvelo"));
        QVERIFY(NoWindowWasPlaced());
    }

    void theWindowsOptionsComeFromTheCommandLine() {
        platform::SetCommandLine(std::vector<std::string>{});
        browse::BrowseOptions plain = app::ProgramBrowseOptions(81528);
        QCOMPARE(plain.buildDate, 81528);
        QVERIFY(!plain.demo);
        QCOMPARE(plain.siteAddress, std::string(app::kMakerSite));
        QCOMPARE(plain.services.urls.suggestBase, std::string(lookup::kDefaultSuggestBase));
        QCOMPARE(plain.services.token, std::string(lookup::kAccessToken));
        QVERIFY(plain.services.access.trustAnchorsFile.empty());

        platform::SetCommandLine(std::vector<std::string>{"SUGGESTURL=http://127.0.0.1:8080",
                                                          "SITEURL=http://127.0.0.1:9/", "CAFILE=/tmp/fake.pem"});
        framework::SettingsStore store;
        store.Open((home_.path() + "/token.ini").toStdString(), framework::kSettingsIniFile);
        store.Update(lookup::kTokenSection, lookup::kTokenEntry, "stored-token");
        framework::SetSettingsStore(&store);
        browse::BrowseOptions demo = app::ProgramBrowseOptions(81528);
        framework::SetSettingsStore(nullptr);
        QVERIFY(demo.demo);
        QCOMPARE(demo.siteAddress, std::string("http://127.0.0.1:9/"));
        QCOMPARE(demo.services.urls.suggestBase, std::string("http://127.0.0.1:8080"));
        QCOMPARE(demo.services.access.trustAnchorsFile, std::string("/tmp/fake.pem"));
        QCOMPARE(demo.services.token, std::string("stored-token"));
        QVERIFY(demo.actions.openCard && demo.actions.exportList && demo.actions.showMap && demo.actions.listSettings &&
                demo.actions.checkUpdate && demo.actions.screenKeyboard && demo.actions.openSite);
        platform::SetCommandLine(std::vector<std::string>{});
    }

    void functionsNotBuiltYetSaySo() {
        framework::RecordingMessagePresenter messages;
        lookup::BrowseActions actions = app::ProgramBrowseActions();
        actions.listSettings();
        QVERIFY(!actions.checkUpdate(81528));
        QCOMPARE(messages.messages.size(), size_t{2});
        for (const framework::Message& message : messages.messages)
            QVERIFY(message.text.find("ещё не сделана"_ansi) != std::string::npos);
    }

    void theCardTheExportAndTheMapAreWired() {
        framework::RecordingMessagePresenter messages;
        lookup::BrowseActions actions = app::ProgramBrowseActions();
        QString cardTitle;
        QTimer::singleShot(0, [&] {
            if (QWidget* card = QApplication::activeModalWidget()) {
                cardTitle = card->windowTitle();
                card->close();
            }
        });
        actions.openCard(lookup::PartyRecord{});
        QCOMPARE(cardTitle, QString("Просмотр выписки ЕГРЮЛ"));

        actions.exportList({}, "");
        QCOMPARE(messages.messages.size(), size_t{0}); // an empty list exports nothing
        // A folder nobody may write to: the export runs and reports the file it could not write.
        platform::SetCommandLine(std::vector<std::string>{"RAM=/proc"});
        actions.exportList({lookup::PartyRow{}}, "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi);
        platform::SetCommandLine(std::vector<std::string>{});
        QCOMPARE(messages.messages.size(), size_t{1});
        QCOMPARE(messages.messages[0].text, std::string("Отсутствует файл XLSX для выполнения операции !"_ansi));
        // A written workbook opens in the associated application, on a thread of its own.
        {
            kvilo::testing::RecordingLauncher launcher;
            QTemporaryDir ram;
            platform::SetCommandLine(std::vector<std::string>{"RAM=" + ram.path().toStdString()});
            actions.exportList({lookup::PartyRow{}}, "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi);
            platform::SetCommandLine(std::vector<std::string>{});
            shell::WaitForShellOpens();
            QCOMPARE(messages.messages.size(), size_t{1});
            QCOMPARE(launcher.opened.size(), size_t{1});
            const QFileInfo opened(QString::fromStdString(launcher.opened[0].target));
            QCOMPARE(opened.absolutePath(), QFileInfo(ram.path()).absoluteFilePath());
            QCOMPARE(opened.suffix(), QString("xlsx"));
            QVERIFY(opened.exists());
            QCOMPARE(launcher.opened[0].parameters, std::string());
        }

        actions.showMap({"1         ", "37.59", "55.70"});
        QCOMPARE(messages.messages.size(), size_t{2});
        QVERIFY(messages.messages[1].text.find("Широта: 55.70, долгота: 37.59"_ansi) != std::string::npos);
    }

    // Last: it places the main window. The run opens the main list, so its end writes lf.dat in the settings
    // folder, and the next run opens the list as it was left.
    void aRunThatShowedTheMainListWritesItToLfDat() {
        const QString file = home_.path() + "/data/Tarvelo/Egrul/lf.dat";
        QVERIFY(!QFileInfo::exists(file));
        RunClosingTheMainWindow([](QWidget& window) {
            auto* list = window.findChild<listcontrol::FormatList*>("list");
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        });
        listformat::BrwSetRecord record;
        QCOMPARE(listformat::BrwSet(file.toStdString()).Read("BrwEGRUL", record),
                 listformat::BrwSet::ReadResult::Found);
        QCOMPARE(record.defFormat, std::string(browse::kBrowseListFormat));
        QCOMPARE(record.appearance.fontSize, 12);
        int fontSize = 0;
        RunClosingTheMainWindow(
            [&](QWidget& window) { fontSize = window.findChild<listcontrol::FormatList*>("list")->fontSize(); });
        QCOMPARE(fontSize, 12);
    }

private:
    // Runs the whole program; `act` runs on the main window once it is shown, which is then closed.
    void RunClosingTheMainWindow(const std::function<void(QWidget&)>& act) {
        startup::InstallationFixture installation;
        app::ProgramServices services;
        framework::RecordingMessagePresenter messages;
        startup::FileVersionInfoReader reader;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->objectName() != "Browse_EGRUL" || !window->isVisible()) continue;
                poll.stop();
                act(*window);
                window->close();
            }
        });
        poll.start(10);
        QCOMPARE(startup::RunProgram(installation, services, reader), 0);
        QVERIFY(messages.messages.empty());
    }

    // The settings store holds no window section (it may hold the store's own list of sections).
    bool NoWindowWasPlaced() const {
        QSettings settings(home_.path() + "/config/Tarvelo/EGRUL.conf", QSettings::IniFormat);
        return !settings.childGroups().contains("Browse_EGRUL");
    }

    QTemporaryDir home_;
};

QTEST_MAIN(ProgramServicesTest)
#include "program_services_test.moc"
