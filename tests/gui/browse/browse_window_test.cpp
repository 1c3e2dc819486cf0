// Whole sessions of the main lookup window against the fake register services, under the offscreen
// platform: typing, keys, buttons, the list, the status line, the placement and the look.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "base/code_page.h"
#include "base/cp1251.h"
#include "base/dates.h"
#include "core/framework/error_manager.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"
#include "core/framework/settings_store.h"
#include "core/listformat/color_palette.h"
#include "core/listformat/list_format_stores.h"
#include "fake_services.h"
#include "gui/browse/browse_window.h"
#include "gui/framework/qt_message_presenter.h"
#include "gui/listcontrol/format_list.h"
#include "platform/font_match.h"

using namespace kvilo;
using namespace kvilo::base::literals;
using kvilo::framework::ToQString;

namespace {

// What the window's later functions were asked to do.
struct ActionLog {
    std::vector<lookup::PartyRecord> cards;
    std::vector<lookup::MapArguments> maps;
    std::vector<std::string> sites;
    int keyboards = 0;
    int listChecks = 0;
    int settings = 0;
    int exports = 0;
    bool updateAnswer = false;
    int updates = 0;
};

lookup::BrowseActions RecordingActions(ActionLog& log) {
    lookup::BrowseActions actions;
    actions.openCard = [&log](const lookup::PartyRecord& record) { log.cards.push_back(record); };
    actions.exportList = [&log](const lookup::PartyRows&, const std::string&) { ++log.exports; };
    actions.showMap = [&log](const lookup::MapArguments& arguments) { log.maps.push_back(arguments); };
    actions.listSettings = [&log](listformat::BrwSettings&) { ++log.settings; };
    actions.checkUpdate = [&log](int32_t) {
        ++log.updates;
        return log.updateAnswer;
    };
    actions.screenKeyboard = [&log] { ++log.keyboards; };
    actions.checkList = [&log] { ++log.listChecks; };
    actions.openSite = [&log](const std::string& address) { log.sites.push_back(address); };
    return actions;
}

QString Q(const char* ansi) {
    return ToQString(ansi);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : widget_(widget) { widget_->installEventFilter(this); }
    ~PaintCounter() override { widget_->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }

private:
    QWidget* widget_;
};

} // namespace

class BrowseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensEmptyWithItsCaptionsVersionAndRegions();
    void f12ShowsSortedRowsTheStatusLineAndSelectsTheFirstRow();
    void enterInTheQueryRunsTheLookup();
    void enterWithBlanksDoesNothing();
    void twentyHitsAskToNarrowTheQuery();
    void clearEmptiesTheListButKeepsRegionFormAndActuality();
    void regionAndLegalFormDoNotRerunButTheNextLookupUsesThem();
    void theLegalFormRadiosShowWhichIsChosen();
    void theCardGetsTheRegionOfTheLookupThatMadeTheRow();
    void mapWithoutCoordinatesShowsTheMissingLocationMessage();
    void mapWithCoordinatesHandsNameAddressAndCoordinates();
    void rowButtonsDoNothingOnAnEmptyList();
    void theFocusedControlsHintShowsInTheStatusBar();
    void theQueryFieldsColourFollowsTheFocus();
    void theLogoShowsItsFrameAndHandAndOpensTheSite();
    void keyboardSettingsAndUpdateButtons();
    void placementRoundTripsThroughTheStore();
    void placementWithLowerCaseYesRestoresNothing();
    void aWindowClosedMinimizedKeepsOnlyItsState();
    void screenshotsOfTheEmptyAndTheFullWindow();
    void aDemoWindowSaysSoInItsTitle();
    void theListGrowsWithTheWindow();
    void theWindowKeepsItsProcedureNameWhileOpen();
    void theQueryHoldsTwoHundredCharacters();
    void aPlacementOutsideTheScreenComesBackIntoIt();
    void aLookupKeepsPaintingUnderABusyCursorAndStartsNoSecondOne();
    void closingDuringALookupEndsItAndShowsNothing();

    void ctrlMinusFromNineAndNineGivesEightAndEightThenNothing();
    void ctrlPlusWithTheSetupOffEnlargesFromTheDefaults();
    void aHiddenColumnStaysHiddenThroughZoomAndReset();
    void aMarkerHeaderShowsItsDotAndIsNeverResized();
    void darkBarsGetWhiteSelectedTextAndLightBarsBlack();
    void aListSetToCalibriShowsTheClosestFaceAndKeepsItsCode();
    void theListComesBackAsItWasLeftOnTheSameFpath();
    void theListShowsTheZoomKeysInItsTooltip();
    void ctrlEFromTheQueryFieldClearsIt();
    void oneDoubleClickOnTheNameColumnOpensOneCard();
    void theSelectionSurvivesTheMissingLocationMessageCentredOnTheWindow();
    void theDesignedHeadersShowWholeAndTheLogoKeepsItsLastLetter();

private:
    std::unique_ptr<browse::BrowseWindow> OpenWindow(bool demo = false);
    void Type(const char* ansi);
    void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Click(const char* button);
    // Opens the window again on an lf.dat that holds `entry` for the main list (memory emptied, as in a new run).
    void ReopenWith(const listformat::BrwMemEntry& entry);
    void ListKey(Qt::Key key, Qt::KeyboardModifiers modifiers);
    size_t SuggestRequests() const { return server_.Requests("/suggestions").size(); }
    std::string LastSuggestBody() const { return server_.Requests("/suggestions").back().body; }
    QString Status() const { return window_->findChild<QLabel*>("status")->text(); }
    listcontrol::FormatList* List() const { return window_->findChild<listcontrol::FormatList*>("list"); }
    QString ListCell(int row, int column) const {
        return List()->model()->index(row, column).data(Qt::DisplayRole).toString();
    }

    testsupport::FakeServices server_;
    QTemporaryDir folder_;
    std::unique_ptr<framework::SettingsStore> store_;
    std::unique_ptr<listformat::ListFormatStores> formats_;
    std::unique_ptr<framework::RecordingMessagePresenter> messages_;
    ActionLog log_;
    std::unique_ptr<browse::BrowseWindow> window_;
};

void BrowseWindowTest::initTestCase() {
    QVERIFY2(server_.Start(), server_.Error().c_str());
}

void BrowseWindowTest::init() {
    QVERIFY(server_.Reset());
    store_ = std::make_unique<framework::SettingsStore>();
    store_->Open((folder_.path() + "/placement.ini").toStdString(), framework::kSettingsIniFile);
    framework::SetSettingsStore(store_.get());
    formats_ = std::make_unique<listformat::ListFormatStores>((folder_.path() + "/lf.dat").toStdString());
    listformat::SetListFormatStores(formats_.get());
    messages_ = std::make_unique<framework::RecordingMessagePresenter>();
    log_ = ActionLog{};
    window_ = OpenWindow();
}

void BrowseWindowTest::cleanup() {
    window_.reset();
    messages_.reset();
    framework::SetSettingsStore(nullptr);
    store_.reset();
    listformat::SetListFormatStores(nullptr);
    formats_.reset();
    QFile::remove(folder_.path() + "/placement.ini");
    QFile::remove(folder_.path() + "/lf.dat");
}

std::unique_ptr<browse::BrowseWindow> BrowseWindowTest::OpenWindow(bool demo) {
    browse::BrowseOptions options;
    options.demo = demo;
    options.buildDate = base::DayNumber(2024, 3, 16);
    options.services.urls.suggestBase = server_.HttpUrl("");
    options.services.urls.versionBase = server_.HttpUrl("");
    options.siteAddress = "http://127.0.0.1:1/";
    options.actions = RecordingActions(log_);
    auto window = std::make_unique<browse::BrowseWindow>(std::move(options));
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
    return window;
}

void BrowseWindowTest::Type(const char* ansi) {
    auto* query = window_->findChild<QLineEdit*>("query");
    query->setFocus();
    // Key by key as a keyboard types them; QTest's own key clicks take Latin-1 letters only.
    for (QChar letter : ToQString(ansi)) {
        QKeyEvent press(QEvent::KeyPress, letter == ' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier, letter);
        QKeyEvent release(QEvent::KeyRelease, letter == ' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier, letter);
        QApplication::sendEvent(query, &press);
        QApplication::sendEvent(query, &release);
    }
}

void BrowseWindowTest::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    QTest::keyClick(target, key, modifiers);
}

void BrowseWindowTest::Click(const char* button) {
    auto* widget = window_->findChild<QPushButton*>(button);
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void BrowseWindowTest::ReopenWith(const listformat::BrwMemEntry& entry) {
    window_.reset();
    formats_->Memory().Clear();
    QCOMPARE(listformat::BrwSet(formats_->FilePath()).Save({entry}), listformat::BrwSet::SaveResult::Saved);
    window_ = OpenWindow();
    QVERIFY(window_);
}

void BrowseWindowTest::ListKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    List()->setFocus();
    QTest::keyClick(List(), key, modifiers);
}

void BrowseWindowTest::opensEmptyWithItsCaptionsVersionAndRegions() {
    QVERIFY(window_);
    QCOMPARE(window_->windowTitle(), Q("Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi));
    QCOMPARE(window_->findChild<QLabel*>("versionZone")->text(), Q("Версия Kvilo от 16.03.2024 г."_ansi));
    auto* region = window_->findChild<QComboBox*>("region");
    QCOMPARE(region->count(), 87);
    QCOMPARE(region->currentText(), Q("00. ВСЕ СУБЪЕКТЫ РФ"_ansi));
    QCOMPARE(region->itemData(86).toInt(), 99);
    QVERIFY(window_->findChild<QRadioButton*>("formAll")->isChecked());
    QCOMPARE(window_->findChild<QRadioButton*>("formLegal")->text(), Q(" &Юр/лица"_ansi));
    QCOMPARE(window_->findChild<QPushButton*>("lookupButton")->text(), Q(" Запрос"_ansi));
    QCOMPARE(window_->findChild<QPushButton*>("exitButton")->text(), Q(" Выход"_ansi));
    for (const char* name : {"clearButton", "cardButton", "mapButton", "exportButton"})
        QVERIFY2(!window_->findChild<QPushButton*>(name)->isEnabled(), name);
    QVERIFY(window_->findChild<QPushButton*>("lookupButton")->isEnabled());
    QVERIFY(!window_->findChild<QToolButton*>("clearQuery")->isVisible());
    QCOMPARE(List()->model()->columnCount(), 18);
    QCOMPARE(List()->model()->headerData(0, Qt::Horizontal).toString(), Q("Полное наименование"_ansi));
    QCOMPARE(List()->model()->rowCount(), 0);
    for (const framework::Message& message : messages_->messages)
        qWarning() << ToQString(message.text);
    QVERIFY(messages_->messages.empty());
}

void BrowseWindowTest::f12ShowsSortedRowsTheStatusLineAndSelectsTheFirstRow() {
    Type("Ростов"_ansi);
    PressKey(Qt::Key_F12);
    QCOMPARE(SuggestRequests(), size_t{1});
    QVERIFY(messages_->messages.empty());
    int rows = List()->model()->rowCount();
    QVERIFY(rows >= 2 && rows < 20);
    QCOMPARE(static_cast<int>(window_->data().rows.size()), rows);
    QVERIFY2(Status().endsWith(Q("Найдено: "_ansi) + QString::number(rows)), qPrintable(Status()));
    QVERIFY(Status().startsWith(Q("Актуальность: "_ansi)));
    int beta = -1, alpha = -1;
    for (int row = 0; row < rows; ++row) {
        if (ListCell(row, 0) == Q("АО Бета"_ansi)) beta = row;
        if (ListCell(row, 0) == Q("ООО Альфа"_ansi)) alpha = row;
    }
    QVERIFY(beta >= 0 && alpha >= 0);
    QVERIFY(beta < alpha);
    QCOMPARE(List()->currentRowNumber(), 1);
    QCOMPARE(window_->findChild<QLineEdit*>("address")->text(),
             ToQString(std::string(window_->data().rows[0].QFAddress.View())));
    for (const char* name : {"clearButton", "cardButton", "mapButton", "exportButton"})
        QVERIFY2(window_->findChild<QPushButton*>(name)->isEnabled(), name);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(List()));
}

void BrowseWindowTest::enterInTheQueryRunsTheLookup() {
    Type("ЛАДОГА"_ansi);
    PressKey(Qt::Key_Return);
    QCOMPARE(SuggestRequests(), size_t{1});
    QVERIFY(LastSuggestBody().find("<query>" + base::AnsiToUtf8("ЛАДОГА"_ansi) + "</query>") != std::string::npos);
    QVERIFY(List()->model()->rowCount() > 0);
}

void BrowseWindowTest::enterWithBlanksDoesNothing() {
    Type("    ");
    PressKey(Qt::Key_Return);
    QCOMPARE(SuggestRequests(), size_t{0});
    QCOMPARE(Status(), QString());
    QVERIFY(messages_->messages.empty());
}

void BrowseWindowTest::twentyHitsAskToNarrowTheQuery() {
    Type("ЗАРЯ"_ansi);
    Click("lookupButton");
    QCOMPARE(List()->model()->rowCount(), 20);
    QVERIFY(Status().endsWith(Q("Показано: 20 (Уточните запрос !)"_ansi)));
}

void BrowseWindowTest::clearEmptiesTheListButKeepsRegionFormAndActuality() {
    auto* region = window_->findChild<QComboBox*>("region");
    region->setCurrentIndex(47);
    QTest::mouseClick(window_->findChild<QRadioButton*>("formLegal"), Qt::LeftButton);
    Type("ЛАДОГА"_ansi);
    PressKey(Qt::Key_F12);
    QVERIFY(List()->model()->rowCount() > 0);
    int32_t actuality = window_->data().actualityDate;
    QVERIFY(actuality != 0);
    PressKey(Qt::Key_F5);
    QCOMPARE(List()->model()->rowCount(), 0);
    QCOMPARE(window_->findChild<QLineEdit*>("query")->text(), QString());
    QCOMPARE(Status(), QString());
    QCOMPARE(window_->findChild<QLineEdit*>("address")->text(), QString());
    QCOMPARE(region->currentIndex(), 47);
    QVERIFY(window_->findChild<QRadioButton*>("formLegal")->isChecked());
    QCOMPARE(window_->data().actualityDate, actuality);
    for (const char* name : {"clearButton", "cardButton", "mapButton", "exportButton"})
        QVERIFY2(!window_->findChild<QPushButton*>(name)->isEnabled(), name);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window_->findChild<QLineEdit*>("query")));
    QCOMPARE(SuggestRequests(), size_t{1});
}

void BrowseWindowTest::regionAndLegalFormDoNotRerunButTheNextLookupUsesThem() {
    Type("ЛАДОГА"_ansi);
    PressKey(Qt::Key_F12);
    QCOMPARE(SuggestRequests(), size_t{1});
    int allRows = List()->model()->rowCount();
    auto* region = window_->findChild<QComboBox*>("region");
    region->setFocus();
    region->setCurrentIndex(10);
    emit region->activated(10);
    QTest::mouseClick(window_->findChild<QRadioButton*>("formLegal"), Qt::LeftButton);
    QCOMPARE(SuggestRequests(), size_t{1});
    QCOMPARE(List()->model()->rowCount(), allRows);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(List()));
    Click("lookupButton");
    QCOMPARE(SuggestRequests(), size_t{2});
    std::string body = LastSuggestBody();
    QVERIFY(body.find("<type>LEGAL</type><locations><kladr_id>10</kladr_id></locations>") != std::string::npos);
    QVERIFY(List()->model()->rowCount() > 0);
    QVERIFY(List()->model()->rowCount() < allRows);
}

void BrowseWindowTest::theLegalFormRadiosShowWhichIsChosen() {
    auto image = [](QRadioButton* radio) { return radio->icon().pixmap(16).toImage(); };
    QImage enable = QIcon(":/icons/enable.png").pixmap(16).toImage();
    QImage disable = QIcon(":/icons/disable.png").pixmap(16).toImage();
    QVERIFY(enable != disable);
    auto* all = window_->findChild<QRadioButton*>("formAll");
    auto* individual = window_->findChild<QRadioButton*>("formIndividual");
    QCOMPARE(image(all), enable);
    QCOMPARE(image(individual), disable);
    QTest::mouseClick(individual, Qt::LeftButton);
    QCOMPARE(image(all), disable);
    QCOMPARE(image(individual), enable);
    QCOMPARE(image(window_->findChild<QRadioButton*>("formLegal")), disable);
}

void BrowseWindowTest::theCardGetsTheRegionOfTheLookupThatMadeTheRow() {
    auto* region = window_->findChild<QComboBox*>("region");
    region->setCurrentIndex(47);
    Type("ЛАДОГА"_ansi);
    PressKey(Qt::Key_F12);
    QVERIFY(List()->model()->rowCount() > 1);
    region->setCurrentIndex(10);
    List()->setCurrentRowNumber(2);
    PressKey(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(log_.cards.size(), size_t{1});
    QCOMPARE(log_.cards[0].DaSrf, uint8_t{47});
    QCOMPARE(std::string(log_.cards[0].DaName.View()), std::string(window_->data().rows[1].QFName.View()));
    Click("cardButton");
    PressKey(Qt::Key_Return);
    QCOMPARE(log_.cards.size(), size_t{3});
}

void BrowseWindowTest::mapWithoutCoordinatesShowsTheMissingLocationMessage() {
    Type("ДАЛЬНИЙ РЕЙС"_ansi);
    PressKey(Qt::Key_F12);
    QCOMPARE(List()->model()->rowCount(), 1);
    Click("mapButton");
    QVERIFY(log_.maps.empty());
    QCOMPARE(messages_->messages.size(), size_t{1});
    QCOMPARE(messages_->messages[0].caption, std::string("У нас проблема !"_ansi));
    QCOMPARE(messages_->messages[0].text, std::string("Нет данных о месторасположении контрагента !"_ansi));
    QCOMPARE(messages_->messages[0].buttons, std::vector<std::string>{"&1. Закрыть"_ansi});
    QCOMPARE(List()->currentRowNumber(), 1);
}

void BrowseWindowTest::mapWithCoordinatesHandsNameAddressAndCoordinates() {
    Type("ВОЛХОВСКИЙ ЛЕС"_ansi);
    PressKey(Qt::Key_F12);
    QCOMPARE(List()->model()->rowCount(), 1);
    Click("mapButton");
    QCOMPARE(log_.maps.size(), size_t{1});
    const lookup::PartyRow& row = window_->data().rows[0];
    QCOMPARE(log_.maps[0].latitude, std::string(row.QFLat.View()));
    QCOMPARE(log_.maps[0].longitude, std::string(row.QFLon.View()));
    QVERIFY(log_.maps[0].caption.rfind("1         " + std::string(row.QFName.View()) + ", ", 0) == 0);
    QVERIFY(messages_->messages.empty());
}

void BrowseWindowTest::rowButtonsDoNothingOnAnEmptyList() {
    PressKey(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(log_.cards.empty());
    Type("НЕТ ТАКОГО НИГДЕ"_ansi);
    PressKey(Qt::Key_F12);
    QCOMPARE(List()->model()->rowCount(), 0);
    QCOMPARE(Status(), Q("Нет данных по запросу"_ansi));
    messages_->messages.clear();
    PressKey(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(log_.cards.empty());
    QVERIFY(log_.maps.empty());
    QVERIFY(messages_->messages.empty());
}

void BrowseWindowTest::theFocusedControlsHintShowsInTheStatusBar() {
    auto* hint = window_->findChild<QLabel*>("hintZone");
    window_->findChild<QLineEdit*>("query")->setFocus();
    QCOMPARE(hint->text(),
             Q("Введите ИНН, наименование, ФИО, город, улицу и т.д. для поиска и нажмите F12 или кнопку ЗАПРОС"_ansi));
    List()->setFocus();
    QCOMPARE(hint->text(), Q("Список реквизитов контрагентов в ЕГРЮЛ"_ansi));
    window_->findChild<QPushButton*>("exitButton")->setFocus();
    QCOMPARE(hint->text(), Q("Закрыть окно"_ansi));
    QCOMPARE(window_->findChild<QPushButton*>("keyboardButton")->toolTip(),
             Q("Вызов экранной клавиатуры для ввода\nзапроса на поиск [CTRL + Q]"_ansi));
}

void BrowseWindowTest::theQueryFieldsColourFollowsTheFocus() {
    auto* query = window_->findChild<QLineEdit*>("query");
    auto* clearQuery = window_->findChild<QToolButton*>("clearQuery");
    QColor standard = QApplication::palette(query).color(QPalette::Base);
    query->setFocus();
    QCOMPARE(query->palette().color(QPalette::Base), QColor(224, 255, 224));
    List()->setFocus();
    QCOMPARE(query->palette().color(QPalette::Base), standard);
    QVERIFY(!clearQuery->isVisible());
    Type("ЗАРЯ"_ansi);
    List()->setFocus();
    QCOMPARE(query->palette().color(QPalette::Base), QColor(238, 255, 238));
    QVERIFY(clearQuery->isVisible());
    PressKey(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(query->text(), QString());
    QVERIFY(!clearQuery->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(query));
}

void BrowseWindowTest::theLogoShowsItsFrameAndHandAndOpensTheSite() {
    auto* logo = window_->findChild<QLabel*>("logo");
    auto* top = window_->findChild<QFrame*>("logoFrameTop");
    QVERIFY(!logo->pixmap().isNull());
    QVERIFY(!top->isVisible());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(logo, &enter);
    for (const char* name : {"logoFrameTop", "logoFrameBottom", "logoFrameLeft", "logoFrameRight"})
        QVERIFY2(window_->findChild<QFrame*>(name)->isVisible(), name);
    QCOMPARE(logo->cursor().shape(), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(logo, &leave);
    QVERIFY(!top->isVisible());
    QCOMPARE(logo->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(logo, Qt::LeftButton);
    QCOMPARE(log_.sites, std::vector<std::string>{"http://127.0.0.1:1/"});
}

void BrowseWindowTest::keyboardSettingsAndUpdateButtons() {
    PressKey(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(log_.keyboards, 1);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window_->findChild<QLineEdit*>("query")));
    Click("keyboardButton");
    QCOMPARE(log_.keyboards, 2);
    PressKey(Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(log_.listChecks, 1);
    List()->actions().front()->trigger(); // from the list's context menu
    QCOMPARE(log_.listChecks, 2);
    Click("settingsButton");
    QCOMPARE(log_.settings, 1);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(List()));
    emit List()->headerRightReleased(3);
    QCOMPARE(log_.settings, 2);
    emit List()->setupRequested();
    QCOMPARE(log_.settings, 3);
    Click("updateButton");
    QCOMPARE(log_.updates, 1);
    QVERIFY(window_->isVisible());
    log_.updateAnswer = true;
    Click("updateButton");
    QVERIFY(!window_->isVisible());
}

void BrowseWindowTest::placementRoundTripsThroughTheStore() {
    // Inside the offscreen platform's screen, which is smaller than a real one.
    window_->setGeometry(40, 30, 740, 520);
    QRect placed = window_->geometry();
    window_->close();
    QCOMPARE(store_->Fetch("Browse_EGRUL", "Maximize"), std::string("No"));
    QCOMPARE(store_->Fetch("Browse_EGRUL", "Width"), std::to_string(placed.width()));
    window_ = OpenWindow();
    QVERIFY(window_);
    QCOMPARE(window_->size(), placed.size());
    QCOMPARE(window_->geometry().topLeft(), placed.topLeft());
}

void BrowseWindowTest::placementWithLowerCaseYesRestoresNothing() {
    QSize standard = window_->size();
    window_.reset();
    store_->Update("Browse_EGRUL", "Maximize", "yes");
    store_->Update("Browse_EGRUL", "Minimize", "No");
    store_->Update("Browse_EGRUL", "Width", "640");
    store_->Update("Browse_EGRUL", "Height", "400");
    window_ = OpenWindow();
    QVERIFY(window_);
    QCOMPARE(window_->size(), standard);
}

void BrowseWindowTest::aWindowClosedMinimizedKeepsOnlyItsState() {
    window_->setGeometry(100, 100, 800, 500);
    window_->close();
    QCOMPARE(store_->Fetch("Browse_EGRUL", "XPos").empty(), false);
    window_ = OpenWindow();
    window_->showMinimized();
    QTRY_VERIFY(window_->isMinimized());
    window_->close();
    QCOMPARE(store_->Fetch("Browse_EGRUL", "Minimize"), std::string("Yes"));
    QCOMPARE(store_->Fetch("Browse_EGRUL", "Maximize"), std::string("No"));
    for (const char* entry : {"XPos", "YPos", "Width", "Height"})
        QCOMPARE(store_->Fetch("Browse_EGRUL", entry, "gone"), std::string("gone"));
}

void BrowseWindowTest::screenshotsOfTheEmptyAndTheFullWindow() {
    QDir().mkpath(KVILO_BINARY_DIR "/screenshots");
    window_->resize(1280, 640);
    QVERIFY(window_->grab().save(KVILO_BINARY_DIR "/screenshots/browse_empty.png"));
    Type("ЗАРЯ"_ansi);
    PressKey(Qt::Key_F12);
    QCOMPARE(List()->model()->rowCount(), 20);
    QVERIFY(window_->grab().save(KVILO_BINARY_DIR "/screenshots/browse_20_rows.png"));
}

void BrowseWindowTest::aDemoWindowSaysSoInItsTitle() {
    QVERIFY(!window_->windowTitle().contains(Q("ДЕМО"_ansi)));
    window_ = OpenWindow(true);
    QVERIFY(window_);
    QVERIFY(window_->windowTitle().startsWith(Q("Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi)));
    QVERIFY(window_->windowTitle().contains(Q("ДЕМО: данные тестового сервиса, не реестра"_ansi)));
}

void BrowseWindowTest::theWindowKeepsItsProcedureNameWhileOpen() {
    window_.reset();
    framework::ErrorManager manager;
    framework::ErrorManager* previous = framework::SetErrorManager(&manager);
    window_ = OpenWindow();
    QCOMPARE(manager.TopProcedure(), std::string("Browse_EGRUL"));
    window_.reset();
    QCOMPARE(manager.TopProcedure(), std::string());
    framework::SetErrorManager(previous);
    window_ = OpenWindow();
}

void BrowseWindowTest::theListGrowsWithTheWindow() {
    window_->resize(740, 400);
    QTRY_COMPARE(window_->size(), QSize(740, 400));
    QSize small = List()->size();
    QPoint exitFromCorner = window_->rect().bottomRight() -
                            window_->findChild<QPushButton*>("exitButton")->mapTo(window_.get(), QPoint(0, 0));
    window_->resize(790, 700);
    QTRY_COMPARE(window_->size(), QSize(790, 700));
    QCOMPARE(List()->width(), small.width() + 50);
    QCOMPARE(List()->height(), small.height() + 300);
    QPoint exitFromCornerNow = window_->rect().bottomRight() -
                               window_->findChild<QPushButton*>("exitButton")->mapTo(window_.get(), QPoint(0, 0));
    QCOMPARE(exitFromCornerNow, exitFromCorner);
}

void BrowseWindowTest::theQueryHoldsTwoHundredCharacters() {
    Type(std::string(210, 'A').c_str());
    QCOMPARE(window_->findChild<QLineEdit*>("query")->text().size(), 200);
    PressKey(Qt::Key_F12);
    QVERIFY(LastSuggestBody().find("<query>" + std::string(200, 'A') + "</query>") != std::string::npos);
}

void BrowseWindowTest::aPlacementOutsideTheScreenComesBackIntoIt() {
    window_.reset();
    store_->Update("Browse_EGRUL", "Maximize", "No");
    store_->Update("Browse_EGRUL", "Minimize", "No");
    store_->Update("Browse_EGRUL", "XPos", "5000");
    store_->Update("Browse_EGRUL", "YPos", "-3000");
    store_->Update("Browse_EGRUL", "Width", "740");
    store_->Update("Browse_EGRUL", "Height", "500");
    window_ = OpenWindow();
    QVERIFY(window_);
    QRect screen = window_->screen()->availableGeometry();
    // Within the frame's few pixels: the frame's width is not known before the window is first shown.
    QRect frame = window_->geometry();
    QVERIFY2(screen.adjusted(-4, -4, 4, 4).contains(frame), qPrintable(QString("%1,%2 %3x%4 in %5x%6")
                                                                           .arg(frame.x())
                                                                           .arg(frame.y())
                                                                           .arg(frame.width())
                                                                           .arg(frame.height())
                                                                           .arg(screen.width())
                                                                           .arg(screen.height())));
    QCOMPARE(window_->size(), QSize(740, 500));
}

namespace {

// The main list's stored entry as a user's earlier run left it.
listformat::BrwMemEntry StoredEntry(const listformat::ListAppearance& appearance,
                                    const std::string& current = browse::kBrowseListFormat) {
    listformat::BrwMemEntry entry;
    entry.idBrowse = listformat::kMainListId;
    entry.defFormat = browse::kBrowseListFormat;
    entry.curFormat = current;
    entry.appearance = appearance;
    return entry;
}

std::string DesignedWithWidth(int column, int width) {
    listformat::ListFormat format(browse::kBrowseListFormat);
    format.setWidth(column, width);
    return format.text();
}

constexpr Qt::KeyboardModifiers kCtrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;

} // namespace

void BrowseWindowTest::ctrlMinusFromNineAndNineGivesEightAndEightThenNothing() {
    ReopenWith(StoredEntry({1, 9, 0, 9, 9, 1, 40}));
    QCOMPARE(List()->fontSize(), 9);
    QCOMPARE(List()->lineHeight(), 9);
    const int nameWidth = List()->format().width(1);
    ListKey(Qt::Key_Minus, kCtrlKeypad);
    QCOMPARE(List()->fontSize(), 8);
    QCOMPARE(List()->lineHeight(), 8);
    QCOMPARE(List()->format().width(1), nameWidth - 5);
    ListKey(Qt::Key_Minus, Qt::ControlModifier); // the main keyboard's minus
    QCOMPARE(List()->fontSize(), 8);
    QCOMPARE(List()->lineHeight(), 8);
    QCOMPARE(List()->format().width(1), nameWidth - 5);
}

void BrowseWindowTest::ctrlPlusWithTheSetupOffEnlargesFromTheDefaults() {
    ReopenWith(StoredEntry({0, 20, 20, 30, 30, 3, 100}));
    QCOMPARE(List()->fontSize(), 11);
    ListKey(Qt::Key_Plus, kCtrlKeypad);
    QCOMPARE(List()->fontSize(), 12);
    QCOMPARE(List()->lineHeight(), 10);
    QCOMPARE(List()->fontName(), std::string("Segoe UI"));
    ListKey(Qt::Key_Equal, Qt::ControlModifier); // laptops: the main keyboard's "=" / "+"
    ListKey(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(List()->fontSize(), 14);
    QCOMPARE(List()->lineHeight(), 12);
}

void BrowseWindowTest::aHiddenColumnStaysHiddenThroughZoomAndReset() {
    ReopenWith(StoredEntry({1, 9, 0, 9, 11, 1, 40}, DesignedWithWidth(3, 0)));
    QVERIFY(List()->isColumnHidden(2));
    ListKey(Qt::Key_Plus, kCtrlKeypad);
    QVERIFY(List()->isColumnHidden(2));
    QCOMPARE(List()->format().width(3), 0);
    ListKey(Qt::Key_0, Qt::ControlModifier);
    QVERIFY(List()->isColumnHidden(2));
    QCOMPARE(List()->format().width(3), 0);
    QCOMPARE(List()->format().width(1), 120); // the rest is back to the design
    QCOMPARE(List()->fontSize(), 11);
}

void BrowseWindowTest::aMarkerHeaderShowsItsDotAndIsNeverResized() {
    const std::string withMarker = std::string(browse::kBrowseListFormat) + "14C|_~_~@s1@#1#";
    ReopenWith(StoredEntry({1, 9, 0, 9, 11, 1, 40}, withMarker));
    QCOMPARE(List()->model()->headerData(18, Qt::Horizontal).toString(), Q("•"_ansi));
    const int width = List()->columnWidth(18);
    ListKey(Qt::Key_Plus, kCtrlKeypad);
    ListKey(Qt::Key_Minus, kCtrlKeypad);
    ListKey(Qt::Key_Minus, kCtrlKeypad);
    QCOMPARE(List()->format().width(19), 14);
    QVERIFY(List()->columnWidth(18) < width); // the font shrank, the dialog units with it
}

void BrowseWindowTest::darkBarsGetWhiteSelectedTextAndLightBarsBlack() {
    ReopenWith(StoredEntry({1, 9, 14, 9, 11, 1, 40}));
    QCOMPARE(List()->barColour(), listformat::PaletteColour(14));
    QCOMPARE(List()->selectedTextColour(), 0xFFFFFFL);
    QCOMPARE(List()->palette().color(QPalette::HighlightedText), QColor(Qt::white));
    ReopenWith(StoredEntry({1, 9, 15, 9, 11, 1, 40}));
    QCOMPARE(List()->selectedTextColour(), 0L);
    QCOMPARE(List()->palette().color(QPalette::HighlightedText), QColor(Qt::black));
}

void BrowseWindowTest::aListSetToCalibriShowsTheClosestFaceAndKeepsItsCode() {
    ReopenWith(StoredEntry({1, 9, 0, 9, 11, 2, 40}));
    QCOMPARE(List()->fontName(), std::string("Calibri"));
    QCOMPARE(QFontInfo(List()->font()).family(), QString::fromStdString(platform::MatchFontFamily("Calibri")));
    ListKey(Qt::Key_Plus, kCtrlKeypad);
    window_->close();
    QCOMPARE(formats_->Memory().Find(listformat::kMainListId)->appearance.fontCode, 2);
}

void BrowseWindowTest::theListComesBackAsItWasLeftOnTheSameFpath() {
    ListKey(Qt::Key_Plus, kCtrlKeypad);
    ListKey(Qt::Key_Plus, kCtrlKeypad);
    List()->editFormat([](listformat::ListFormat& format) { return format.moveItem(1, 4); });
    const std::string left = List()->formatText();
    window_->close();
    window_.reset();
    formats_->SaveAll(); // what start-up does after the main window closed
    QVERIFY(messages_->messages.empty());

    formats_ = std::make_unique<listformat::ListFormatStores>((folder_.path() + "/lf.dat").toStdString());
    listformat::SetListFormatStores(formats_.get());
    window_ = OpenWindow();
    QVERIFY(window_);
    QCOMPARE(List()->formatText(), left);
    QCOMPARE(List()->fontSize(), 13);
    QCOMPARE(List()->lineHeight(), 11);
    QCOMPARE(List()->model()->headerData(0, Qt::Horizontal).toString(), Q("ИНН"_ansi));
}

void BrowseWindowTest::theListShowsTheZoomKeysInItsTooltip() {
    QCOMPARE(List()->toolTip(),
             Q("Список реквизитов контрагентов в ЕГРЮЛ, [ CTRL + MINUS / PLUS / 0 ] - масштаб"_ansi));
    QCOMPARE(List()->backgroundColour(), 0xF9F9F9L);
}

void BrowseWindowTest::ctrlEFromTheQueryFieldClearsIt() {
    Type("ЛАДОГА"_ansi);
    auto* query = window_->findChild<QLineEdit*>("query");
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(query));
    query->setCursorPosition(0);
    QTest::keyClick(query, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(query->text(), QString());
    QVERIFY(!window_->findChild<QToolButton*>("clearQuery")->isVisible());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(query));
}

void BrowseWindowTest::oneDoubleClickOnTheNameColumnOpensOneCard() {
    Type("ЛАДОГА"_ansi);
    PressKey(Qt::Key_F12);
    QVERIFY(List()->model()->rowCount() > 1);
    QTableView* fixedPart = List()->frozenView();
    QVERIFY(fixedPart->isVisible());
    const QRect name = fixedPart->visualRect(fixedPart->model()->index(1, 0));
    // A double click begins with a click.
    QTest::mouseClick(fixedPart->viewport(), Qt::LeftButton, Qt::NoModifier, name.center());
    QTest::mouseDClick(fixedPart->viewport(), Qt::LeftButton, Qt::NoModifier, name.center());
    QCOMPARE(log_.cards.size(), size_t{1});
    QCOMPARE(std::string(log_.cards[0].DaName.View()), std::string(window_->data().rows[1].QFName.View()));
    const QRect address = List()->visualRect(List()->model()->index(0, 5));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, address.center());
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, address.center());
    QCOMPARE(log_.cards.size(), size_t{2});
}

void BrowseWindowTest::theSelectionSurvivesTheMissingLocationMessageCentredOnTheWindow() {
    Type("ДАЛЬНИЙ РЕЙС"_ansi);
    PressKey(Qt::Key_F12);
    QCOMPARE(List()->model()->rowCount(), 1);
    window_->setGeometry(60, 40, 900, 560);
    framework::QtMessagePresenter boxes;
    framework::MessagePresenter* recording = framework::SetMessagePresenter(&boxes);
    QPoint boxCentre, windowCentre;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        boxCentre = box->frameGeometry().center();
        windowCentre = window_->frameGeometry().center();
        box->buttons().front()->click();
    });
    Click("mapButton");
    framework::SetMessagePresenter(recording);
    // The window gets the focus back from the box, and redraws its fields.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(List()->currentRowNumber(), 1);
    QVERIFY(List()->selectionModel()->isRowSelected(0));
    QVERIFY2((boxCentre - windowCentre).manhattanLength() <= 8, qPrintable(QString("box at %1,%2, window at %3,%4")
                                                                               .arg(boxCentre.x())
                                                                               .arg(boxCentre.y())
                                                                               .arg(windowCentre.x())
                                                                               .arg(windowCentre.y())));
}

void BrowseWindowTest::theDesignedHeadersShowWholeAndTheLogoKeepsItsLastLetter() {
    const QFontMetrics metrics(List()->font());
    for (const char* header : {"Актуальность"_ansi, "Регистрация"_ansi, "Ликвидация"_ansi})
        for (int c = 0; c < List()->model()->columnCount(); ++c)
            if (List()->model()->headerData(c, Qt::Horizontal).toString() == Q(header))
                QVERIFY2(metrics.horizontalAdvance(Q(header)) + 6 <= List()->columnWidth(c), header);
    auto* logo = window_->findChild<QLabel*>("logo");
    const QImage image = logo->pixmap().toImage();
    QVERIFY(logo->contentsRect().width() >= image.width());
    for (int x = image.width() - 3; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            QVERIFY2(image.pixelColor(x, y).alpha() == 0, "the logo's ink reaches its right edge");
}

// The transfer runs while the window's event loop goes on: it paints, shows a busy cursor and lets nothing
// start a second lookup. The answer is held back by the fake until the check is done.
void BrowseWindowTest::aLookupKeepsPaintingUnderABusyCursorAndStartsNoSecondOne() {
    QVERIFY(server_.AddFault({.mode = "hold", .path = "/suggestions"}));
    Type("ЗАРЯ"_ansi);
    bool busyCursor = false;
    bool painted = false;
    QString statusMeanwhile;
    QTimer::singleShot(0, this, [&] {
        busyCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        statusMeanwhile = Status();
        auto* status = window_->findChild<QLabel*>("status");
        PaintCounter counter(status);
        status->update();
        painted = QTest::qWaitFor([&] { return counter.paints > 0; }, 5000);
        // A key sent straight to the window, past the event queue, finds the lookup running.
        QTest::keyClick(window_.get(), Qt::Key_F12);
        QVERIFY(QTest::qWaitFor([&] { return SuggestRequests() == 1; }, 5000));
        QVERIFY(server_.ReleaseHeld());
    });
    PressKey(Qt::Key_F12);
    QVERIFY(busyCursor);
    QVERIFY(painted);
    QCOMPARE(statusMeanwhile, Q("Запрос информации ..."_ansi));
    QCOMPARE(SuggestRequests(), size_t{1});
    QCOMPARE(List()->model()->rowCount(), 20);
    QVERIFY(!QApplication::overrideCursor());
}

// Closed during a lookup, the window ends the transfer, says nothing more and closes.
void BrowseWindowTest::closingDuringALookupEndsItAndShowsNothing() {
    QVERIFY(server_.AddFault({.mode = "hold", .path = "/suggestions"}));
    bool closed = false;
    bool openWhileTheTransferEnds = false;
    window_->setClosedHandler([&closed] { closed = true; });
    Type("ЗАРЯ"_ansi);
    QTimer::singleShot(0, this, [&] {
        QVERIFY(QTest::qWaitFor([&] { return SuggestRequests() == 1; }, 5000));
        window_->close();
        openWhileTheTransferEnds = window_->isVisible();
    });
    PressKey(Qt::Key_F12);
    QVERIFY(openWhileTheTransferEnds);
    QVERIFY(closed);
    QVERIFY(!window_->isVisible());
    QVERIFY(messages_->messages.empty());
    QVERIFY(server_.Requests("/api/v2/version").empty());
}

QTEST_MAIN(BrowseWindowTest)
#include "browse_window_test.moc"
