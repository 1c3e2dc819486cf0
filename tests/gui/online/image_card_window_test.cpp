// The picture window ImageCard and the location map that fills it, under the offscreen platform: the fit of
// the picture, the fallback, the map from the fake service with its temporary file, and a main window that
// stays usable while a slow map loads.
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "base/cp1251.h"
#include "base/dates.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"
#include "core/online/location_map.h"
#include "fake_services.h"
#include "gui/browse/browse_window.h"
#include "gui/online/image_card_window.h"
#include "online_fake.h"
#include "platform/command_line.h"

using namespace kvilo;
using namespace kvilo::base::literals;
using framework::ToQString;

namespace {

// The open picture windows.
QList<QWidget*> OpenCards() {
    QList<QWidget*> cards;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "ImageCard" && widget->isVisible()) cards.append(widget);
    return cards;
}

} // namespace

class ImageCardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(server_.Start(), server_.Error().c_str());
        QImage image(650, 450, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(picture_.filePath("map.png")));
        QFile notAPicture(picture_.filePath("error.png"));
        QVERIFY(notAPicture.open(QIODevice::WriteOnly));
        notAPicture.write("<error><status>400</status><message>Wrong size: 703,450</message></error>");
        online::InstallImageCardOpener();
    }

    void init() {
        QVERIFY(server_.Reset());
        QVERIFY(testing::MapControl(server_, "picture"));
        platform::SetCommandLine(std::vector<std::string>{"RAM=" + ram_.path().toStdString(),
                                                          "CAFILE=" + server_.CertificateFile(),
                                                          "MAPURL=" + server_.HttpsUrl("")});
    }

    void cleanup() {
        for (QWidget* card : OpenCards())
            card->close();
        QTRY_COMPARE(online::RunningLocationMaps(), size_t{0});
        platform::SetCommandLine(std::vector<std::string>{});
    }

    void theWindowShowsItsCaptionAndTheFallbackWithoutAPicture() {
        online::ImageCard card("  ООО Альфа, г. Москва   "_ansi);
        QCOMPARE(card.windowTitle(), ToQString("Просмотр изображения"_ansi));
        QCOMPARE(card.Caption()->text(), ToQString("ООО Альфа, г. Москва"_ansi));
        QVERIFY(card.Caption()->isReadOnly());
        QVERIFY(!card.LoadPicture(picture_.filePath("error.png").toStdString()));
        card.show();
        QVERIFY(card.Fallback()->isVisible());
        QCOMPARE(card.Fallback()->text(), ToQString("НЕТ КАРТИНКИ"_ansi));
        QVERIFY(!card.Picture()->isVisible());
    }

    // Fitted, the picture keeps its proportions, fills the region in one direction and is centred in the other.
    void thePictureFitsATallAndAWideRegionAndRefitsOnResize() {
        online::ImageCard card("map");
        QVERIFY(card.LoadPicture(picture_.filePath("map.png").toStdString()));
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));

        card.resize(400, 700);
        QTRY_COMPARE(card.Picture()->width(), card.Region()->contentsRect().width());
        const QRect tall = card.Picture()->geometry();
        QCOMPARE(tall.height(), tall.width() * 450 / 650);
        const QRect region = card.Region()->contentsRect();
        QVERIFY(qAbs((tall.top() - region.top()) - (region.bottom() - tall.bottom())) <= 1);

        card.resize(1200, 500);
        QTRY_COMPARE(card.Picture()->height(), card.Region()->contentsRect().height());
        const QRect wide = card.Picture()->geometry();
        QVERIFY(qAbs(wide.width() - wide.height() * 650 / 450) <= 1);
        const QRect wideRegion = card.Region()->contentsRect();
        QVERIFY(qAbs((wide.left() - wideRegion.left()) - (wideRegion.right() - wide.right())) <= 1);
    }

    void aFileWithoutAPictureIsSaidAndOpensNoWindow() {
        framework::RecordingMessagePresenter messages;
        bool closed = false;
        QVERIFY(!online::ShowImageCard(picture_.filePath("error.png").toStdString(), true, false, "x",
                                       [&closed] { closed = true; }));
        QVERIFY(!online::ShowImageCard("   ", true, false, "x"));
        QVERIFY(closed);
        QVERIFY(OpenCards().isEmpty());
        QCOMPARE(messages.messages.size(), size_t{2});
        QCOMPARE(ToQString(messages.messages[0].text),
                 ToQString("Отсутствует файл с изображением для просмотра !"_ansi));
        QCOMPARE(ToQString(messages.messages[1].text),
                 ToQString("Отсутствует имя файла с картинкой для просмотра !"_ansi));
    }

    void theMapOpensInThePictureWindowAndItsFileGoesWithIt() {
        online::StartLocationMap(online::LocationMapCaption("ООО Альфа, г. Москва"_ansi), "37.6173", "55.755826");
        QTRY_COMPARE(OpenCards().size(), 1);
        auto* card = static_cast<online::ImageCard*>(OpenCards().front());
        QCOMPARE(card->Caption()->text(), ToQString("ООО Альфа, г. Москва"_ansi));
        QVERIFY(card->Picture()->isVisible());
        QCOMPARE(RamFiles().size(), 1);
        QDir().mkpath(KVILO_BINARY_DIR "/screenshots");
        QVERIFY(card->grab().save(KVILO_BINARY_DIR "/screenshots/image_card_map.png"));
        card->close();
        QTRY_COMPARE(online::RunningLocationMaps(), size_t{0});
        QVERIFY(RamFiles().isEmpty());
    }

    void twoMapsOpenAtOnce() {
        online::StartLocationMap(online::LocationMapCaption("ООО Альфа"_ansi), "37.6173", "55.755826");
        online::StartLocationMap(online::LocationMapCaption("ООО Бета"_ansi), "30.3141", "59.9386");
        QTRY_COMPARE(OpenCards().size(), 2);
        QCOMPARE(RamFiles().size(), 2);
        online::FinishLocationMaps(); // as the program does when its main window closes
        QVERIFY(OpenCards().isEmpty());
        QCOMPARE(online::RunningLocationMaps(), size_t{0});
        QVERIFY(RamFiles().isEmpty());
    }

    void theMainWindowStaysUsableWhileASlowMapLoads() {
        browse::BrowseOptions options;
        options.buildDate = base::DayNumber(2024, 3, 16);
        options.services.urls.suggestBase = server_.HttpUrl("");
        options.services.urls.versionBase = server_.HttpUrl("");
        options.actions.showMap = [](const lookup::MapArguments& map) {
            online::StartLocationMap(map.caption, map.longitude, map.latitude);
        };
        browse::BrowseWindow window(std::move(options));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* query = window.findChild<QLineEdit*>("query");
        auto* status = window.findChild<QLabel*>("status");

        query->setText(ToQString("ладога"_ansi));
        QTest::mouseClick(window.findChild<QPushButton*>("lookupButton"), Qt::LeftButton);
        QTRY_VERIFY(status->text().contains(ToQString("Найдено: 19"_ansi)));
        QVERIFY(server_.AddFault({.mode = "hold", .path = "/1.x/"}));
        QTest::mouseClick(window.findChild<QPushButton*>("mapButton"), Qt::LeftButton);
        QTRY_COMPARE(server_.Requests("/1.x/").size(), size_t{1});

        query->setText(ToQString("заря"_ansi));
        QTest::mouseClick(window.findChild<QPushButton*>("lookupButton"), Qt::LeftButton);
        QTRY_VERIFY(status->text().contains(ToQString("Показано: 20"_ansi)));
        QCOMPARE(online::RunningLocationMaps(), size_t{1});
        QVERIFY(OpenCards().isEmpty());

        QVERIFY(server_.ReleaseHeld());
        QTRY_COMPARE(OpenCards().size(), 1);
    }

private:
    QStringList RamFiles() const { return QDir(ram_.path()).entryList(QDir::Files); }

    testsupport::FakeServices server_{testsupport::FakeServices::Options{.https = true}};
    QTemporaryDir picture_;
    QTemporaryDir ram_;
};

QTEST_MAIN(ImageCardWindowTest)
#include "image_card_window_test.moc"
