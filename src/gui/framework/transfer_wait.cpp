#include "gui/framework/transfer_wait.h"

#include <QApplication>
#include <QEventLoop>
#include <thread>

namespace kvilo::framework {

void RunOffGuiThread(const std::function<void()>& work, WhileWaiting input) {
    const bool hold = input == WhileWaiting::HoldInput;
    if (hold) QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    std::thread worker([&work, &loop] {
        try {
            work();
        } catch (...) {
            // The caller reads the outcome it did not get as a failure.
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // Paint, timer and window-system events go on either way.
    loop.exec(hold ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents);
    worker.join();
    if (hold) QApplication::restoreOverrideCursor();
}

} // namespace kvilo::framework
