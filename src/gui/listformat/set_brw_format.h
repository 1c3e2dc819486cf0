#pragma once
// SetBrwFormat: the modal list settings dialog ("Изменить настройки списка в окне «...» ?"). The user changes
// the columns of an owner window's list (width, hidden, order, fixed, header colour) and its appearance;
// every change shows on the list at once. " Да" (Ctrl+Enter) keeps the changes and hands the appearance to
// the settings record; " Нет", Esc or closing gives the list back exactly as it was. The dialog writes no
// store: the owner stores its list when it closes (ApplyBrwFormat).
//
// Keys: Ctrl+F the search field, Ctrl+E clears the search, F5 the designed format, Ctrl+Minus / Ctrl+Plus
// zoom, Ctrl+Enter " Да", Esc " Нет". In the entry list: keypad minus / plus narrow / widen, Delete hides or shows,
// Left / Right move, Enter edits the width in place.
#include <QDialog>

#include "core/listformat/brw_format_session.h"

class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace kvilo::listformat {

class AppearancePage;

// Opens the dialog over the owner window of `settings.list` and returns when it is closed. A record that
// names no list does nothing.
void SetBrwFormat(BrwSettings& settings);

class SetBrwFormatWindow : public QDialog {
public:
    explicit SetBrwFormatWindow(BrwSettings& settings, QWidget* parent = nullptr);

    const BrwFormatSession& Session() const { return session_; }
    QTabWidget* Tabs() const { return tabs_; }
    QTableWidget* EntryList() const { return entries_; }
    QLineEdit* SearchField() const { return search_; }
    QToolButton* ClearSearchButton() const { return clearSearch_; }
    QComboBox* VariantList() const { return variants_; }
    AppearancePage* Appearance() const { return appearance_; }
    QMenu* EntryMenu() const { return menu_; }
    // The entry number of the entry list's current row; 0 without one.
    int CurrentEntry() const;
    // The entry list's row shows entry `number` (it is made current when shown).
    void SelectEntry(int number);

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildColumnsTab();
    QWidget* BuildSearchRow();
    QWidget* BuildColumnButtons();
    QWidget* BuildDescriptionTab();
    QWidget* BuildCloseButtons();
    void BuildEntryList();
    void BuildMenu();
    void AddShortcuts();
    QPushButton* ColumnButton(const char* name, const char* icon, const char* caption, const char* tip,
                              void (SetBrwFormatWindow::*action)());

    // The operations of the buttons, keys and menu on the current entry.
    void Narrow();
    void Widen();
    void HideShow();
    void MoveLeft();
    void MoveRight();
    void ToggleFixed();
    void HeaderColour();
    void Reset();
    void ZoomOut();
    void ZoomIn();
    void EditWidth();
    void WidthEdited(int row, int column);

    void AcceptSearch();
    void ClearSearch();
    void SearchFocusChanged(bool focused);
    bool EntryKey(QKeyEvent* event);
    // Shows the entries again, keeping entry `current` current where it is still shown.
    void ShowEntries(int current);
    void ShowEntryRow(int row, const BFormatEntry& entry);
    void UpdateButtons();

    BrwSettings& settings_;
    BrwFormatSession session_;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* entries_ = nullptr;
    QLineEdit* search_ = nullptr;
    QToolButton* clearSearch_ = nullptr;
    QComboBox* variants_ = nullptr;
    AppearancePage* appearance_ = nullptr;
    QMenu* menu_ = nullptr;
    std::vector<QPushButton*> columnButtons_; // disabled while no entry is shown
    QPushButton* moveLeft_ = nullptr;
    QPushButton* moveRight_ = nullptr;
    bool showing_ = false; // the entry list is being filled: its cell changes are not edits
    bool sized_ = false;   // the minimum size is taken from the first showing
};

} // namespace kvilo::listformat
