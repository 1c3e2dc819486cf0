// Kvilo: looks up Russian companies and sole traders in the state registers.
#include <QApplication>

#include "app/shell_open.h"
#include "framework/message_presenter.h"
#include "framework/qt_message_presenter.h"
#include "platform/command_line.h"

int main(int argc, char* argv[]) {
    kvilo::platform::SetCommandLine(argc, argv);
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Tarvelo");
    QApplication::setApplicationName("EGRUL");
    kvilo::framework::QtMessagePresenter presenter;
    kvilo::framework::SetMessagePresenter(&presenter);

    // The start-up checks and the main window come here.

    kvilo::app::WaitForShellOpens();
    kvilo::framework::SetMessagePresenter(nullptr);
    return 0;
}
