// The real program's services around a start that stops: the settings store is opened and closed again,
// no window placement is written and no settings folder is made.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/program_actions.h"
#include "app/program_services.h"
#include "base/cp1251.h"
#include "core/framework/settings_store.h"
#include "core/listformat/brw_set.h"
#include "core/listformat/list_format.h"
#include "core/online/location_map.h"
#include "core/online/maker_site.h"
#include "core/shell/shell_open.h"
#include "gui/listcontrol/format_list.h"
#include "gui/listformat/set_brw_format.h"
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
        QCOMPARE(plain.siteAddress, std::string(online::kMakerSiteAddresses[0]));
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

    void theUpdateButtonChecksTheMakersSite() {
        framework::RecordingMessagePresenter messages;
        platform::SetCommandLine(std::vector<std::string>{"SITEURL=https://127.0.0.1:1"});
        QVERIFY(!app::ProgramBrowseActions().checkUpdate(81528));
        platform::SetCommandLine(std::vector<std::string>{});
        QCOMPARE(messages.messages.size(), size_t{1});
        QCOMPARE(messages.messages[0].text,
                 std::string("Не удалось получить информацию о наличии обновлений программы !"_ansi));
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

        // The map runs on a thread of its own; without coordinates it asks no service.
        actions.showMap({"1         ", "0", "55.70"});
        online::WaitForLocationMaps();
        QCOMPARE(messages.messages.size(), size_t{2});
        QCOMPARE(messages.messages[1].text, std::string("Нет доступа к данным GPS / ГЛОНАСС !"_ansi));
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

    // After the run above: the list settings dialog from the main window's settings button. " Нет" leaves the
    // list exactly as it was; " Да" keeps the changes, and the next run on the same settings folder brings
    // them back from lf.dat.
    void theListSettingsKeptWithYesComeBackInTheNextRun() {
        std::string kept;
        int keptFontSize = 0;
        RunClosingTheMainWindow([&](QWidget& window) {
            auto* list = window.findChild<listcontrol::FormatList*>("list");
            auto* settings = window.findChild<QPushButton*>("settingsButton");
            const std::string before = list->formatText();
            const int fontSize = list->fontSize();
            WhenSettingsOpen([](listformat::SetBrwFormatWindow& dialog) {
                ChangeColumns(dialog);
                QTest::mouseClick(dialog.findChild<QPushButton*>("noButton"), Qt::LeftButton);
            });
            settings->click();
            QCOMPARE(list->formatText(), before);
            QCOMPARE(list->fontSize(), fontSize);
            WhenSettingsOpen([](listformat::SetBrwFormatWindow& dialog) {
                ChangeColumns(dialog);
                QTest::mouseClick(dialog.findChild<QPushButton*>("yesButton"), Qt::LeftButton);
            });
            settings->click();
            kept = list->formatText();
            keptFontSize = list->fontSize();
        });
        const listformat::ListFormat keptFormat(kept);
        QCOMPARE(keptFormat.headerText(2), std::string("Л"_ansi));
        QCOMPARE(keptFormat.headerText(4), std::string("КПП"_ansi));
        QCOMPARE(keptFormat.width(4), 0);
        QCOMPARE(keptFontSize, 13); // 12 from the run before, one larger
        std::string reopened;
        int reopenedFontSize = 0;
        RunClosingTheMainWindow([&](QWidget& window) {
            auto* list = window.findChild<listcontrol::FormatList*>("list");
            reopened = list->formatText();
            reopenedFontSize = list->fontSize();
        });
        QCOMPARE(reopened, kept);
        QCOMPARE(reopenedFontSize, 13);
    }

private:
    // Runs `act` on the list settings dialog once it is open; a dialog left open is cancelled.
    static void WhenSettingsOpen(std::function<void(listformat::SetBrwFormatWindow&)> act) {
        QTimer::singleShot(0, [act] {
            auto* dialog = dynamic_cast<listformat::SetBrwFormatWindow*>(QApplication::activeModalWidget());
            if (!dialog) return;
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            act(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
    }
    // Hides "КПП", moves "Л" left past the group "Коды ФНС", and zooms in.
    static void ChangeColumns(listformat::SetBrwFormatWindow& dialog) {
        dialog.SelectEntry(3);
        QTest::keyClick(dialog.EntryList(), Qt::Key_Delete);
        dialog.SelectEntry(5);
        QTest::keyClick(dialog.EntryList(), Qt::Key_Left);
        QTest::mouseClick(dialog.findChild<QPushButton*>("zoomInButton"), Qt::LeftButton);
    }

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
