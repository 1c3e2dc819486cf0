// Saving and restoring real widgets' placements under the offscreen platform.
#include "gui/framework/window_placement_widget.h"

#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace kvilo::framework {

class WindowPlacementWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init() { store.Open(IniPath(), kSettingsIniFile); }
    void cleanup() { store.Close(); }

    void placementRoundTrips() {
        QWidget first;
        first.move(40, 50);
        first.resize(500, 300);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        SaveWidgetPlacement(first, store, "Form_EGRUL");
        first.close();

        QWidget second;
        QVERIFY(RestoreWidgetPlacement(second, store, "Form_EGRUL", ScreenWorkArea()));
        QCOMPARE(second.pos(), QPoint(40, 50));
        QCOMPARE(second.size(), QSize(500, 300));
        QVERIFY(!second.isMaximized());
    }

    void lowerCaseYesRestoresNothing() {
        store.Update("Browse_EGRUL", "Maximize", "yes");
        store.Update("Browse_EGRUL", "XPos", "10");
        store.Update("Browse_EGRUL", "Width", "321");
        QWidget window;
        window.resize(640, 480);
        QPoint before = window.pos();
        QVERIFY(!RestoreWidgetPlacement(window, store, "Browse_EGRUL", ScreenWorkArea()));
        QCOMPARE(window.pos(), before);
        QCOMPARE(window.size(), QSize(640, 480));
        QVERIFY(!(window.windowState() & Qt::WindowMaximized));
    }

    void minimizedWindowKeepsOnlyItsState() {
        QWidget window;
        window.setGeometry(20, 30, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SaveWidgetPlacement(window, store, "SetBrwFormat");
        window.showMinimized();
        QVERIFY(window.isMinimized());
        SaveWidgetPlacement(window, store, "SetBrwFormat");
        store.Close();
        QSettings raw(QString::fromStdString(IniPath()), QSettings::IniFormat);
        raw.beginGroup("SetBrwFormat");
        QCOMPARE(raw.childKeys(), (QStringList{"Maximize", "Minimize"}));
        QCOMPARE(raw.value("Minimize").toString(), QString("Yes"));
    }

    void placementOutsideEveryScreenComesBack() {
        store.Update("ImageCard", "Maximize", "No");
        store.Update("ImageCard", "XPos", "9000");
        store.Update("ImageCard", "YPos", "-7000");
        store.Update("ImageCard", "Width", "300");
        store.Update("ImageCard", "Height", "200");
        QWidget window;
        QVERIFY(RestoreWidgetPlacement(window, store, "ImageCard", ScreenWorkArea()));
        QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(area.contains(QRect(window.pos(), window.size())));
        QCOMPARE(window.size(), QSize(300, 200));
    }

    void maximizedStateIsRestoredAfterTheNormalPlace() {
        UpdateWindowPlacement(store, "AskColor", WindowPlacement{true, false, 15, 25, 350, 250});
        QWidget window;
        QVERIFY(RestoreWidgetPlacement(window, store, "AskColor", ScreenWorkArea()));
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.normalGeometry().size(), QSize(350, 250));
    }

    void keeperRestoresAtOpeningAndSavesAtClosing() {
        UpdateWindowPlacement(store, "AskUpdate", WindowPlacement{false, false, 60, 70, 420, 310});
        SettingsStore* previous = SetSettingsStore(&store);
        {
            QWidget window;
            new WindowPlacementKeeper(window, "AskUpdate");
            QCOMPARE(window.size(), QSize(420, 310));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.move(80, 90);
            window.resize(430, 320);
            window.close();
        }
        SetSettingsStore(previous);
        QCOMPARE(store.Fetch("AskUpdate", "XPos"), std::string("80"));
        QCOMPARE(store.Fetch("AskUpdate", "Width"), std::string("430"));
    }

    void keeperSavesADialogEndedWithAccept() {
        SettingsStore* previous = SetSettingsStore(&store);
        {
            QDialog dialog;
            dialog.resize(250, 150);
            new WindowPlacementKeeper(dialog, "AskColor");
            dialog.move(33, 44);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.accept();
        }
        SetSettingsStore(previous);
        QCOMPARE(store.Fetch("AskColor", "XPos"), std::string("33"));
        QCOMPARE(store.Fetch("AskColor", "Height"), std::string("150"));
    }

    void fixedSizeDialogKeepsNoSize() {
        QWidget dialog;
        dialog.setFixedSize(200, 100);
        dialog.move(5, 5);
        SaveWidgetPlacement(dialog, store, "AskUpdate");
        QCOMPARE(store.Fetch("AskUpdate", "Width", "none"), std::string("none"));
        QCOMPARE(store.Fetch("AskUpdate", "XPos"), std::string("5"));
    }

private:
    // One file per test function, so that no test sees what another stored.
    std::string IniPath() const {
        return QDir(folder.path()).filePath(QString(QTest::currentTestFunction()) + ".ini").toStdString();
    }

    QTemporaryDir folder;
    SettingsStore store;
};

} // namespace kvilo::framework

QTEST_MAIN(kvilo::framework::WindowPlacementWidgetTest)
#include "window_placement_widget_test.moc"
