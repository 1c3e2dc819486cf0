#pragma once
// The format-driven list control: a table over any RowSource whose columns, groups, widths, alignment,
// pictures, colours and flags come from a list-format text (listformat/list_format.h). Columns marked
// fixed stay in place while the rest scroll sideways; widths are dialog units of the list font; the user
// may resize the resizable columns, and the new widths are written back into the format text.
//
// Texts going in and out (format, header texts, tooltip, icon names, font name) are Windows-1251.
#include <QKeyCombination>
#include <QList>
#include <QTableView>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/listformat/list_format.h"
#include "gui/listcontrol/row_source.h"

namespace kvilo::listcontrol {

class FormatTableModel;
class FormatCellDelegate;
class GroupHeaderView;

class FormatList : public QTableView {
    Q_OBJECT
public:
    static constexpr int kIconCount = 30;
    static constexpr int kCyrillicCharset = 204;

    explicit FormatList(QWidget* parent = nullptr);
    ~FormatList() override;

    // Rows. The source is not owned and must outlive the list or be replaced first.
    void setRowSource(const RowSource* source);
    // The source's rows changed: show them again, keeping the current row where the rows still reach it.
    void reloadRows();

    // The format text. A text that does not parse is refused (false) and the list keeps its format.
    bool setFormatText(std::string_view text);
    std::string formatText() const;
    const listformat::ListFormat& format() const { return *format_; }
    // Runs `edit` on the format and shows the result; the edit's own answer is returned (a refused edit
    // leaves the format as the ListFormat setters leave it: unchanged).
    bool editFormat(const std::function<bool(listformat::ListFormat&)>& edit);

    // Whole-list appearance. Colours are 0x00BBGGRR, -1 for the style's own.
    // The font is asked for by name ("Calibri") and shown in the face the system has for it; fontName()
    // gives the name asked for.
    void setListFont(std::string_view name, int pointSize, int charset = kCyrillicCharset);
    std::string fontName() const;
    int fontSize() const;
    int fontCharset() const { return charset_; }
    void setGridColour(long colour);
    long gridColour() const { return grid_; }
    void setBarColour(long colour);
    long barColour() const { return bar_; }
    void setSelectedTextColour(long colour);
    long selectedTextColour() const { return selectedText_; }
    void setBackgroundColour(long colour);
    long backgroundColour() const { return background_; }
    // Row height in vertical dialog units of the list font (1 unit = an eighth of the font's height);
    // 0 = the style's own height.
    void setLineHeight(int units);
    int lineHeight() const { return lineHeight_; }
    // Wheel delta per row: 40 scrolls three rows per notch of 120, 200 one row per notch and a bit.
    void setWheelStep(int step);
    int wheelStep() const { return wheelStep_; }
    void setTip(std::string_view tip);
    std::string tip() const;

    // The icon list: entries 1-30 named by icon file or resource names.
    bool setIconName(int index, std::string_view name);
    std::string iconName(int index) const;
    QIcon icon(int index) const;
    // How a name becomes an icon; by default the name is taken as a file or resource path.
    void setIconLoader(std::function<QIcon(const QString&)> loader);

    // Keys delivered to the owner through alertKeyPressed instead of being handled by the list. A key
    // given with Qt::KeypadModifier matches only on the numeric keypad.
    void addAlertKey(QKeyCombination key);
    void clearAlertKeys() { alertKeys_.clear(); }
    const QList<QKeyCombination>& alertKeys() const { return alertKeys_; }

    int clickedColumn() const { return clickedColumn_; } // from 1; 0 before any click
    int currentRowNumber() const;                        // from 1; 0 without a current row
    void setCurrentRowNumber(int row);

    // Brings a cell into view without hiding it under the fixed columns.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // Dialog units and pixels of the list font (dialog_units.h).
    int unitsToPixels(int units) const;
    int pixelsToUnits(int pixels) const;
    // The columns that stay in place: up to the last fixed column, and the rest of its group.
    int frozenColumnCount() const { return frozenCount_; }
    QTableView* frozenView() const { return frozen_; }
    GroupHeaderView* groupHeader() const { return header_; }

signals:
    void alertKeyPressed(QKeyCombination key);
    void headerRightReleased(int column);       // the column under the mouse, 0 for none
    void rowRightReleased(int row, int column); // row and column from 1, 0 when there is none
    void currentRowChanged(int row);            // from 1
    void formatChanged();                       // the user changed the format (a column width)
    void setupRequested();                      // a double click on a column header: the list's settings

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpFrozenView();
    void applyFormat();
    void applyColumn(int logical);
    void applyLineHeight();
    void updateFrozenGeometry();
    void userResized(int logical, int pixels);
    void applyPalette();

    std::shared_ptr<listformat::ListFormat> format_; // shared with the model and the headers
    FormatTableModel* model_ = nullptr;
    FormatCellDelegate* delegate_ = nullptr;
    GroupHeaderView* header_ = nullptr;
    QTableView* frozen_ = nullptr;
    GroupHeaderView* frozenHeader_ = nullptr;
    int frozenCount_ = 0;
    bool applying_ = false; // the list itself is setting section sizes
    std::string fontName_;
    int charset_ = kCyrillicCharset;
    long grid_ = -1;
    long bar_ = -1;
    long selectedText_ = -1;
    long background_ = -1;
    int lineHeight_ = 0;
    int wheelStep_ = 40;
    int wheelRest_ = 0; // wheel delta not yet worth a row
    std::array<std::string, kIconCount> iconNames_;
    std::array<QIcon, kIconCount> icons_;
    std::function<QIcon(const QString&)> iconLoader_;
    QList<QKeyCombination> alertKeys_;
    int clickedColumn_ = 0;
};

} // namespace kvilo::listcontrol
