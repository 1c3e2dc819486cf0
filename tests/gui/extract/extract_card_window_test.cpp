// The extract card under the offscreen platform: captions, texts, the map button and the tab order.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/framework/error_manager.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"
#include "core/framework/settings_store.h"
#include "core/online/location_map.h"
#include "fake_services.h"
#include "gui/extract/extract_card_window.h"
#include "gui/framework/program_font.h"
#include "platform/command_line.h"

using namespace kvilo::base::literals;
using kvilo::extract::ExtractCard;
using kvilo::framework::RecordingMessagePresenter;
using kvilo::framework::ToQString;
using kvilo::lookup::PartyRecord;

namespace {

PartyRecord Company() {
    PartyRecord record;
    record.DaName = "ООО \"Ромашка\""_ansi;
    record.DaInn = "7707083893";
    record.DaKpp = "773601001";
    record.DaOgrn = "1027700132195";
    record.DaLiZo = "Ю"_ansi;
    record.DaAddress = "г Москва, ул Вавилова, д 19"_ansi;
    record.DaActDate = kvilo::base::DayNumber(2024, 6, 1);
    record.DaRegDate = kvilo::base::DayNumber(2002, 8, 16);
    record.DaStatus = "действующая"_ansi;
    record.DaDir = "Иванов Иван Иванович"_ansi;
    record.DaDol = "Президент"_ansi;
    record.DaBCount = 12;
    record.DaBType = "головной"_ansi;
    record.DaOkved = "64.19";
    record.DaOkpo = "00032537";
    record.DaLat = "55.70";
    record.DaLon = "37.59";
    return record;
}

QString Q(const char* ansi) {
    return ToQString(ansi);
}

// Takes the map's picture window: keeps its caption and closes it at once.
class CaptionOpener : public kvilo::online::ImageCardOpener {
public:
    CaptionOpener() : previous_(kvilo::online::SetImageCardOpener(this)) {}
    ~CaptionOpener() override { kvilo::online::SetImageCardOpener(previous_); }
    void Open(const std::string&, const std::string& caption, std::function<void()> closed) override {
        captions.push_back(caption);
        closed();
    }
    std::vector<std::string> captions;

private:
    kvilo::online::ImageCardOpener* previous_;
};

} // namespace

class ExtractCardTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheRowUnderItsLabels() {
        ExtractCard card(Company());
        QCOMPARE(card.windowTitle(), Q("Просмотр выписки ЕГРЮЛ"_ansi));
        // The windows' font, in the face this system has for it.
        QCOMPARE(card.font().family(), kvilo::framework::ProgramFont(kvilo::framework::kWindowFontName).family());
        QCOMPARE(card.Field("Наименование"_ansi)->text(), Q("ООО \"Ромашка\""_ansi));
        QCOMPARE(card.Field("ИНН"_ansi)->text(), QString("7707083893"));
        QCOMPARE(card.Field("Адрес"_ansi)->text(), Q("г Москва, ул Вавилова, д 19"_ansi));
        QCOMPARE(card.Field("Регистрация"_ansi)->text(), QString("16.08.2002"));
        QCOMPARE(card.Field("Ликвидация"_ansi)->text(), QString());
        QCOMPARE(card.Field("Кол-во подразделений"_ansi)->text(), QString("12"));
        QCOMPARE(card.Field("Должность"_ansi)->text(), Q("Президент"_ansi));
        QVERIFY(card.Field("Руководитель"_ansi)->isReadOnly());
    }

    void captionFollowsTheLegalForm() {
        PartyRecord record = Company();
        QCOMPARE(ExtractCard(record).Sheet()->tabText(0), Q(" Юридическое лицо "_ansi));
        record.DaLiZo = "Ф"_ansi;
        QCOMPARE(ExtractCard(record).Sheet()->tabText(0), Q(" Индивидуальный предприниматель "_ansi));
        record.DaLiZo = "";
        QCOMPARE(ExtractCard(record).Sheet()->tabText(0), Q(" Реквизиты "_ansi));
        QCOMPARE(ExtractCard(record).Sheet()->count(), 1);
    }

    void actualityLine() {
        PartyRecord record = Company();
        QCOMPARE(ExtractCard(record).ActualityLine()->text(), Q("Данные актуальны на 01.06.2024 г."_ansi));
        record.DaActDate = 0;
        QCOMPARE(ExtractCard(record).ActualityLine()->text(), Q("Нет данных о дате актуальности данных"_ansi));
    }

    void zeroDatesAndCountsShowEmpty() {
        PartyRecord record = Company();
        record.DaRegDate = 0;
        record.DaBCount = 0;
        ExtractCard card(record);
        QCOMPARE(card.Field("Регистрация"_ansi)->text(), QString());
        QCOMPARE(card.Field("Кол-во подразделений"_ansi)->text(), QString());
    }

    void mapButtonNeedsBothCoordinates() {
        ExtractCard full(Company());
        QCOMPARE(full.MapButton()->text(), Q(" Карта"_ansi));
        QCOMPARE(full.MapButton()->toolTip(), Q("Просмотр карты"_ansi));
        QVERIFY(!full.MapButton()->icon().pixmap(16, 16).isNull()); // the picture was found
        QVERIFY(full.MapButton()->isEnabled());
        PartyRecord record = Company();
        record.DaLon = "   ";
        ExtractCard blank(record);
        QVERIFY(!blank.MapButton()->isEnabled());
        record = Company();
        record.DaLat = "";
        QVERIFY(!ExtractCard(record).MapButton()->isEnabled());
    }

    void mapWithoutCoordinatesSaysSo() {
        PartyRecord record = Company();
        record.DaLon = " ";
        ExtractCard card(record);
        card.MapButton()->setEnabled(true); // enabled by other means
        RecordingMessagePresenter messages;
        QTest::mouseClick(card.MapButton(), Qt::LeftButton);
        QCOMPARE(messages.messages.size(), size_t(1));
        QCOMPARE(Q(messages.messages[0].caption.c_str()), Q("У нас проблема !"_ansi));
        QCOMPARE(Q(messages.messages[0].text.c_str()), Q("Нет данных о месторасположении контрагента !"_ansi));
        QCOMPARE(messages.messages[0].buttons, std::vector<std::string>{kvilo::framework::kCloseButton});
    }

    void mapWithCoordinatesGoesToTheMapWithTheNameAlone() {
        kvilo::testsupport::FakeServices server;
        QVERIFY2(server.Start(), server.Error().c_str());
        QTemporaryDir ram;
        kvilo::platform::SetCommandLine(
            std::vector<std::string>{"MAPURL=" + server.HttpUrl(""), "RAM=" + ram.path().toStdString()});
        ExtractCard card(Company());
        RecordingMessagePresenter messages;
        CaptionOpener opener;
        QTest::mouseClick(card.MapButton(), Qt::LeftButton);
        kvilo::online::WaitForLocationMaps();
        kvilo::platform::SetCommandLine(std::vector<std::string>{});
        QCOMPARE(messages.messages.size(), size_t(0));
        QCOMPARE(opener.captions, std::vector<std::string>{"ООО \"Ромашка\""_ansi});
        QCOMPARE(server.Requests("/1.x/").front().target,
                 std::string("/1.x/?ll=37.590000,55.700000&size=650,450&z=16&l=map&pt=37.590000,55.700000,flag"));
    }

    void tabOrderIsTheControlOrder() {
        ExtractCard card(Company());
        QWidget* expected[] = {card.MapButton(),
                               card.ActualityLine(),
                               card.Sheet(),
                               card.Field("Наименование"_ansi),
                               card.Field("ИНН"_ansi),
                               card.Field("КПП"_ansi),
                               card.Field("ОГРН"_ansi),
                               card.Field("Адрес"_ansi),
                               card.Field("Статус"_ansi),
                               card.Field("Регистрация"_ansi),
                               card.Field("Ликвидация"_ansi),
                               card.Field("Тип"_ansi),
                               card.Field("Кол-во подразделений"_ansi),
                               card.Field("ОКВЭД"_ansi),
                               card.Field("ОКПО"_ansi),
                               card.Field("Руководитель"_ansi),
                               card.Field("Должность"_ansi)};
        card.show();
        QVERIFY(QTest::qWaitForWindowActive(&card));
        card.MapButton()->setFocus();
        for (size_t i = 1; i < std::size(expected); ++i) {
            QVERIFY(expected[i] != nullptr);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            // The sheet takes the focus through its tab bar.
            const bool reached = focus == expected[i] || (focus != nullptr && focus->parentWidget() == expected[i] &&
                                                          expected[i]->focusProxy() == focus);
            QVERIFY2(reached,
                     qPrintable(QString("step %1 reached %2")
                                    .arg(i)
                                    .arg(focus ? focus->metaObject()->className() + QString(" ") + focus->objectName()
                                               : QString("nothing"))));
        }
    }

    void formKeepsItsPlaceUnderFormEgrulAndNamesItself() {
        QTemporaryDir folder;
        kvilo::framework::SettingsStore store;
        store.Open((folder.path() + "/kvilo.ini").toStdString(), kvilo::framework::kSettingsIniFile);
        kvilo::framework::SettingsStore* previousStore = kvilo::framework::SetSettingsStore(&store);
        kvilo::framework::ErrorManager errors;
        kvilo::framework::ErrorManager* previousErrors = kvilo::framework::SetErrorManager(&errors);

        std::string procedureWhileOpen;
        QTimer::singleShot(0, [&] {
            QWidget* card = QApplication::activeModalWidget();
            QVERIFY(card != nullptr);
            procedureWhileOpen = errors.TopProcedure();
            card->resize(720, 640);
            card->close();
        });
        kvilo::extract::Form_EGRUL(Company(), nullptr);
        QCOMPARE(procedureWhileOpen, std::string("Form_EGRUL"));
        QCOMPARE(errors.TopProcedure(), std::string());
        QCOMPARE(store.Fetch("Form_EGRUL", "Width"), std::string("720"));
        QCOMPARE(store.Fetch("Form_EGRUL", "Height"), std::string("640"));

        QSize reopened;
        QTimer::singleShot(0, [&] {
            QWidget* card = QApplication::activeModalWidget();
            QVERIFY(card != nullptr);
            reopened = card->size();
            card->close();
        });
        kvilo::extract::Form_EGRUL(Company(), nullptr);
        QCOMPARE(reopened, QSize(720, 640));

        kvilo::framework::SetErrorManager(previousErrors);
        kvilo::framework::SetSettingsStore(previousStore);
    }
};

QTEST_MAIN(ExtractCardTest)
#include "extract_card_window_test.moc"
