// The list control over the main list's designed format and three result rows: headers, widths,
// visibility, colours and the frozen column read back from the widgets, the owner's events, and a
// screenshot of the list for the eye.
#include <QFontInfo>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "designed_format.h"
#include "gui/listcontrol/format_list.h"
#include "gui/listcontrol/format_table_model.h"
#include "gui/listcontrol/group_header_view.h"
#include "party_rows.h"

using kvilo::listcontrol::FormatList;
using kvilo::listcontrol::FormatTableModel;
using kvilo::listformat::ListFormat;
using kvilo::testing::kDesignedFormat;
using namespace kvilo::base::literals;

namespace {

const char* const kHeaders[] = {"Полное наименование",
                                "ИНН",
                                "КПП",
                                "ОГРН",
                                "Л",
                                "Адрес",
                                "Актуальность",
                                "Регистрация",
                                "Ликвидация",
                                "Статус",
                                "ФИО",
                                "Должность",
                                "Кол-во",
                                "Тип",
                                "ОКВЭД",
                                "ОКПО",
                                "Широта",
                                "Долгота"};
const int kWidths[] = {120, 58, 46, 70, 14, 120, 52, 52, 52, 80, 100, 100, 36, 80, 80, 80, 70, 70};

QString Header(const FormatList& list, int logical) {
    return list.model()->headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString Cell(const FormatList& list, int row, int logical) {
    return list.model()->data(list.model()->index(row, logical)).toString();
}

int TotalWidth(const FormatList& list) {
    int width = 2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < list.model()->columnCount(); ++c)
        width += list.columnWidth(c);
    return width;
}

} // namespace

class FormatListTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        rows_ = std::make_unique<kvilo::testing::TableRows>(kvilo::testing::PartyRows());
        list_ = std::make_unique<FormatList>();
        list_->setListFont("Segoe UI", 11);
        list_->setLineHeight(9);
        QVERIFY(list_->setFormatText(kDesignedFormat));
        list_->setRowSource(rows_.get());
        list_->resize(900, 220);
        list_->show();
        QVERIFY(QTest::qWaitForWindowExposed(list_.get()));
    }
    void cleanup() {
        list_.reset();
        rows_.reset();
    }

    void designedFormatShowsEighteenColumnsWithTheirHeadersAndWidths() {
        QCOMPARE(list_->model()->columnCount(), 18);
        QCOMPARE(list_->model()->rowCount(), 3);
        QCOMPARE(list_->formatText(), kDesignedFormat);
        for (int c = 0; c < 18; ++c) {
            QCOMPARE(Header(*list_, c), QString::fromUtf8(kHeaders[c]));
            QVERIFY(!list_->isColumnHidden(c));
            QCOMPARE(list_->columnWidth(c), list_->unitsToPixels(kWidths[c]));
            const auto mode = c == 4 ? QHeaderView::Fixed : QHeaderView::Interactive;
            QCOMPARE(list_->horizontalHeader()->sectionResizeMode(c), mode);
        }
        // A dialog unit is a quarter of the average width of the Latin letters.
        const double letters =
            QFontMetricsF(list_->font()).horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        QCOMPARE(list_->unitsToPixels(120), qRound(120 * letters / 52 / 4));
    }

    // With this platform's fonts (DejaVu Sans stands in for "Segoe UI") every designed header shows whole and
    // the longest codes keep clear of their column's right border.
    void theDesignedColumnsHoldTheirDesignedTexts() {
        QCOMPARE(QFontInfo(list_->font()).family(), QString("DejaVu Sans"));
        const QFontMetrics metrics(list_->font());
        const int cellPadding = 2;   // each side of a cell's text
        const int headerPadding = 3; // each side of a header's text
        for (int c = 0; c < 18; ++c) {
            const kvilo::listformat::Alignment align = list_->format().headerAlignment(c + 1);
            const int indent =
                align.justify == kvilo::listformat::Justify::Centre ? 0 : list_->unitsToPixels(align.indent);
            const int room = list_->columnWidth(c) - 2 * headerPadding - indent;
            QVERIFY2(metrics.horizontalAdvance(Header(*list_, c)) <= room, qPrintable(Header(*list_, c)));
        }
        const std::pair<int, const char*> codes[] = {
            {1, "772801234567"}, {2, "770101001"}, {3, "1027700132195"}, {6, "25.11.2024"}, {16, "-55.755814"}};
        for (const auto& [column, code] : codes) {
            const int indent = list_->unitsToPixels(list_->format().alignment(column + 1).indent);
            const int used = cellPadding + indent + metrics.horizontalAdvance(code) + cellPadding;
            QVERIFY2(used < list_->columnWidth(column), code); // the border line is the column's last pixel
        }
    }

    void groupHeadersSpanTheirMembers() {
        const auto* header = list_->groupHeader();
        QVERIFY(header->hasGroups());
        const QRect codes = header->groupRect(1); // "Коды ФНС" over ИНН, КПП, ОГРН
        QCOMPARE(codes, header->groupRect(3));
        QCOMPARE(codes.left(), header->sectionViewportPosition(1));
        QCOMPARE(codes.width(), list_->columnWidth(1) + list_->columnWidth(2) + list_->columnWidth(3));
        QCOMPARE(codes.height(), header->height() / 2);
        QVERIFY(header->groupRect(0).isEmpty()); // a column outside groups takes the whole height
        QVERIFY(header->groupRect(4).isEmpty());
        const QRect coordinates = header->groupRect(16);
        QCOMPARE(coordinates.width(), list_->columnWidth(16) + list_->columnWidth(17));
        // Two header lines.
        QVERIFY(header->height() >= 2 * QFontMetrics(list_->font()).height());
        QCOMPARE(list_->format().groupHeaderText(12), std::string("Руководитель"_ansi));
    }

    void cellsShowTheirFieldsThroughThePictures() {
        QCOMPARE(Cell(*list_, 0, 0), QString::fromUtf8("ООО \"РОМАШКА\""));
        QCOMPARE(Cell(*list_, 0, 4), QString::fromUtf8("Ю"));
        QCOMPARE(Cell(*list_, 0, 6), QString("01.06.2024"));
        QCOMPARE(Cell(*list_, 0, 8), QString()); // no liquidation date: blank
        QCOMPARE(Cell(*list_, 2, 8), QString("30.11.2023"));
        QCOMPARE(Cell(*list_, 0, 12), QString("     2"));
        QCOMPARE(Cell(*list_, 1, 12), QString(6, QLatin1Char(' '))); // no branches: all blanks
        QCOMPARE(Cell(*list_, 2, 10), QString::fromUtf8("Сидоров Пётр Павлович"));
        const auto alignment = [&](int c) {
            return list_->model()->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        };
        QVERIFY(alignment(6) & Qt::AlignRight);
        QVERIFY(alignment(4) & Qt::AlignHCenter);
        QVERIFY(alignment(0) & Qt::AlignLeft);
        QCOMPARE(list_->model()->index(0, 0).data(FormatTableModel::IndentRole).toInt(), 2);
        // The date headers are left-aligned over right-aligned data, without the data's indent.
        const auto header = [&](int c, int role) { return list_->model()->headerData(c, Qt::Horizontal, role); };
        QVERIFY(header(6, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);
        QCOMPARE(header(6, FormatTableModel::IndentRole).toInt(), 0);
        QCOMPARE(list_->model()->index(0, 6).data(FormatTableModel::IndentRole).toInt(), 2);
        // Without an alignment of its own a header follows its column.
        QVERIFY(header(4, Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHCenter);
        QCOMPARE(header(0, FormatTableModel::IndentRole).toInt(), 2);
    }

    void hidingAndShowingAColumnRoundTrips() {
        QVERIFY(list_->editFormat([](ListFormat& f) { return f.setWidth(6, 0); }));
        QVERIFY(list_->isColumnHidden(5));
        QVERIFY(list_->formatText().find("@s1@0L(2)|_M~Адрес~"_ansi) != std::string::npos);
        const std::string hidden = list_->formatText();
        FormatList other;
        QVERIFY(other.setFormatText(hidden));
        QVERIFY(other.isColumnHidden(5));
        QVERIFY(list_->editFormat([](ListFormat& f) { return f.setWidth(6, 120); }));
        QVERIFY(!list_->isColumnHidden(5));
        QCOMPARE(list_->columnWidth(5), list_->unitsToPixels(120));
        QCOMPARE(list_->formatText(), kDesignedFormat);
    }

    void hidingAGroupMemberNarrowsTheGroupHeader() {
        QVERIFY(list_->editFormat([](ListFormat& f) { return f.setWidth(3, 0); }));
        const QRect codes = list_->groupHeader()->groupRect(1);
        QCOMPARE(codes.width(), list_->columnWidth(1) + list_->columnWidth(3));
    }

    void reorderingItemsByTheirTextsKeepsTheFields() {
        const ListFormat& f = list_->format();
        std::string text = f.itemText(5); // "Л" first
        for (int item = 1; item <= f.itemCount(); ++item)
            if (item != 3) text += f.itemText(f.firstColumnOfItem(item));
        QVERIFY(list_->setFormatText(text));
        QCOMPARE(Header(*list_, 0), QString::fromUtf8("Л"));
        QCOMPARE(Cell(*list_, 0, 0), QString::fromUtf8("Ю"));
        QCOMPARE(Header(*list_, 1), QString::fromUtf8("Полное наименование"));
        QCOMPARE(Cell(*list_, 0, 1), QString::fromUtf8("ООО \"РОМАШКА\""));
        QCOMPARE(Cell(*list_, 0, 2), QString("7701234567"));
        QCOMPARE(list_->columnWidth(0), list_->unitsToPixels(14));
        QCOMPARE(list_->frozenColumnCount(), 2); // up to the fixed name column
        QVERIFY(list_->groupHeader()->groupRect(2).isValid());
        // The text written back parses to the same list.
        FormatList other;
        QVERIFY(other.setFormatText(list_->formatText()));
        QCOMPARE(other.format(), list_->format());
    }

    void headerColourRoundTripsAndIsShown() {
        QVERIFY(list_->editFormat([](ListFormat& f) { return f.setHeaderColour(5, 0x0000FF); }));
        QCOMPARE(list_->model()->headerData(4, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        QVERIFY(!list_->model()->headerData(3, Qt::Horizontal, Qt::ForegroundRole).value<QColor>().isValid());
        QVERIFY(list_->formatText().find("14C|_HT(255)~Л~"_ansi) != std::string::npos);
        FormatList other;
        QVERIFY(other.setFormatText(list_->formatText()));
        QCOMPARE(other.model()->headerData(4, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        // The header's pixels carry the colour.
        const QRect section(list_->groupHeader()->sectionViewportPosition(4), 0, list_->columnWidth(4),
                            list_->groupHeader()->height());
        const QImage image = list_->groupHeader()->viewport()->grab(section).toImage();
        bool red = false;
        for (int y = 0; y < image.height() && !red; ++y)
            for (int x = 0; x < image.width() && !red; ++x) {
                const QColor c = image.pixelColor(x, y);
                red = c.red() > 150 && c.green() < 100 && c.blue() < 100;
            }
        QVERIFY(red);
    }

    void columnColoursReachTheCells() {
        QVERIFY(list_->editFormat([](ListFormat& f) { return f.setColours(2, {0, 0xEEEEFF, 0, 0xEEEEFF}); }));
        const QModelIndex cell = list_->model()->index(0, 1);
        QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xEE, 0xEE));
        QCOMPARE(cell.data(FormatTableModel::SelectedBackgroundRole).value<QColor>(), QColor(0xFF, 0xEE, 0xEE));
        QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0));
        QVERIFY(!list_->model()->index(0, 2).data(Qt::BackgroundRole).value<QColor>().isValid());
        QVERIFY(list_->model()->index(0, 2).data(FormatTableModel::RightBorderRole).toBool());
        QVERIFY(list_->model()->index(0, 2).data(FormatTableModel::UnderlineRole).toBool());
        // A row source may colour a cell over the column's colours; what it leaves is the column's.
        rows_->markRow(true);
        list_->reloadRows();
        const QModelIndex marked = list_->model()->index(2, 1);
        QCOMPARE(marked.data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xC0, 0xCB));
        QCOMPARE(marked.data(FormatTableModel::SelectedBackgroundRole).value<QColor>(), QColor(0xFF, 0xEE, 0xEE));
        QCOMPARE(list_->model()->index(2, 5).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xC0, 0xCB));
        QVERIFY(!list_->model()->index(1, 5).data(Qt::BackgroundRole).value<QColor>().isValid());
    }

    void groupColoursGoToMembersWithoutTheirOwn() {
        QVERIFY(list_->setFormatText("[20L40LE(255,-1,-1,-1)]E(-1,65280,-1,-1)HT(16711680)~G~10L"));
        const auto colour = [&](int c, int role) { return list_->model()->index(0, c).data(role).value<QColor>(); };
        QCOMPARE(colour(0, Qt::BackgroundRole), QColor(0, 255, 0));
        QCOMPARE(colour(1, Qt::BackgroundRole), QColor(0, 255, 0));
        QCOMPARE(colour(1, Qt::ForegroundRole), QColor(255, 0, 0));
        QVERIFY(!colour(0, Qt::ForegroundRole).isValid());
        QVERIFY(!colour(2, Qt::BackgroundRole).isValid());
        QCOMPARE(list_->format().groupHeaderColour(1), 0xFF0000L);
    }

    void fixedColumnsStayWhileTheRestScrolls() {
        QCOMPARE(list_->frozenColumnCount(), 1);
        QVERIFY(list_->frozenView()->isVisible());
        QCOMPARE(list_->frozenView()->width(), list_->columnWidth(0));
        QVERIFY(list_->editFormat([](ListFormat& f) { return f.setFixed(3, true); }));
        QVERIFY(list_->formatText().find("]|F~Коды ФНС~"_ansi) != std::string::npos);
        QCOMPARE(list_->frozenColumnCount(), 4);
        QTableView* frozen = list_->frozenView();
        for (int c = 0; c < 18; ++c)
            QCOMPARE(frozen->isColumnHidden(c), c >= 4);
        const int frozenWidth =
            list_->columnWidth(0) + list_->columnWidth(1) + list_->columnWidth(2) + list_->columnWidth(3);
        QCOMPARE(frozen->width(), frozenWidth);
        QScrollBar* sideways = list_->horizontalScrollBar();
        QVERIFY(sideways->maximum() > 0);
        sideways->setValue(sideways->maximum());
        QCOMPARE(frozen->x(), list_->frameWidth());
        QCOMPARE(frozen->width(), frozenWidth);
        QVERIFY(list_->horizontalHeader()->sectionViewportPosition(4) < frozenWidth); // scrolled under it
        // A column brought into view comes out from under the fixed ones; a fixed one scrolls nothing.
        list_->scrollTo(list_->model()->index(0, 4));
        QCOMPARE(list_->visualRect(list_->model()->index(0, 4)).left(), frozenWidth);
        const int scrolled = sideways->value();
        list_->scrollTo(list_->model()->index(2, 1));
        QCOMPARE(sideways->value(), scrolled);
        // Unfixing brings it back to the designed text, and the frozen part goes.
        QVERIFY(list_->editFormat([](ListFormat& f) { return f.setFixed(2, false) && f.setFixed(1, false); }));
        QCOMPARE(list_->frozenColumnCount(), 0);
        QVERIFY(!frozen->isVisible());
        QVERIFY(list_->editFormat([](ListFormat& f) { return f.setFixed(1, true); }));
        QCOMPARE(list_->formatText(), kDesignedFormat);
    }

    void userResizingIsWrittenIntoTheFormat() {
        QSignalSpy changed(list_.get(), &FormatList::formatChanged);
        list_->horizontalHeader()->resizeSection(5, list_->unitsToPixels(200));
        QCOMPARE(list_->format().width(6), 200);
        QVERIFY(list_->formatText().find("200L(2)|_M~Адрес~"_ansi) != std::string::npos);
        QCOMPARE(changed.count(), 1);
        // The fixed name column is resized in the frozen part; both views follow.
        list_->frozenView()->horizontalHeader()->resizeSection(0, list_->unitsToPixels(150));
        QCOMPARE(list_->format().width(1), 150);
        QCOMPARE(list_->columnWidth(0), list_->unitsToPixels(150));
        QCOMPARE(list_->frozenView()->width(), list_->unitsToPixels(150));
        // "Л" is not resizable: its width stays in the text and on the screen.
        list_->horizontalHeader()->resizeSection(4, 100);
        QCOMPARE(list_->format().width(5), 14);
        QCOMPARE(list_->columnWidth(4), list_->unitsToPixels(14));
        QCOMPARE(changed.count(), 2);
    }

    void alertKeysGoToTheOwner() {
        list_->addAlertKey(QKeyCombination(Qt::ControlModifier, Qt::Key_0));
        list_->addAlertKey(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus));
        list_->addAlertKey(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus));
        QCOMPARE(list_->alertKeys().size(), 3);
        QSignalSpy alerts(list_.get(), &FormatList::alertKeyPressed);
        list_->setFocus();
        QTest::keyClick(list_.get(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QTest::keyClick(list_.get(), Qt::Key_Plus, Qt::ControlModifier); // not the keypad's
        QTest::keyClick(list_.get(), Qt::Key_0, Qt::ControlModifier);
        QTest::keyClick(list_.get(), Qt::Key_Minus, Qt::KeypadModifier); // no Ctrl
        QCOMPARE(alerts.count(), 2);
        QCOMPARE(alerts.at(0).at(0).value<QKeyCombination>().key(), Qt::Key_Plus);
        QCOMPARE(alerts.at(1).at(0).value<QKeyCombination>().key(), Qt::Key_0);
        // Other keys still move the list.
        list_->setCurrentRowNumber(1);
        QTest::keyClick(list_.get(), Qt::Key_Down);
        QCOMPARE(list_->currentRowNumber(), 2);
    }

    void rightButtonOnTheHeaderIsReported() {
        QSignalSpy released(list_.get(), &FormatList::headerRightReleased);
        auto* header = list_->horizontalHeader();
        const QPoint onStatus(header->sectionViewportPosition(9) + 5, header->height() - 5);
        QTest::mouseClick(header->viewport(), Qt::RightButton, {}, onStatus);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.at(0).at(0).toInt(), 10);
        // Over the frozen name column the frozen part's header reports it.
        auto* frozenHeader = list_->frozenView()->horizontalHeader();
        QTest::mouseClick(frozenHeader->viewport(), Qt::RightButton, {}, QPoint(5, frozenHeader->height() - 5));
        QCOMPARE(released.count(), 2);
        QCOMPARE(released.at(1).at(0).toInt(), 1);
    }

    void rightButtonOnRowsIsReported() {
        QSignalSpy released(list_.get(), &FormatList::rowRightReleased);
        const QRect cell = list_->visualRect(list_->model()->index(2, 5));
        QTest::mouseClick(list_->viewport(), Qt::RightButton, {}, cell.center());
        const QPoint below(cell.center().x(), cell.bottom() + 3 * cell.height());
        QTest::mouseClick(list_->viewport(), Qt::RightButton, {}, below);
        QCOMPARE(released.count(), 2);
        QCOMPARE(released.at(0), (QList<QVariant>{3, 6}));
        QCOMPARE(released.at(1), (QList<QVariant>{0, 6})); // no row under the mouse
    }

    void aDoubleClickOnAHeaderAsksForTheSettings() {
        QSignalSpy requested(list_.get(), &FormatList::setupRequested);
        auto* header = list_->horizontalHeader();
        const QPoint onAddress(header->sectionViewportPosition(5) + 20, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, onAddress);
        QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, onAddress);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(list_->format().width(6), 120); // not taken as a resize
    }

    void theLastClickedColumnIsKept() {
        QSignalSpy rows(list_.get(), &FormatList::currentRowChanged);
        QCOMPARE(list_->clickedColumn(), 0);
        const QRect cell = list_->visualRect(list_->model()->index(1, 2));
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(list_->clickedColumn(), 3);
        QCOMPARE(list_->currentRowNumber(), 2);
        QTest::mouseClick(list_->frozenView()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(list_->clickedColumn(), 1);
        QCOMPARE(list_->currentRowNumber(), 1);
        QCOMPARE(rows.count(), 2);
        QCOMPARE(rows.at(1).at(0).toInt(), 1);
        // A header click counts too.
        auto* header = list_->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(6) + 5, header->height() - 5));
        QCOMPARE(list_->clickedColumn(), 7);
    }

    void doubleClickInTheFrozenPartReachesTheOwner() {
        QSignalSpy doubled(list_.get(), &QAbstractItemView::doubleClicked);
        QWidget* frozen = list_->frozenView()->viewport();
        QTest::mouseClick(frozen, Qt::LeftButton, {}, QPoint(10, 5)); // a double click begins with a press
        QTest::mouseDClick(frozen, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(doubled.count(), 1);
        QCOMPARE(doubled.at(0).at(0).value<QModelIndex>().row(), 0);
    }

    void wheelStepSetsTheRowsPerTurn() {
        auto many = kvilo::testing::NumberedRows(200);
        QVERIFY(list_->setFormatText("60R~N~"));
        list_->setRowSource(&many);
        const auto turn = [&](int delta) {
            const QPointF at(10, 10);
            QWheelEvent event(at, list_->viewport()->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(list_->viewport(), &event);
            return list_->verticalScrollBar()->value();
        };
        list_->setWheelStep(40);
        QCOMPARE(turn(-120), 3);
        QCOMPARE(turn(-120), 6);
        QCOMPARE(turn(120), 3);
        list_->setWheelStep(200);
        QCOMPARE(turn(-120), 3); // 120 of 200: not yet a row
        QCOMPARE(turn(-120), 4);
        list_->setRowSource(rows_.get());
    }

    void decimalColumnsLineUpTheirPoints() {
        kvilo::testing::TableRows numbers({{"7.25"}, {"1234.5"}});
        QVERIFY(list_->setFormatText("80D(30)|~N~"));
        list_->setRowSource(&numbers);
        list_->setCurrentRowNumber(0);
        QApplication::processEvents();
        const QImage image = list_->viewport()->grab().toImage();
        const auto inkRange = [&](int row) {
            const QRect cell = list_->visualRect(list_->model()->index(row, 0)).adjusted(0, 1, -2, -2);
            int left = cell.right(), right = cell.left();
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    if (qGray(image.pixel(x, y)) < 100) left = std::min(left, x), right = std::max(right, x);
            return std::pair{left, right};
        };
        const auto [left0, right0] = inkRange(0);
        const auto [left1, right1] = inkRange(1);
        QVERIFY(left1 < left0);   // "1234" reaches further left than "7"
        QVERIFY(right0 > right1); // ".25" reaches further right than ".5": the points, not the ends, line up
        list_->setRowSource(rows_.get());
    }

    void appearanceIsReadBack() {
        list_->setListFont("Tahoma", 14);
        QCOMPARE(list_->fontName(), std::string("Tahoma"));
        QCOMPARE(list_->fontSize(), 14);
        QCOMPARE(list_->fontCharset(), 204);
        QCOMPARE(list_->columnWidth(0), list_->unitsToPixels(120)); // widths follow the font
        list_->setLineHeight(12);
        QCOMPARE(list_->lineHeight(), 12);
        QCOMPARE(list_->rowHeight(0), 12 * QFontMetrics(list_->font()).height() / 8);
        QCOMPARE(list_->frozenView()->rowHeight(0), list_->rowHeight(0));
        list_->setGridColour(0x808080);
        QCOMPARE(list_->gridColour(), 0x808080L);
        list_->setBarColour(0x00FF00);
        QCOMPARE(list_->palette().color(QPalette::Highlight), QColor(0, 255, 0));
        list_->setSelectedTextColour(0xFFFFFF);
        QCOMPARE(list_->palette().color(QPalette::HighlightedText), QColor(255, 255, 255));
        list_->setBackgroundColour(0xF9F9F9);
        QCOMPARE(list_->palette().color(QPalette::Base), QColor(0xF9, 0xF9, 0xF9));
        QCOMPARE(list_->frozenView()->palette().color(QPalette::Base), QColor(0xF9, 0xF9, 0xF9));
        list_->setBarColour(-1);
        QCOMPARE(list_->barColour(), -1L);
        QCOMPARE(list_->palette().color(QPalette::Highlight),
                 QApplication::palette(list_.get()).color(QPalette::Highlight));
        list_->setTip("Список реквизитов контрагентов в ЕГРЮЛ"_ansi);
        QCOMPARE(list_->toolTip(), QString::fromUtf8("Список реквизитов контрагентов в ЕГРЮЛ"));
        QCOMPARE(list_->tip(), std::string("Список реквизитов контрагентов в ЕГРЮЛ"_ansi));
    }

    void iconListHoldsThirtyNamedEntries() {
        QStringList loaded;
        list_->setIconLoader([&](const QString& name) {
            loaded << name;
            QPixmap pixmap(16, 16);
            pixmap.fill(Qt::blue);
            return QIcon(pixmap);
        });
        QVERIFY(list_->setIconName(1, "~fix.ico"));
        QVERIFY(list_->setIconName(30, "~plus2.ico"));
        QVERIFY(!list_->setIconName(0, "x.ico"));
        QVERIFY(!list_->setIconName(31, "x.ico"));
        QCOMPARE(list_->iconName(1), std::string("~fix.ico"));
        QCOMPARE(list_->iconName(31), std::string());
        QCOMPARE(loaded, QStringList({"~fix.ico", "~plus2.ico"}));
        rows_->showIcons(true);
        list_->reloadRows();
        QVERIFY(!list_->model()->index(0, 4).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(list_->model()->index(1, 4).data(Qt::DecorationRole).isNull());
    }

    void aRejectedFormatLeavesTheList() {
        for (const char* bad : {"", "120L(2)|_FM~Полное", "[58L(2)", "14C|Q", "99999999999L"}) {
            QVERIFY(!list_->setFormatText(bad));
            QCOMPARE(list_->formatText(), kDesignedFormat);
            QCOMPARE(list_->model()->columnCount(), 18);
        }
        QVERIFY(!list_->editFormat([](ListFormat& f) { return f.setWidth(1, -5); }));
        QCOMPARE(list_->formatText(), kDesignedFormat);
    }

    void screenshotOfTheDesignedList() {
        list_->setBackgroundColour(0xF9F9F9);
        list_->setCurrentRowNumber(2);
        list_->resize(TotalWidth(*list_), 160);
        QApplication::processEvents();
        const QString whole = QStringLiteral(KVILO_BINARY_DIR "/listcontrol_designed.png");
        QVERIFY(list_->grab().save(whole));
        QVERIFY(!QImage(whole).isNull());
        // Narrow and scrolled to the right: the name column stays.
        list_->resize(760, 160);
        list_->horizontalScrollBar()->setValue(list_->horizontalScrollBar()->maximum());
        QApplication::processEvents();
        const QString scrolled = QStringLiteral(KVILO_BINARY_DIR "/listcontrol_scrolled.png");
        QVERIFY(list_->grab().save(scrolled));
    }

private:
    std::unique_ptr<kvilo::testing::TableRows> rows_;
    std::unique_ptr<FormatList> list_;
};

QTEST_MAIN(FormatListTest)
#include "format_list_test.moc"
