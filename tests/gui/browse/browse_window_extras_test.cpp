// The main window's helpers for everyday work, against the fake register services under the offscreen
// platform: the warning on a mistyped code, copying requisites, the mark on entries that are gone, and the
// recent queries.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"
#include "core/framework/settings_store.h"
#include "core/listformat/list_format_stores.h"
#include "fake_services.h"
#include "gui/browse/browse_window.h"
#include "gui/framework/mark_colour.h"
#include "gui/listcontrol/format_list.h"
#include "gui/listcontrol/format_table_model.h"

using namespace kvilo;
using namespace kvilo::base::literals;
using kvilo::framework::ToQString;

namespace {

QString Q(const char* ansi) {
    return ToQString(ansi);
}

lookup::BrowseActions QuietActions() {
    lookup::BrowseActions actions;
    actions.openCard = [](const lookup::PartyRecord&) {};
    actions.exportList = [](const lookup::PartyRows&, const std::string&) {};
    actions.showMap = [](const lookup::MapArguments&) {};
    actions.listSettings = [](listformat::BrwSettings&) {};
    actions.checkUpdate = [](int32_t) { return false; };
    actions.screenKeyboard = [] {};
    actions.openSite = [](const std::string&) {};
    return actions;
}

// Triggers the item `text` of the context menu that opens next, once it shows.
void TriggerMenuItemWhenShown(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions())
            if (action->text() == text) action->trigger();
        menu->close();
    });
}

} // namespace

class BrowseWindowExtrasTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aCodeWithAWrongControlDigitTintsTheFieldAndIsStillLookedUp();
    void ctrlCAndTheListMenuCopyTheRequisitesCtrlShiftCJustTheInn();
    void entriesThatAreGoneCarryTheMarksColourAndIcon();
    void recentQueriesSurviveARestartAndClear();

private:
    void OpenWindow();
    void Lookup(const char* ansi);
    QLineEdit* Query() const { return window_->findChild<QLineEdit*>("query"); }
    QString Status() const { return window_->findChild<QLabel*>("status")->text(); }
    listcontrol::FormatList* List() const { return window_->findChild<listcontrol::FormatList*>("list"); }
    int Column(const char* header) const;
    int Row(const char* name) const;

    testsupport::FakeServices server_;
    QTemporaryDir folder_;
    std::unique_ptr<framework::SettingsStore> store_;
    std::unique_ptr<listformat::ListFormatStores> formats_;
    std::unique_ptr<framework::RecordingMessagePresenter> messages_;
    std::unique_ptr<browse::BrowseWindow> window_;
};

void BrowseWindowExtrasTest::initTestCase() {
    QVERIFY2(server_.Start(), server_.Error().c_str());
}

void BrowseWindowExtrasTest::init() {
    QVERIFY(server_.Reset());
    store_ = std::make_unique<framework::SettingsStore>();
    store_->Open((folder_.path() + "/settings.ini").toStdString(), framework::kSettingsIniFile);
    framework::SetSettingsStore(store_.get());
    formats_ = std::make_unique<listformat::ListFormatStores>((folder_.path() + "/lf.dat").toStdString());
    listformat::SetListFormatStores(formats_.get());
    messages_ = std::make_unique<framework::RecordingMessagePresenter>();
    OpenWindow();
}

void BrowseWindowExtrasTest::cleanup() {
    window_.reset();
    messages_.reset();
    framework::SetSettingsStore(nullptr);
    store_.reset();
    listformat::SetListFormatStores(nullptr);
    formats_.reset();
    QFile::remove(folder_.path() + "/settings.ini");
    QFile::remove(folder_.path() + "/lf.dat");
}

void BrowseWindowExtrasTest::OpenWindow() {
    window_.reset();
    browse::BrowseOptions options;
    options.buildDate = base::DayNumber(2024, 3, 16);
    options.services.urls.suggestBase = server_.HttpUrl("");
    options.services.urls.versionBase = server_.HttpUrl("");
    options.actions = QuietActions();
    window_ = std::make_unique<browse::BrowseWindow>(std::move(options));
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void BrowseWindowExtrasTest::Lookup(const char* ansi) {
    Query()->setFocus();
    Query()->setText(ToQString(ansi));
    QTest::keyClick(Query(), Qt::Key_F12);
}

int BrowseWindowExtrasTest::Column(const char* header) const {
    for (int column = 0; column < List()->model()->columnCount(); ++column)
        if (List()->model()->headerData(column, Qt::Horizontal).toString() == Q(header)) return column;
    return -1;
}

int BrowseWindowExtrasTest::Row(const char* name) const {
    for (int row = 0; row < List()->model()->rowCount(); ++row)
        if (List()->model()->index(row, 0).data().toString() == Q(name)) return row;
    return -1;
}

void BrowseWindowExtrasTest::aCodeWithAWrongControlDigitTintsTheFieldAndIsStillLookedUp() {
    const QString warning = Q("Контрольное число ИНН не сходится: проверьте цифры"_ansi);
    Query()->setFocus();
    QTest::keyClicks(Query(), "7472498432");
    QCOMPARE(Query()->toolTip(), warning);
    QCOMPARE(Query()->palette().color(QPalette::Base), QColor(255, 224, 224));
    QCOMPARE(Status(), warning);
    QTest::keyClick(Query(), Qt::Key_F12);
    QCOMPARE(server_.Requests("/suggestions").size(), size_t{1});
    QVERIFY2(Status().startsWith(Q("Нет данных"_ansi)) && Status().endsWith(warning), qPrintable(Status()));

    Query()->setFocus();
    QTest::keyClick(Query(), Qt::Key_Backspace);
    QTest::keyClicks(Query(), "1"); // 7472498431: the control digit agrees
    QVERIFY(!Query()->toolTip().contains(warning));
    QVERIFY(!Status().contains(warning));
    QCOMPARE(Query()->palette().color(QPalette::Base), QColor(224, 255, 224)); // the focused field's own
}

void BrowseWindowExtrasTest::ctrlCAndTheListMenuCopyTheRequisitesCtrlShiftCJustTheInn() {
    Lookup("СЕВЕРНАЯ ПРИСТАНЬ"_ansi);
    QVERIFY(List()->model()->rowCount() > 0);
    const lookup::PartyRow& row = window_->data().rows[0];
    QApplication::clipboard()->clear();
    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied->text().startsWith(Q("АО КБ \"СЕВЕРНАЯ ПРИСТАНЬ\"\nИНН / КПП: 7716767498 / 771601001\n"
                                        "ОГРН: 1027768615643\nАдрес: "_ansi)));
    QVERIFY(copied->text().endsWith(
        ToQString("Руководитель: "_ansi + std::string(row.QFDol.View()) + " " + std::string(row.QFDir.View()) + "\n")));
    QVERIFY(copied->html().contains(Q("<td>АО КБ &quot;СЕВЕРНАЯ ПРИСТАНЬ&quot;</td>"_ansi)));

    QTest::keyClick(List(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("7716767498"));

    QApplication::clipboard()->clear();
    TriggerMenuItemWhenShown(Q("Копировать реквизиты"_ansi));
    emit List()->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(QApplication::clipboard()->text().startsWith(Q("АО КБ"_ansi)));
}

void BrowseWindowExtrasTest::entriesThatAreGoneCarryTheMarksColourAndIcon() {
    Lookup("ЗАВОД"_ansi);
    const int bankrupt = Row("АО \"СУДОРЕМОНТНЫЙ ЗАВОД ПОМОРЬЕ\""_ansi);
    const int status = Column("Статус"_ansi);
    QVERIFY(bankrupt >= 0 && status >= 0 && List()->model()->rowCount() >= 2);
    const int active = bankrupt == 0 ? 1 : 0;
    // The status still reads as the list always showed it; the mark comes from the state behind it.
    QCOMPARE(List()->model()->index(bankrupt, status).data().toString(), QString("???"));
    QVERIFY(List()->model()->index(bankrupt, status).data(Qt::DecorationRole).isValid());
    QVERIFY(!List()->model()->index(active, status).data(Qt::DecorationRole).isValid());

    // Drawn: the marked row's text is in the mark's red, unselected and on the selection bar alike.
    auto redPixels = [this](int row) {
        const QRect cell = List()->visualRect(List()->model()->index(row, 0));
        const QImage image = List()->viewport()->grab(cell).toImage();
        int reds = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > c.green() + 60 && c.red() > c.blue() + 60) ++reds;
            }
        return reds;
    };
    List()->setCurrentRowNumber(active + 1);
    QVERIFY(redPixels(bankrupt) > 0);
    QCOMPARE(redPixels(active), 0);
    List()->setCurrentRowNumber(bankrupt + 1);
    QVERIFY(redPixels(bankrupt) > 0);
    const QColor bar = List()->palette().color(QPalette::Active, QPalette::Highlight);
    QVERIFY(framework::ContrastRatio(framework::MarkTextColour(bar), bar) >= 3.0);
}

void BrowseWindowExtrasTest::recentQueriesSurviveARestartAndClear() {
    Lookup("СЕВЕРНАЯ ПРИСТАНЬ"_ansi);
    Lookup("несуществующее"_ansi); // found nothing: not kept
    Lookup("ЗАВОД"_ansi);
    OpenWindow(); // a new run on the same settings store
    auto* model = qobject_cast<QStringListModel*>(Query()->completer()->model());
    QCOMPARE(model->stringList(), QStringList({Q("ЗАВОД"_ansi), Q("СЕВЕРНАЯ ПРИСТАНЬ"_ansi)}));

    Query()->setFocus();
    QTest::keyClick(Query(), Qt::Key_Down, Qt::AltModifier);
    QVERIFY(Query()->completer()->popup()->isVisible());
    QCOMPARE(Query()->completer()->completionCount(), 2);
    Query()->completer()->popup()->hide();

    TriggerMenuItemWhenShown(Q("Очистить историю"_ansi));
    emit Query()->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(model->stringList().isEmpty());
    OpenWindow();
    QVERIFY(qobject_cast<QStringListModel*>(Query()->completer()->model())->stringList().isEmpty());
}

QTEST_MAIN(BrowseWindowExtrasTest)
#include "browse_window_extras_test.moc"
