// Kvilo: looks up Russian companies and sole traders in the state registers.
#include <QApplication>

#include "app/installation_probe.h"
#include "app/program_services.h"
#include "app/shell_open.h"
#include "platform/command_line.h"

int main(int argc, char* argv[]) {
    kvilo::platform::SetCommandLine(argc, argv);
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Tarvelo");
    QApplication::setApplicationName("EGRUL");
    kvilo::app::RunningInstallation installation;
    kvilo::app::ProgramServices services;
    kvilo::app::FileVersionInfoReader reader;
    int result = kvilo::app::RunProgram(installation, services, reader);
    // The web site may still be opening on its own thread.
    kvilo::app::WaitForShellOpens();
    return result;
}
