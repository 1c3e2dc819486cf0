#pragma once
// Browse_EGRUL, the program's main window: the query row, the result list (in its designed format or as
// the user left it, through ApplyBrwFormat), the status line, the logo and the buttons. The lookup itself is
// RunLookup's; this window takes the fields from the screen, shows what the lookup reports through
// LookupView, and starts the row actions. Beside them: the warning on a typed code with a wrong control
// digit, the recent queries offered in the query field, and copying the selected entry's requisites.
#include <QKeyCombination>
#include <QMainWindow>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

#include "core/framework/error_manager.h"
#include "core/history/recent_queries.h"
#include "core/listformat/brw_settings.h"
#include "core/lookup/browse_actions.h"
#include "core/lookup/party_lookup.h"
#include "gui/browse/party_row_source.h"

class QComboBox;
class QCompleter;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStringListModel;
class QToolButton;

namespace kvilo::listcontrol {
class FormatList;
class FormatListControl;
} // namespace kvilo::listcontrol

namespace kvilo::browse {

struct BrowseOptions {
    int32_t buildDate = 0;
    lookup::LookupServices services;
    std::string siteAddress; // opened by a click on the logo
    bool demo = false;       // the services are stand-ins: the window says it shows demo data
    lookup::BrowseActions actions;
};

// The list's designed format text.
extern const char* const kBrowseListFormat;
// The window's title.
extern const char* const kBrowseTitle;
// The list's keys that copy the selected entry: its requisites, and just its INN.
inline constexpr QKeyCombination kCopyRequisitesKey{Qt::ControlModifier, Qt::Key_C};
inline constexpr QKeyCombination kCopyInnKey{Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_C};

class BrowseWindow : public QMainWindow, public lookup::LookupView {
public:
    explicit BrowseWindow(BrowseOptions options, QWidget* parent = nullptr);
    ~BrowseWindow() override;

    const lookup::LookupData& data() const { return data_; }
    // Called once the window has closed.
    void setClosedHandler(std::function<void()> handler) { closed_ = std::move(handler); }

    // LookupView
    void ShowStatusLine(const std::string& statusLine) override;
    void FocusQuery() override;
    void FocusList() override;
    void Refresh() override;
    void SelectRow(size_t index) override;
    void EnableRowButtons(bool enable) override;
    void ShowAddressLine(const std::string& address) override;
    // The transfer runs on a worker thread while the window keeps painting under a busy cursor; user input
    // waits until it has ended.
    void RunTransfer(const std::function<void()>& transfer) override;
    bool Closing() const override { return closing_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildQueryRow();
    QWidget* BuildLegalForms();
    QWidget* BuildList();
    QWidget* BuildBottom();
    QWidget* BuildLogo();
    QWidget* BuildButtons();
    void SetHints();
    void Connect();
    void AddShortcuts();

    void TakeFields();
    void PressQuery();
    void PressClear();
    void PressCard();
    void PressExport();
    void PressMap();
    void PressKeyboard();
    void PressSettings();
    void PressUpdate();
    void PressCheckList();
    void ClearQuery();
    void LegalFormChosen();
    void RowChanged();
    void ListKey(QKeyCombination key);
    bool ReadCurrentRow();
    void UpdateQueryLook(QWidget* focused);
    void ShowHint(QWidget* focused);
    void ShowLogoFrame(bool show);
    QString StatusText() const;
    void CheckQueryCode();
    void LoadRecentQueries();
    void RememberQuery(const std::string& query);
    void ClearRecentQueries();
    void ShowRecentQueries();
    void OfferRecentQueries();
    void QueryMenu(const QPoint& position);
    void ListMenu(const QPoint& position);
    void CopyRow(bool innOnly);

    BrowseOptions options_;
    framework::ProcedureScope procedure_{"Browse_EGRUL"};
    lookup::LookupData data_;
    PartyRowSource rowSource_{data_.rows};
    std::function<void()> closed_;
    bool opened_ = false;
    bool busy_ = false;    // a lookup runs: nothing may start a second one
    bool closing_ = false; // the window was closed during a lookup, which ends before it closes
    std::atomic<bool> abortTransfer_{false};
    std::string codeWarning_; // what is wrong with the code in the query field, empty when nothing
    history::RecentQueries recent_;

    QLineEdit* query_ = nullptr;
    QCompleter* completer_ = nullptr;
    QStringListModel* recentModel_ = nullptr;
    QToolButton* clearQuery_ = nullptr;
    QComboBox* region_ = nullptr;
    std::array<QRadioButton*, 3> legalForms_{}; // " &ВСЕ", " &Юр/лица", " &Физ/лица"
    listcontrol::FormatList* list_ = nullptr;
    std::unique_ptr<listcontrol::FormatListControl> listControl_;
    listformat::BrwSettings brwSettings_; // the list's format and appearance (ApplyBrwFormat)
    QLineEdit* address_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* logo_ = nullptr;
    std::array<QFrame*, 4> logoFrame_{};
    QPushButton* lookup_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* card_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* map_ = nullptr;
    QPushButton* keyboard_ = nullptr;
    QPushButton* settings_ = nullptr;
    QPushButton* update_ = nullptr;
    QPushButton* exit_ = nullptr;
    QLabel* hintZone_ = nullptr;
    QLabel* versionZone_ = nullptr;
};

// Runs the main window on the calling thread until it closes.
void Browse_EGRUL(BrowseOptions options);

} // namespace kvilo::browse
