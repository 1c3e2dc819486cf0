// The colour chooser AskColor under the offscreen platform: what it opens on, what a press returns, what
// cancelling keeps, and how it looks.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "base/cp1251.h"
#include "core/framework/error_manager.h"
#include "core/framework/qt_text.h"
#include "core/framework/settings_store.h"
#include "core/listformat/color_palette.h"
#include "gui/listformat/ask_color_window.h"

using namespace kvilo;
using namespace kvilo::base::literals;
using kvilo::framework::ToQString;

namespace {

// Runs `act` on the chooser once it is open (the call that opens it does not return before it closes).
void WhenOpen(std::function<void(listformat::AskColorWindow&)> act) {
    QTimer::singleShot(0, [act] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* chooser = dynamic_cast<listformat::AskColorWindow*>(window);
        if (!chooser) return;
        act(*chooser);
    });
}

} // namespace

class AskColorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        store_ = std::make_unique<framework::SettingsStore>();
        store_->Open((folder_.path() + "/placement.ini").toStdString(), framework::kSettingsIniFile);
        framework::SetSettingsStore(store_.get());
    }
    void cleanup() {
        framework::SetSettingsStore(nullptr);
        store_.reset();
    }

    void showsThePaletteInTwoBlocksUnderItsCaptions() {
        listformat::AskColorWindow window(0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), ToQString("Выбор маркера"_ansi));
        QVERIFY(window.findChild<QLabel*>()->text() == ToQString("Выберите маркер"_ansi));
        auto* tabs = window.findChild<QTabWidget*>();
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), ToQString(" Маркеры "_ansi));
        auto* cancel = window.findChild<QPushButton*>("cancelButton");
        QCOMPARE(cancel->text(), ToQString(" Отменить"_ansi));
        QCOMPARE(cancel->toolTip(), ToQString("Отказаться от выбора маркера"_ansi));
        QVERIFY(window.ColourButton(0)->text().isEmpty());
        QVERIFY(!window.ColourButton(0)->icon().isNull());
        QCOMPARE(window.ColourButton(1)->text(), QString("01"));
        QCOMPARE(window.ColourButton(35)->text(), QString("35"));
        // Each button shows its colour: 14 is 0xFF0000, blue in 0x00BBGGRR.
        const QImage blue = window.ColourButton(14)->grab().toImage();
        QCOMPARE(blue.pixelColor(blue.width() / 4, blue.height() / 2), QColor(0, 0, 255));
        const QImage rose = window.ColourButton(21)->grab().toImage();
        QCOMPARE(rose.pixelColor(rose.width() / 4, rose.height() / 2), QColor(0xFF, 0xE4, 0xB5));
        // 01-17 above the line, 18-35 below it.
        QVERIFY(window.ColourButton(17)->y() < window.ColourButton(18)->y());
        QCOMPARE(window.ColourButton(18)->x(), window.ColourButton(0)->x());
        QDir().mkpath(KVILO_BINARY_DIR "/screenshots");
        QVERIFY(window.grab().save(KVILO_BINARY_DIR "/screenshots/ask_color.png"));
    }

    void opensWithTheFocusOnTheGivenColour() {
        listformat::AskColorWindow window(12);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window.ColourButton(12)));
    }

    void openingOnNoColourOrAnOddValueLeavesTheDefaultFocus() {
        for (int index : {0, 200}) {
            listformat::AskColorWindow window(index);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            for (int c = 1; c <= listformat::kPaletteSize; ++c)
                QVERIFY(QApplication::focusWidget() != window.ColourButton(c));
        }
    }

    void pressingAColourReturnsItsIndex() {
        uint8_t index = 5;
        WhenOpen([](listformat::AskColorWindow& w) { QTest::mouseClick(w.ColourButton(23), Qt::LeftButton); });
        listformat::AskColor(index);
        QCOMPARE(index, uint8_t{23});
        WhenOpen([](listformat::AskColorWindow& w) { QTest::mouseClick(w.ColourButton(0), Qt::LeftButton); });
        listformat::AskColor(index);
        QCOMPARE(index, uint8_t{0});
    }

    void cancellingOrClosingKeepsTheIndexAsItWas() {
        for (uint8_t start : {uint8_t{7}, uint8_t{200}}) {
            uint8_t index = start;
            WhenOpen([](listformat::AskColorWindow& w) {
                QTest::mouseClick(w.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
            });
            listformat::AskColor(index);
            QCOMPARE(index, start);
            WhenOpen([](listformat::AskColorWindow& w) { w.close(); });
            listformat::AskColor(index);
            QCOMPARE(index, start);
        }
    }

    void keepsItsProcedureNameAndPlacement() {
        framework::ErrorManager manager;
        framework::ErrorManager* previous = framework::SetErrorManager(&manager);
        std::string whileOpen;
        uint8_t index = 1;
        WhenOpen([&](listformat::AskColorWindow& w) {
            whileOpen = manager.TopProcedure();
            w.reject();
        });
        listformat::AskColor(index);
        framework::SetErrorManager(previous);
        QCOMPARE(whileOpen, std::string("AskColor"));
        QCOMPARE(manager.TopProcedure(), std::string());
        QCOMPARE(store_->Fetch("AskColor", "Maximize"), std::string("No"));
    }

private:
    QTemporaryDir folder_;
    std::unique_ptr<framework::SettingsStore> store_;
};

QTEST_MAIN(AskColorWindowTest)
#include "ask_color_window_test.moc"
