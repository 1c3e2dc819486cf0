#include "gui/framework/qt_message_presenter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QThread>

#include "core/framework/qt_text.h"
#include "platform/debug_output.h"

namespace kvilo::framework {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
    case MessageIcon::Application:
        return QMessageBox::NoIcon;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::Information;
}

// The window the box belongs to: the modal window in front, else the active one. The box opens centred on
// it; without one (before the first window, after the last) it opens centred on the screen.
QWidget* OwnerWindow() {
    QWidget* owner = QApplication::activeModalWidget();
    return owner ? owner : QApplication::activeWindow();
}

int ShowOnGuiThread(const Message& message) {
    QMessageBox box(BoxIcon(message.icon), ToQString(message.caption), MessageBoxText(message.text),
                    QMessageBox::NoButton, OwnerWindow());
    if (message.icon == MessageIcon::Application) {
        // The program's own icon stands for the system logo of the messages that report success.
        QIcon icon = QApplication::windowIcon();
        box.setIconPixmap(icon.isNull() ? box.style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32)
                                        : icon.pixmap(32));
    }
    std::vector<QPushButton*> buttons;
    for (const std::string& caption : message.buttons)
        buttons.push_back(box.addButton(ToQString(caption), QMessageBox::AcceptRole));
    if (buttons.empty()) buttons.push_back(box.addButton(ToQString(kCloseButton), QMessageBox::AcceptRole));
    if (message.defaultButton >= 1 && message.defaultButton <= static_cast<int>(buttons.size()))
        box.setDefaultButton(buttons[static_cast<size_t>(message.defaultButton - 1)]);
    // With one button, Escape chooses it, as the system box does; with several, Escape closes without a choice.
    if (buttons.size() == 1) box.setEscapeButton(buttons.front());
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i] == clicked) return static_cast<int>(i + 1);
    return 0;
}

} // namespace

QString MessageBoxText(const std::string& text) {
    return ToQString(text).replace(QLatin1Char('|'), QLatin1Char('\n'));
}

int QtMessagePresenter::Show(const Message& message) {
    // Without a widget application (a console front end, or before it exists) no box can be shown.
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (application == nullptr) {
        platform::DebugOutput("[message] " + message.caption + ": " + message.text);
        return message.defaultButton;
    }
    if (QThread::currentThread() == application->thread()) return ShowOnGuiThread(message);
    int answer = 0;
    QMetaObject::invokeMethod(
        application, [&] { answer = ShowOnGuiThread(message); }, Qt::BlockingQueuedConnection);
    return answer;
}

} // namespace kvilo::framework
