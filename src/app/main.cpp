// Kvilo: looks up Russian companies and sole traders in the state registers.
#include <QApplication>

#include "app/program_services.h"
#include "core/shell/shell_open.h"
#include "core/startup/build_info.h"
#include "core/startup/installation_probe.h"
#include "platform/command_line.h"

int main(int argc, char* argv[]) {
    kvilo::platform::SetCommandLine(argc, argv);
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Tarvelo");
    QApplication::setApplicationName("EGRUL");
    // The build this program file was compiled with, compared with what its core library reports.
    kvilo::startup::RunningInstallation installation(kvilo::startup::kProgramBuild);
    kvilo::app::ProgramServices services;
    kvilo::startup::FileVersionInfoReader reader;
    int result = kvilo::startup::RunProgram(installation, services, reader);
    // The web site may still be opening on its own thread.
    kvilo::shell::WaitForShellOpens();
    return result;
}
