// Start-up to the main window shown, on the offscreen platform: the installation checks against the
// program's own libraries beside this program, the services, and Browse_EGRUL built and shown. Budget: 0.5 s.
// Run with no "lf.dat" (the designed list) and with one of 100 list entries, the main list's among them
// customised (the stored format may add under 20 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "app/program_services.h"
#include "core/framework/message_presenter.h"
#include "core/listformat/brw_set.h"
#include "core/listformat/brw_settings.h"
#include "core/startup/build_info.h"
#include "core/startup/installation_probe.h"
#include "gui/browse/browse_window.h"
#include "gui/listcontrol/format_list.h"

namespace {

// The program's services, except that the main window closes again as soon as it is shown.
class TimedServices : public kvilo::app::ProgramServices {
public:
    void RunMainWindow(int32_t buildDate) override {
        kvilo::browse::BrowseOptions options;
        options.buildDate = buildDate;
        kvilo::browse::BrowseWindow window(std::move(options));
        window.show();
        shown = QTest::qWaitForWindowExposed(&window);
        shownAt = std::chrono::steady_clock::now();
        listFontSize = window.findChild<kvilo::listcontrol::FormatList*>("list")->fontSize();
        window.close();
    }

    bool shown = false;
    std::chrono::steady_clock::time_point shownAt;
    int listFontSize = 0;
};

// The settings file where start-up finds it (the per-user folder under XDG_DATA_HOME): none, or 100 list
// entries of which the main list's is zoomed in twice, reordered, with its own colours and font.
void PrepareSettingsFile(bool stored) {
    const QString folder = qEnvironmentVariable("XDG_DATA_HOME") + "/Tarvelo/Egrul";
    QDir().mkpath(folder);
    const std::string path = (folder + "/lf.dat").toStdString();
    QFile::remove(QString::fromStdString(path));
    if (!stored) return;
    kvilo::listformat::ListFormat format(kvilo::browse::kBrowseListFormat);
    for (int c = 1; c <= format.columnCount(); ++c)
        if (format.width(c) > 0) format.setWidth(c, format.width(c) + 10);
    format.moveItem(1, 4);
    std::vector<kvilo::listformat::BrwMemEntry> entries(100);
    for (size_t i = 0; i < entries.size(); ++i) {
        kvilo::listformat::BrwMemEntry& entry = entries[i];
        entry.idBrowse = i == 0 ? std::string(kvilo::listformat::kMainListId) : "BrwList" + std::to_string(i);
        entry.defFormat = kvilo::browse::kBrowseListFormat;
        entry.curFormat = i == 0 ? format.text() : entry.defFormat;
        entry.appearance = {1, 3, 14, 11, 13, 2, 60};
    }
    kvilo::listformat::BrwSet(path).Save(entries);
}

void BM_StartupToMainWindowShown(benchmark::State& state) {
    const bool stored = state.range(0) != 0;
    state.SetLabel(stored ? "lf.dat with 100 lists" : "no lf.dat");
    PrepareSettingsFile(stored);
    for (auto _ : state) {
        // A run without a stored format must not find the file that the run before it wrote.
        if (!stored) PrepareSettingsFile(false);
        kvilo::startup::RunningInstallation installation(kvilo::startup::kProgramBuild);
        TimedServices services;
        // A failed check must report, not wait for a click on a message box nobody sees.
        kvilo::framework::RecordingMessagePresenter messages;
        kvilo::startup::FileVersionInfoReader reader;
        auto start = std::chrono::steady_clock::now();
        int result = kvilo::startup::RunProgram(installation, services, reader);
        if (result != 0 || !services.shown) {
            std::string why = messages.messages.empty() ? "the window was not exposed" : messages.messages[0].text;
            state.SkipWithError(("start-up stopped before the main window was shown: " + why).c_str());
            break;
        }
        if (services.listFontSize != (stored ? 13 : 11)) {
            state.SkipWithError("the main list did not open in the format prepared for it");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(services.shownAt - start).count());
    }
}
BENCHMARK(BM_StartupToMainWindowShown)
    ->ArgName("stored")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings store and the settings folder go to a scratch home, not the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
