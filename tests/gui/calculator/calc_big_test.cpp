// The calculator window under the offscreen platform, driven by keys and clicks.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "base/cp1251.h"
#include "core/calculator/calc_captions.h"
#include "core/framework/error_manager.h"
#include "core/framework/qt_text.h"
#include "core/framework/settings_store.h"
#include "gui/calculator/calc_big.h"

using namespace kvilo::base::literals;
using kvilo::calculator::CalcBigWindow;
using kvilo::calculator::CalcField;
using kvilo::framework::ToQString;

namespace {

QString Q(const char* ansi) {
    return ToQString(ansi);
}

// A shown window with no goods line.
std::unique_ptr<CalcBigWindow> Open(const char* valueLabel, const char* value, int32_t packSize = 0) {
    auto window = std::make_unique<CalcBigWindow>("", "", "", valueLabel, value, packSize, false);
    window->show();
    return window;
}

void Click(CalcBigWindow& window, std::initializer_list<const char*> keys) {
    for (const char* key : keys)
        QTest::mouseClick(window.Key(key), Qt::LeftButton);
}

QString Text(const CalcBigWindow& window, CalcField field) {
    return window.Field(field)->text();
}

QColor Background(const QWidget* widget) {
    return widget->palette().color(QPalette::Base);
}

} // namespace

class CalcBigTest : public QObject {
    Q_OBJECT

private slots:
    void looksAsDesigned() {
        auto window = Open("Высота"_ansi, "9");
        QCOMPARE(window->windowTitle(), Q("Калькулятор"_ansi));
        QCOMPARE(window->Option(CalcField::Total)->text(), Q("Высота"_ansi));
        QVERIFY(!window->Option(CalcField::Packs)->isVisible());
        QVERIFY(!window->Field(CalcField::Pieces)->isVisible());
        QCOMPARE(Text(*window, CalcField::Total), QString("9"));
        QCOMPARE(Background(window->Field(CalcField::Total)), QColor(0xFF, 0xFF, 0xC0));
        for (const char* caption : {"7", "8",  "9", "C", "<<", "+1", "4", "5",  "6", "x", "+/-",
                                    "/", "-1", "1", "2", "3",  "-",  "0", "00", ".", "+", "="})
            QCOMPARE(window->Key(caption)->text(), QString(caption));
        QCOMPARE(window->ResultButton()->toolTip(), Q("Получить результат [ENTER]"_ansi));
        QCOMPARE(window->CancelButton()->toolTip(), Q("Отказаться от изменений"_ansi));
        QVERIFY(!window->ResultButton()->icon().isNull());
        QVERIFY(!window->CancelButton()->icon().isNull());
        QVERIFY(window->GoodsName() == nullptr);
        QCOMPARE(CalcBigWindow("Шаг"_ansi, "", "", "", "0", 0, false).windowTitle(), Q("Шаг"_ansi));
    }

    void typedDigitsReplaceTheStartingValueAndEnterReturnsThem() {
        auto window = Open("Высота"_ansi, "9");
        QTest::keyClicks(window.get(), "12");
        QCOMPARE(Text(*window, CalcField::Total), QString("12"));
        QTest::keyClick(window.get(), Qt::Key_Enter);
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QCOMPARE(window->Result(), 12.0);
    }

    void operatorsByClickAndByKey() {
        auto window = Open("", "0");
        Click(*window, {"7", "+", "5", "="});
        QCOMPARE(Text(*window, CalcField::Total), QString("12"));
        Click(*window, {"7", "+", "5", "+"});
        QCOMPARE(Text(*window, CalcField::Total), QString("12"));
        QTest::keyClicks(window.get(), "3=");
        QCOMPARE(Text(*window, CalcField::Total), QString("15"));
        QTest::keyClicks(window.get(), "1,5*4/3-1=");
        QCOMPARE(Text(*window, CalcField::Total), QString("1"));
    }

    void packsAndPieces() {
        auto window = Open("", "30", 12);
        QCOMPARE(window->Option(CalcField::Packs)->text(), Q("Фасовка (12)"_ansi));
        QCOMPARE(window->Option(CalcField::Pieces)->text(), Q("Штук"_ansi));
        QCOMPARE(window->Option(CalcField::Total)->text(), Q("Итог"_ansi));
        QCOMPARE(Text(*window, CalcField::Packs), QString("2"));
        QCOMPARE(Text(*window, CalcField::Pieces), QString("6"));

        QTest::mouseClick(window->Option(CalcField::Packs), Qt::LeftButton);
        QVERIFY(window->Option(CalcField::Packs)->isChecked());
        QTest::keyClick(window.get(), Qt::Key_3);
        QTest::keyClick(window.get(), Qt::Key_Down); // on to the pieces
        QTest::keyClick(window.get(), Qt::Key_6);
        QCOMPARE(Text(*window, CalcField::Total), QString("42"));
        QCOMPARE(Background(window->Field(CalcField::Pieces)), QColor(0xFF, 0xFF, 0xC0));
        QRadioButton* pieces = window->Option(CalcField::Pieces);
        QCOMPARE(pieces->palette().color(pieces->backgroundRole()), QColor(0xFF, 0xFF, 0xC0));
        QCOMPARE(Background(window->Field(CalcField::Total)), QColor(Qt::white));
        QTest::mouseClick(window->ResultButton(), Qt::LeftButton);
        QCOMPARE(window->Result(), 42.0);
    }

    void backspaceAndEscape() {
        auto window = Open("", "0");
        QTest::keyClick(window.get(), Qt::Key_5);
        QTest::keyClick(window.get(), Qt::Key_F9);
        QCOMPARE(Text(*window, CalcField::Total), QString("-5"));
        QTest::keyClick(window.get(), Qt::Key_Backspace);
        QCOMPARE(Text(*window, CalcField::Total), QString("0"));

        QTest::keyClicks(window.get(), "7+");
        QTest::keyClick(window.get(), Qt::Key_Escape); // something entered: Esc clears
        QVERIFY(window->isVisible());
        QCOMPARE(Text(*window, CalcField::Total), QString("0"));
        QCOMPARE(window->Engine().PendingOperator(), '=');
        QTest::keyClick(window.get(), Qt::Key_Escape); // nothing left to clear: Esc cancels
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
    }

    void cancelReturnsTheStartingValue() {
        auto window = Open("", "9");
        QTest::keyClicks(window.get(), "55+1");
        QTest::mouseClick(window->CancelButton(), Qt::LeftButton);
        QCOMPARE(window->result(), int(QDialog::Rejected));
        QCOMPARE(window->Result(), 9.0);
    }

    void passwordIsMaskedButAnErrorShows() {
        auto window = Open("Пароль на вход"_ansi, "0");
        QLineEdit* total = window->Field(CalcField::Total);
        QCOMPARE(total->echoMode(), QLineEdit::Password);
        QTest::keyClicks(window.get(), "1/0=");
        QCOMPARE(total->echoMode(), QLineEdit::Normal);
        QCOMPARE(total->text(), Q("Деление на ноль"_ansi));
        QTest::keyClick(window.get(), Qt::Key_Return); // no result over an error
        QVERIFY(window->isVisible());
        QTest::keyClick(window.get(), Qt::Key_Delete);
        QCOMPARE(total->echoMode(), QLineEdit::Password);
        QCOMPARE(total->text(), QString("0"));
    }

    void pasteAndCopy() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        auto window = Open("", "9");
        clipboard->setText(" 1 234,5\n");
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Text(*window, CalcField::Total), QString("1234.5"));
        clipboard->setText(QString(100, u'9'));
        QTest::keyClick(window.get(), Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(Text(*window, CalcField::Total), QString("1234.5"));
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QString("1234.5"));

        auto masked = Open("Ключ обмена"_ansi, "0");
        QTest::keyClicks(masked.get(), "4711");
        QTest::keyClick(masked.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QString("1234.5")); // a masked entry is never copied
    }

    void goodsLineAboveTheKeypad() {
        CalcBigWindow plain("", "", "", "", "0", 12, false);
        CalcBigWindow goods("", "4601234567890123456789", "Гвозди 100 мм"_ansi, "", "0", 12, true);
        QCOMPARE(goods.GoodsName()->text(), Q("Гвозди 100 мм"_ansi));
        QCOMPARE(goods.GoodsCode()->text(), QString("46012345678901234567"));
        QVERIFY(goods.sizeHint().height() > plain.sizeHint().height());
        QVERIFY(goods.Option(CalcField::Packs)->isChecked());
    }

    void calcBigRunsUnderItsProcedureNameAndKeepsItsPlace() {
        QTemporaryDir folder;
        kvilo::framework::SettingsStore store;
        store.Open((folder.path() + "/kvilo.ini").toStdString(), kvilo::framework::kSettingsIniFile);
        kvilo::framework::SettingsStore* previousStore = kvilo::framework::SetSettingsStore(&store);
        kvilo::framework::ErrorManager errors;
        kvilo::framework::ErrorManager* previousErrors = kvilo::framework::SetErrorManager(&errors);

        std::string procedureWhileOpen;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<CalcBigWindow*>(QApplication::activeModalWidget());
            QVERIFY(window != nullptr);
            QCOMPARE(window->objectName(), QString("CalcBig"));
            procedureWhileOpen = errors.TopProcedure();
            window->move(70, 80);
            QTest::keyClicks(window, "24");
            QTest::keyClick(window, Qt::Key_Return);
        });
        QCOMPARE(kvilo::calculator::CalcBig("", "", "", "Размер"_ansi, "11", 0, false), 24.0);
        QCOMPARE(procedureWhileOpen, std::string("CalcBig"));
        QCOMPARE(errors.TopProcedure(), std::string());
        QCOMPARE(store.Fetch("CalcBig", "XPos"), std::string("70"));
        QCOMPARE(store.Fetch("CalcBig", "Width"), std::string()); // one size only: none is kept

        QPoint reopenedAt;
        QTimer::singleShot(0, [&] {
            QWidget* window = QApplication::activeModalWidget();
            QVERIFY(window != nullptr);
            reopenedAt = window->pos();
            QTest::keyClick(window, Qt::Key_Escape);
        });
        QCOMPARE(kvilo::calculator::CalcBig("", "", "", "Размер"_ansi, "11", 0, false), 11.0);
        QCOMPARE(reopenedAt, QPoint(70, 80));

        kvilo::framework::SetErrorManager(previousErrors);
        kvilo::framework::SetSettingsStore(previousStore);
    }

    void screenshots() {
        QDir().mkpath(KVILO_BINARY_DIR "/screenshots");
        auto plain = Open("Высота"_ansi, "9");
        QTest::keyClicks(plain.get(), "12+3");
        QVERIFY(plain->grab().save(KVILO_BINARY_DIR "/screenshots/calculator.png"));
        CalcBigWindow goods("", "4601234567890", "Гвозди 100 мм"_ansi, "", "30", 12, true);
        goods.show();
        QVERIFY(goods.grab().save(KVILO_BINARY_DIR "/screenshots/calculator_packs.png"));
    }
};

QTEST_MAIN(CalcBigTest)
#include "calc_big_test.moc"
