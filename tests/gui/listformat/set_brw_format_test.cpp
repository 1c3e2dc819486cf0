// The list settings dialog SetBrwFormat over a real list control, under the offscreen platform: its tabs and
// texts, the buttons, keys and menu on the owner's list, " Нет" and " Да", the search field, the calculator
// buttons, bad input, and how it looks.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "base/cp1251.h"
#include "core/framework/error_manager.h"
#include "core/framework/qt_text.h"
#include "core/framework/settings_store.h"
#include "core/listformat/apply_brw_format.h"
#include "core/listformat/list_format_stores.h"
#include "designed_format.h"
#include "gui/calculator/calc_big.h"
#include "gui/listcontrol/format_list.h"
#include "gui/listcontrol/list_control_adapter.h"
#include "gui/listformat/appearance_page.h"
#include "gui/listformat/ask_color_window.h"
#include "gui/listformat/set_brw_format.h"

using namespace kvilo;
using namespace kvilo::base::literals;
using kvilo::framework::ToQString;
using listformat::SetBrwFormatWindow;

namespace {

// Runs `act` on the next modal window once it is open (the call that opens it returns when it closes). A
// window that `act` left open (a failed check returns early) is cancelled, so a failure never hangs the test.
template <class Window> void WhenOpen(std::function<void(Window&)> act) {
    QTimer::singleShot(0, [act] {
        QPointer<QDialog> window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // Keys reach the window's shortcuts only once it is the active window.
        if (window && !QTest::qWaitForWindowActive(window)) qWarning("the modal window did not become active");
        if (auto* wanted = dynamic_cast<Window*>(window.data())) act(*wanted);
        if (window && window->isVisible()) window->reject();
    });
}

QString Q(const char* ansi) {
    return ToQString(ansi);
}

// An owner window with the designed main list, opened the way its window opens it.
struct Owner {
    explicit Owner(const std::string& format = testing::kDesignedFormat) {
        window.setWindowTitle(Q("Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi));
        auto* layout = new QVBoxLayout(&window);
        list = new listcontrol::FormatList;
        list->setObjectName("list");
        layout->addWidget(list);
        list->setFormatText(format);
        control = std::make_unique<listcontrol::FormatListControl>(*list);
        settings = listformat::BrwSettings{control.get(), "BrwTest", {}, format};
        listformat::ApplyBrwFormat(listformat::kBrwLoad, settings);
        window.resize(800, 400);
        window.show();
    }
    // What " Нет" must give back exactly.
    struct State {
        std::string format;
        std::string font;
        int fontSize;
        int lineHeight;
        long grid;
        long bar;
        int wheel;
        bool operator==(const State&) const = default;
    };
    State Now() const {
        return {list->formatText(), list->fontName(),  list->fontSize(), list->lineHeight(),
                list->gridColour(), list->barColour(), list->wheelStep()};
    }

    QWidget window;
    listcontrol::FormatList* list = nullptr;
    std::unique_ptr<listcontrol::FormatListControl> control;
    listformat::BrwSettings settings;
};

QPushButton* Button(const QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(name);
}

// The entry list's rows as "number name width".
QStringList Rows(const SetBrwFormatWindow& dialog) {
    QStringList rows;
    QTableWidget* entries = dialog.EntryList();
    for (int row = 0; row < entries->rowCount(); ++row)
        rows << entries->item(row, 0)->text() + " " + entries->item(row, 2)->text() + " " +
                    entries->item(row, 3)->text();
    return rows;
}

} // namespace

class SetBrwFormatTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        previousStores_ = listformat::SetListFormatStores(&stores_);
        store_ = std::make_unique<framework::SettingsStore>();
        store_->Open((folder_.path() + "/placement.ini").toStdString(), framework::kSettingsIniFile);
        framework::SetSettingsStore(store_.get());
    }
    void cleanup() {
        framework::SetSettingsStore(nullptr);
        store_.reset();
        listformat::SetListFormatStores(previousStores_);
        stores_.Memory().Clear();
    }

    void showsItsTabsTitleAndEntriesAndStartsOnTheClickedColumn() {
        Owner owner;
        SetBrwFormatWindow dialog(owner.settings, &owner.window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), Q("Изменить настройки списка в окне «Запрос выписки из ЕГРЮЛ / ЕГРИП» ?"_ansi));
        QCOMPARE(dialog.Tabs()->tabText(0), Q(" &1. Колонки "_ansi));
        QCOMPARE(dialog.Tabs()->tabText(1), Q(" &2. Оформление "_ansi));
        QCOMPARE(dialog.Tabs()->tabText(2), Q(" &3. Описание "_ansi));
        QVERIFY(dialog.Tabs()->widget(2)->findChild<QLabel*>()->text().startsWith(
            Q("1. Настройки форматов - это рабочие данные и не хранятся в БД программы."_ansi)));
        QCOMPARE(dialog.Tabs()->widget(2)->findChildren<QLabel*>().size(), 5);
        QCOMPARE(dialog.minimumHeight(), 412);
        QCOMPARE(dialog.minimumWidth(), dialog.width());
        QCOMPARE(dialog.EntryList()->rowCount(), owner.list->format().columnCount());
        QCOMPARE(dialog.EntryList()->horizontalHeaderItem(1)->text(), Q("Группа"_ansi));
        QVERIFY(!dialog.EntryList()->isColumnHidden(1)); // the list has groups
        QCOMPARE(Rows(dialog).first(), Q("1 Полное наименование 120"_ansi));
        QCOMPARE(dialog.EntryList()->item(2, 1)->text(), Q("Коды ФНС"_ansi));
        QVERIFY(!dialog.EntryList()->item(0, 0)->icon().isNull()); // fixed
        QCOMPARE(dialog.SearchField()->text(), Q("ПОИСК"_ansi));
        QCOMPARE(dialog.VariantList()->count(), 5);
        QCOMPARE(dialog.VariantList()->itemText(2), Q(" Скрытые"_ansi));
        QCOMPARE(dialog.EntryMenu()->actions().size(), 12); // nine items, three separators
        QCOMPARE(dialog.CurrentEntry(), 1);

        // The owner's list remembers the column last clicked; the dialog starts on it, or on 1 past the end.
        emit owner.list->horizontalHeader()->sectionPressed(6);
        QCOMPARE(SetBrwFormatWindow(owner.settings, &owner.window).CurrentEntry(), 7);
        emit owner.list->horizontalHeader()->sectionPressed(owner.list->format().columnCount() + 3);
        QCOMPARE(SetBrwFormatWindow(owner.settings, &owner.window).CurrentEntry(), 1);
    }

    void theColumnOperationsShowOnTheListAndNoGivesItBackExactly() {
        Owner owner;
        const Owner::State before = owner.Now();
        const int columns = owner.list->format().columnCount();
        WhenOpen<SetBrwFormatWindow>([&](SetBrwFormatWindow& d) {
            d.SelectEntry(3); // КПП
            QTest::mouseClick(Button(d, "narrowButton"), Qt::LeftButton);
            QCOMPARE(owner.list->format().width(3), 41);
            QVERIFY(!d.EntryList()->item(d.EntryList()->currentRow(), 3)->icon().isNull());
            QTest::keyClick(d.EntryList(), Qt::Key_Plus, Qt::KeypadModifier);
            QTest::keyClick(d.EntryList(), Qt::Key_Plus, Qt::KeypadModifier);
            QCOMPARE(owner.list->format().width(3), 51);
            QTest::keyClick(d.EntryList(), Qt::Key_Delete);
            QCOMPARE(owner.list->format().width(3), 0);
            QTest::keyClick(d.EntryList(), Qt::Key_Delete);
            QCOMPARE(owner.list->format().width(3), 51);
            d.SelectEntry(5); // Л, moved left past the group of three
            QTest::keyClick(d.EntryList(), Qt::Key_Left);
            QCOMPARE(owner.list->format().headerText(2), std::string("Л"_ansi));
            QCOMPARE(d.CurrentEntry(), 2);
            QCOMPARE(owner.list->format().headerText(3), std::string("ИНН"_ansi));
            QTest::mouseClick(Button(d, "zoomInButton"), Qt::LeftButton);
            QCOMPARE(owner.list->fontSize(), 12);
            QTest::mouseClick(Button(d, "fixButton"), Qt::LeftButton);
            QVERIFY(owner.list->format().fixed(2));
            QTest::mouseClick(Button(d, "noButton"), Qt::LeftButton);
        });
        listformat::SetBrwFormat(owner.settings);
        QCOMPARE(owner.list->format().columnCount(), columns);
        QVERIFY(owner.Now() == before);
        QCOMPARE(owner.settings.appearance.setup, 0);
        QVERIFY(listformat::BFormat().Empty());
    }

    void yesKeepsTheChangesWithoutTintsAndHandsOverTheAppearance() {
        Owner owner;
        WhenOpen<SetBrwFormatWindow>([&](SetBrwFormatWindow& d) {
            d.SelectEntry(3);
            QTest::mouseClick(Button(d, "narrowButton"), Qt::LeftButton);
            QTest::keyClick(&d, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
            QTest::keyClick(d.EntryList(), Qt::Key_Return, Qt::ControlModifier);
        });
        listformat::SetBrwFormat(owner.settings);
        QCOMPARE(owner.list->format().width(3), 41 + 5); // narrowed, then widened by the zoom
        QCOMPARE(owner.list->format().colours(3).background, listformat::kNoColour);
        QCOMPARE(owner.settings.appearance.setup, 1);
        QCOMPARE(owner.settings.appearance.fontSize, 12);
        QCOMPARE(owner.list->fontSize(), 12);
        QCOMPARE(store_->Fetch("SetBrwFormat", "Maximize"), std::string("No"));
    }

    void theSearchFieldAndTheVariantsChooseTheEntries() {
        Owner owner;
        SetBrwFormatWindow dialog(owner.settings, &owner.window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(dialog.SearchField()->hasFocus());
        QVERIFY(dialog.SearchField()->text().isEmpty()); // the placeholder goes on entering
        dialog.SearchField()->insert(Q("^ин*"_ansi));    // typed: the test keyboard has only Latin keys
        QTest::keyClick(dialog.SearchField(), Qt::Key_Return);
        QVERIFY(dialog.EntryList()->hasFocus());
        QCOMPARE(Rows(dialog), QStringList{Q("2 ИНН 58"_ansi)});
        QVERIFY(dialog.ClearSearchButton()->isVisibleTo(&dialog));
        QVERIFY(!Button(dialog, "moveLeftButton")->isVisibleTo(&dialog));
        QTest::keyClick(&dialog, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(dialog.SearchField()->text(), Q("ПОИСК"_ansi));
        QCOMPARE(dialog.EntryList()->rowCount(), owner.list->format().columnCount());
        QVERIFY(Button(dialog, "moveLeftButton")->isVisibleTo(&dialog));

        // Eighty wildcards: forty "?" ask for forty characters, which no name has; nothing is listed and
        // the column buttons rest. Eighty "*" list everything.
        dialog.SearchField()->setFocus();
        QTest::keyClicks(dialog.SearchField(), QString("*?").repeated(41));
        QTest::keyClick(dialog.SearchField(), Qt::Key_Return);
        QCOMPARE(dialog.SearchField()->text().size(), 80);
        QCOMPARE(dialog.EntryList()->rowCount(), 0);
        QVERIFY(!Button(dialog, "narrowButton")->isEnabled());
        dialog.SearchField()->setFocus();
        dialog.SearchField()->selectAll();
        QTest::keyClicks(dialog.SearchField(), QString(80, '*'));
        QTest::keyClick(dialog.SearchField(), Qt::Key_Return);
        QCOMPARE(dialog.EntryList()->rowCount(), owner.list->format().columnCount());
        QTest::keyClick(&dialog, Qt::Key_E, Qt::ControlModifier);

        dialog.SelectEntry(4);
        QTest::keyClick(dialog.EntryList(), Qt::Key_Delete);
        dialog.VariantList()->setCurrentIndex(2); // " Скрытые"
        QCOMPARE(Rows(dialog), QStringList{"4 " + Q("ОГРН"_ansi) + " 0"});
        QVERIFY(!Button(dialog, "moveRightButton")->isVisibleTo(&dialog));
        QTest::keyClick(dialog.EntryList(), Qt::Key_Delete); // shown again: no longer listed
        QCOMPARE(dialog.EntryList()->rowCount(), 0);
        QVERIFY(!Button(dialog, "narrowButton")->isEnabled());
    }

    void widthsTypedInPlaceApplyOrAreRefused() {
        Owner owner;
        SetBrwFormatWindow dialog(owner.settings, &owner.window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.SelectEntry(3);
        QTest::keyClick(dialog.EntryList(), Qt::Key_Return);
        auto* editor = dialog.EntryList()->findChild<QLineEdit*>("widthEditor");
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "7x-5"); // only digits can be typed
        QCOMPARE(editor->text(), QString("75"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(owner.list->format().width(3), 75);
        QTRY_VERIFY(!dialog.EntryList()->findChild<QLineEdit*>("widthEditor")); // Enter ends the editing
        const std::string kept = owner.list->formatText();
        for (const char* bad : {"0", "601", "-5", "abc", ""}) {
            dialog.EntryList()->item(dialog.EntryList()->currentRow(), 3)->setText(bad);
            QCoreApplication::processEvents();
            QCOMPARE(owner.list->formatText(), kept);
            QCOMPARE(dialog.EntryList()->item(dialog.EntryList()->currentRow(), 3)->text(), QString("75"));
        }
    }

    void theRowHeightCalculatorFillsTheFieldWithAValidatedValue() {
        Owner owner;
        SetBrwFormatWindow dialog(owner.settings, &owner.window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        listformat::AppearancePage* page = dialog.Appearance();
        dialog.Tabs()->setCurrentIndex(1);
        QVERIFY(!page->LineHeightField()->isEnabled()); // the setup flag is 0
        QTest::mouseClick(page->SetupButton(), Qt::LeftButton);
        QCOMPARE(page->SetupButton()->text(), Q(" Выключить дополнительные настройки оформления"_ansi));
        QVERIFY(page->LineHeightField()->isEnabled());
        WhenOpen<calculator::CalcBigWindow>([](calculator::CalcBigWindow& calc) {
            QCOMPARE(calc.Field(calculator::CalcField::Total)->text(), QString("9"));
            QTest::keyClicks(&calc, "12");
            QTest::keyClick(&calc, Qt::Key_Return);
        });
        QTest::mouseClick(page->CalculatorButton(listformat::CalculatorSetting::LineHeight), Qt::LeftButton);
        QCOMPARE(page->LineHeightField()->text(), QString("12"));
        QCOMPARE(owner.list->lineHeight(), 12);
        WhenOpen<calculator::CalcBigWindow>([](calculator::CalcBigWindow& calc) {
            QTest::keyClicks(&calc, "50");
            QTest::keyClick(&calc, Qt::Key_Return);
        });
        QTest::mouseClick(page->CalculatorButton(listformat::CalculatorSetting::LineHeight), Qt::LeftButton);
        QCOMPARE(page->LineHeightField()->text(), QString("9"));
        QCOMPARE(owner.list->lineHeight(), 9);
        // Typed out of range: applied as the default, kept in the field as typed.
        page->FontSizeField()->setFocus();
        page->FontSizeField()->selectAll();
        QTest::keyClicks(page->FontSizeField(), "99");
        QCOMPARE(page->FontSizeField()->text(), QString("99"));
        QCOMPARE(owner.list->fontSize(), 11);
        // A palette index shows its colour in the sample box and on the list.
        page->GridField()->selectAll();
        QTest::keyClicks(page->GridField(), "14");
        QCOMPARE(owner.list->gridColour(), 0xFF0000L);
        QVERIFY(page->GridSample()->styleSheet().contains("#0000ff"));
        page->FontChoice(2)->click();
        QCOMPARE(owner.list->fontName(), std::string("Calibri"));
    }

    void badInputNeitherCrashesNorLosesAnythingOnNo() {
        // A format text of 8191 characters: a designed list of many columns.
        std::string longFormat;
        for (int c = 1; longFormat.size() < 8191 - 120; ++c)
            longFormat += "20L(2)|_M~Колонка номер "_ansi + std::to_string(c) + " с длинным заголовком~@s20@"_ansi;
        const std::string last = "20L~~";
        longFormat += "20L~" + std::string(8191 - longFormat.size() - last.size(), 'x') + "~";
        Owner big(longFormat);
        QCOMPARE(big.list->formatText().size(), size_t{8191});
        const Owner::State before = big.Now();
        WhenOpen<SetBrwFormatWindow>([&](SetBrwFormatWindow& d) {
            d.SelectEntry(2);
            for (int i = 0; i < 100; ++i)
                QTest::keyClick(&d, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
            QCOMPARE(big.list->fontSize(), 40);
            QTest::keyClick(d.EntryList(), Qt::Key_Right);
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        listformat::SetBrwFormat(big.settings);
        QVERIFY(big.Now() == before);

        // A stored format that does not parse: the list keeps its design, and the dialog works on that.
        Owner broken;
        QVERIFY(!broken.list->setFormatText("120L(2)|Q~Странная~"_ansi));
        const Owner::State designed = broken.Now();
        WhenOpen<SetBrwFormatWindow>([](SetBrwFormatWindow& d) {
            QTest::keyClick(d.EntryList(), Qt::Key_Delete);
            d.reject();
        });
        listformat::SetBrwFormat(broken.settings);
        QVERIFY(broken.Now() == designed);

        // A record without a list opens nothing.
        listformat::BrwSettings none;
        listformat::SetBrwFormat(none);
    }

    void theHeaderColourComesFromTheColourChooser() {
        Owner owner;
        SetBrwFormatWindow dialog(owner.settings, &owner.window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.SelectEntry(3);
        WhenOpen<listformat::AskColorWindow>(
            [](listformat::AskColorWindow& chooser) { chooser.ColourButton(14)->click(); });
        QTest::mouseClick(Button(dialog, "headerColourButton"), Qt::LeftButton);
        QCOMPARE(owner.list->format().headerColour(3), 0xFF0000L);
        WhenOpen<listformat::AskColorWindow>([](listformat::AskColorWindow& chooser) { chooser.reject(); });
        QTest::mouseClick(Button(dialog, "headerColourButton"), Qt::LeftButton);
        QCOMPARE(owner.list->format().headerColour(3), 0xFF0000L);
    }

    void screenshotsOfEachTabAndOfTheColourChooser() {
        Owner owner;
        SetBrwFormatWindow dialog(owner.settings, &owner.window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.SelectEntry(3);
        QTest::mouseClick(Button(dialog, "narrowButton"), Qt::LeftButton);
        dialog.SelectEntry(6);
        QTest::mouseClick(Button(dialog, "widenButton"), Qt::LeftButton);
        QDir().mkpath(KVILO_BINARY_DIR "/screenshots");
        const char* names[] = {"set_brw_format_columns.png", "set_brw_format_appearance.png",
                               "set_brw_format_description.png"};
        QTest::mouseClick(dialog.Appearance()->SetupButton(), Qt::LeftButton);
        for (int tab = 0; tab < 3; ++tab) {
            dialog.Tabs()->setCurrentIndex(tab);
            QVERIFY(dialog.grab().save(QString(KVILO_BINARY_DIR "/screenshots/") + names[tab]));
        }
        WhenOpen<listformat::AskColorWindow>([](listformat::AskColorWindow& chooser) {
            QVERIFY(chooser.grab().save(KVILO_BINARY_DIR "/screenshots/set_brw_format_colour_chooser.png"));
            chooser.reject();
        });
        QTest::mouseClick(Button(dialog, "headerColourButton"), Qt::LeftButton);
    }

private:
    QTemporaryDir folder_;
    std::unique_ptr<framework::SettingsStore> store_;
    listformat::ListFormatStores stores_;
    listformat::ListFormatStores* previousStores_ = nullptr;
};

QTEST_MAIN(SetBrwFormatTest)
#include "set_brw_format_test.moc"
