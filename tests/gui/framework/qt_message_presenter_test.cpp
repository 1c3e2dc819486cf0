#include "gui/framework/qt_message_presenter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <thread>

#include "base/cp1251.h"
#include "core/framework/qt_text.h"

using namespace kvilo::framework;
using namespace kvilo::base::literals;

namespace {

struct SeenBox {
    QString title, text;
    QStringList buttons;
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool stillOpenAfterEscape = false;
};

// Reads the open box back and then presses the button with the given index; with pressEscapeFirst, Escape
// is tried before and `seen.stillOpenAfterEscape` tells whether the box survived it.
void AnswerNextBox(SeenBox& seen, int buttonIndex, bool pressEscapeFirst = false) {
    // Polls, because the box may be opened later by a call queued from another thread.
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen, buttonIndex, pressEscapeFirst] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        timer->stop();
        timer->deleteLater();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        QList<QAbstractButton*> buttons = box->buttons();
        for (QAbstractButton* button : buttons)
            seen.buttons << button->text();
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text();
        if (pressEscapeFirst) {
            QTest::keyClick(box, Qt::Key_Escape);
            seen.stillOpenAfterEscape = QApplication::activeModalWidget() == box && box->isVisible();
            if (!seen.stillOpenAfterEscape) return;
        }
        buttons.at(buttonIndex)->click();
    });
    timer->start();
}

} // namespace

class QtMessagePresenterTest : public QObject {
    Q_OBJECT
private slots:
    void showsTextCaptionAndButtons() {
        QtMessagePresenter presenter;
        Message message;
        message.caption = "Внимание !"_ansi;
        message.text = "Первая строка|Проблемная папка: /x||Конец|"_ansi;
        message.buttons = {"Увидел(а)"_ansi};
        SeenBox seen;
        AnswerNextBox(seen, 0);
        QCOMPARE(presenter.Show(message), 1);
        QCOMPARE(seen.title, QString::fromUtf8("Внимание !"));
        QCOMPARE(seen.text, QString::fromUtf8("Первая строка\nПроблемная папка: /x\n\nКонец\n"));
        QCOMPARE(seen.buttons, QStringList{QString::fromUtf8("Увидел(а)")});
        QCOMPARE(seen.icon, QMessageBox::Information);
    }

    void customButtonsKeepTheirAccessKeysAndTheDefault() {
        QtMessagePresenter presenter;
        Message message;
        message.icon = MessageIcon::Warning;
        message.buttons = {"&1. Да"_ansi, "&2. Нет"_ansi};
        message.defaultButton = 2;
        SeenBox seen;
        AnswerNextBox(seen, 1);
        QCOMPARE(presenter.Show(message), 2);
        QCOMPARE(seen.buttons, (QStringList{QString::fromUtf8("&1. Да"), QString::fromUtf8("&2. Нет")}));
        QCOMPARE(seen.defaultButton, QString::fromUtf8("&2. Нет"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
    }

    // As with the system box: with a choice to make, Escape does not slip past it.
    void escapeWithSeveralButtonsDoesNotChoose() {
        QtMessagePresenter presenter;
        Message message;
        message.buttons = {"a", "b"};
        SeenBox seen;
        AnswerNextBox(seen, 0, true);
        QCOMPARE(presenter.Show(message), 1);
        QVERIFY(seen.stillOpenAfterEscape);
    }

    void escapeWithOneButtonChoosesIt() {
        QtMessagePresenter presenter;
        SeenBox seen;
        AnswerNextBox(seen, 0, true);
        QCOMPARE(presenter.Show(Message{}), 1);
        QVERIFY(!seen.stillOpenAfterEscape);
        QCOMPARE(seen.buttons, QStringList{QString::fromUtf8("&1. Закрыть")});
    }

    void showsOnTheGuiThreadWhenCalledFromAnother() {
        QtMessagePresenter presenter;
        Message message;
        message.text = "from a worker";
        SeenBox seen;
        int answer = -1;
        AnswerNextBox(seen, 0);
        std::thread worker([&] { answer = presenter.Show(message); });
        QTRY_COMPARE(seen.text, QString("from a worker"));
        worker.join();
        QCOMPARE(answer, 1);
    }

    void textBorderConverts1251() {
        QCOMPARE(ToQString("\xC6"), QString::fromUtf8("Ж"));
        QCOMPARE(FromQString(QString::fromUtf8("Ж")), std::string("\xC6"));
        QCOMPARE(FromQString(QString::fromUtf8("é")), std::string("?"));
        std::string all;
        for (int b = 1; b < 256; ++b)
            all += static_cast<char>(b);
        QCOMPARE(FromQString(ToQString(all)), all);
    }
};

QTEST_MAIN(QtMessagePresenterTest)
#include "qt_message_presenter_test.moc"
