// The "Errors History" window lists what the manager kept.
#include "gui/framework/error_manager_history_window.h"

#include <QTableWidget>
#include <QtTest>

#include "core/framework/qt_text.h"

namespace kvilo::framework {

using namespace base::literals;

class ErrorHistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheKeptMessagesNewestLast() {
        RecordingMessagePresenter presenter;
        ErrorManager manager;
        manager.SetHistoryThreshold(2);
        for (const char* name : {"one", "two", "three"})
            manager.ThrowMessage(30, name);
        manager.ThrowMessage(19, "А, Б"_ansi);
        ErrorHistoryWindow window(manager.History());
        QCOMPARE(window.windowTitle(), QString("Errors History"));
        const QTableWidget& table = window.Table();
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(table.item(0, 1)->text(), QString::fromUtf8("Процедура three не была определена."));
        QCOMPARE(table.item(1, 1)->text(), QString::fromUtf8("Значение  должно быть в списке: А, Б."));
        QCOMPARE(table.item(1, 0)->text(), QString::number(ThreadNumber()));
    }

    void lineBreaksShowAsInTheBox() {
        ErrorHistoryWindow window({{"first|second", 7}});
        QCOMPARE(window.Table().item(0, 1)->text(), QString("first\nsecond"));
    }
};

} // namespace kvilo::framework

QTEST_MAIN(kvilo::framework::ErrorHistoryWindowTest)
#include "error_manager_history_window_test.moc"
