// Start-up to the main window shown, on the offscreen platform: the installation checks against the
// program's own libraries beside this program, the services, and Browse_EGRUL built and shown. Budget: 0.5 s.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>

#include "app/program_services.h"
#include "core/framework/message_presenter.h"
#include "core/startup/build_info.h"
#include "core/startup/installation_probe.h"
#include "gui/browse/browse_window.h"

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
        window.close();
    }

    bool shown = false;
    std::chrono::steady_clock::time_point shownAt;
};

void BM_StartupToMainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
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
        state.SetIterationTime(std::chrono::duration<double>(services.shownAt - start).count());
    }
}
BENCHMARK(BM_StartupToMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

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
