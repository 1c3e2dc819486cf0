#include "gui/browse/browse_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QEventLoop>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/codes/code_warning.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"
#include "core/framework/settings_store.h"
#include "core/listformat/apply_brw_format.h"
#include "core/lookup/lookup_request.h"
#include "core/lookup/party_fields.h"
#include "core/online/location_map.h"
#include "gui/extract/requisites_clipboard.h"
#include "gui/framework/program_font.h"
#include "gui/framework/transfer_wait.h"
#include "gui/framework/window_placement_widget.h"
#include "gui/listcontrol/format_list.h"
#include "gui/listcontrol/list_control_adapter.h"
#include "kvilo_resources.h"
#include "platform/os_version.h"

namespace kvilo::browse {

using namespace base::literals;
using framework::FromQString;
using framework::ToQString;

// Made column by column from the party field list (core/lookup/party_fields.h).
const char* const kBrowseListFormat = lookup::DesignedListFormat().c_str();

const char* const kBrowseTitle = "Запрос выписки из ЕГРЮЛ / ЕГРИП"_ansi;

namespace {

const QColor kQueryFocused(224, 255, 224);
const QColor kQueryFilled(238, 255, 238);
const QColor kQueryWrongCode(255, 224, 224); // a code whose control digit does not agree
constexpr QRgb kNewerSystemTint = 0xF9F9F9;

QIcon Icon(const char* name) {
    return QIcon(QString(":/icons/") + name);
}

QPushButton* Button(const char* caption, const char* icon, const char* name) {
    auto* button = new QPushButton(Icon(icon), ToQString(caption));
    button->setObjectName(name);
    return button;
}

void SetQueryBackground(QLineEdit* query, const QColor& colour) {
    QPalette palette = query->palette();
    palette.setColor(QPalette::Base, colour.isValid() ? colour : QApplication::palette(query).color(QPalette::Base));
    query->setPalette(palette);
}

} // namespace

BrowseWindow::BrowseWindow(BrowseOptions options, QWidget* parent) : QMainWindow(parent), options_(std::move(options)) {
    options_.services.access.abort = &abortTransfer_;
    InitKviloResources();
    setObjectName("Browse_EGRUL");
    QString title = ToQString(kBrowseTitle);
    if (options_.demo) title += ToQString("  [ДЕМО: данные тестового сервиса, не реестра]"_ansi);
    setWindowTitle(title);
    setWindowIcon(Icon("kvilo.png"));
    setFont(framework::ProgramFont(framework::kWindowFontName));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(BuildQueryRow());
    layout->addWidget(BuildList(), 1);
    layout->addWidget(BuildBottom());
    setCentralWidget(central);

    hintZone_ = new QLabel;
    hintZone_->setObjectName("hintZone");
    versionZone_ = new QLabel(ToQString(lookup::VersionText(options_.buildDate)));
    versionZone_->setObjectName("versionZone");
    statusBar()->addWidget(hintZone_, 1);
    statusBar()->addPermanentWidget(versionZone_);

    if (platform::IsNewerSystem()) {
        QPalette palette = region_->palette();
        palette.setColor(QPalette::Base, QColor(kNewerSystemTint));
        region_->setPalette(palette);
    }
    SetHints();
    Connect();
    AddShortcuts();
    LoadRecentQueries();
    brwSettings_.list = listControl_.get();
    brwSettings_.listId = listformat::kMainListId;
    listformat::ApplyBrwFormat(listformat::kBrwLoad, brwSettings_);
    EnableRowButtons(false);
    clearQuery_->setVisible(false);
    resize(1000, 600);
    new framework::WindowPlacementKeeper(*this, "Browse_EGRUL");
}

// The widgets outlive the window's data (they go with the base class): the list must let go of its rows
// and nothing may report focus changes to a window that is half gone.
BrowseWindow::~BrowseWindow() {
    QObject::disconnect(qApp, nullptr, this, nullptr);
    // Closing the widgets still moves the focus: the query field losing it must not call into this window.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
    list_->setRowSource(nullptr);
}

QWidget* BrowseWindow::BuildQueryRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    query_ = new QLineEdit;
    query_->setObjectName("query");
    query_->setMaxLength(static_cast<int>(lookup::kMaxQueryLength));
    query_->setAutoFillBackground(true);
    query_->installEventFilter(this);
    recentModel_ = new QStringListModel(this);
    completer_ = new QCompleter(recentModel_, this);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    completer_->setFilterMode(Qt::MatchContains);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    query_->setCompleter(completer_);
    query_->setContextMenuPolicy(Qt::CustomContextMenu);
    clearQuery_ = new QToolButton;
    clearQuery_->setObjectName("clearQuery");
    clearQuery_->setIcon(Icon("cut.png"));
    region_ = new QComboBox;
    region_->setObjectName("region");
    region_->setAccessibleName(ToQString("Код и наименование субъекта РФ"_ansi));
    for (const lookup::RegionEntry& entry : lookup::ParseRegionList(lookup::RegionListSource()))
        region_->addItem(ToQString(entry.text), int{entry.code});
    region_->setMinimumContentsLength(30);
    layout->addWidget(query_, 3);
    layout->addWidget(clearQuery_);
    layout->addWidget(region_, 2);
    layout->addWidget(BuildLegalForms());
    return row;
}

QWidget* BrowseWindow::BuildLegalForms() {
    auto* box = new QGroupBox;
    box->setObjectName("legalForm");
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    const char* captions[] = {" &ВСЕ"_ansi, " &Юр/лица"_ansi, " &Физ/лица"_ansi};
    const char* names[] = {"formAll", "formLegal", "formIndividual"};
    auto* group = new QButtonGroup(box);
    for (size_t i = 0; i < legalForms_.size(); ++i) {
        legalForms_[i] = new QRadioButton(ToQString(captions[i]));
        legalForms_[i]->setObjectName(names[i]);
        legalForms_[i]->setIcon(Icon(i == 0 ? "enable.png" : "disable.png"));
        group->addButton(legalForms_[i]);
        layout->addWidget(legalForms_[i]);
    }
    legalForms_[0]->setChecked(true);
    return box;
}

QWidget* BrowseWindow::BuildList() {
    list_ = new listcontrol::FormatList;
    list_->setObjectName("list");
    list_->setFormatText(kBrowseListFormat);
    list_->setRowSource(&rowSource_);
    listControl_ = std::make_unique<listcontrol::FormatListControl>(*list_);
    // Enter in the list opens the card like a double click; the list hands the key to the window.
    list_->addAlertKey(QKeyCombination(Qt::Key_Return));
    list_->addAlertKey(QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter));
    // Ctrl+C copies the requisites of the selected entry, Ctrl+Shift+C just its INN.
    list_->addAlertKey(kCopyRequisitesKey);
    list_->addAlertKey(kCopyInnKey);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->setIconName(kMarkIconIndex, ":/icons/cancel.png");
    return list_;
}

QWidget* BrowseWindow::BuildBottom() {
    auto* bottom = new QWidget;
    auto* layout = new QGridLayout(bottom);
    layout->setContentsMargins(0, 0, 0, 0);
    address_ = new QLineEdit;
    address_->setObjectName("address");
    address_->setReadOnly(true);
    address_->setFocusPolicy(Qt::NoFocus);
    status_ = new QLabel;
    status_->setObjectName("status");
    status_->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(address_, 0, 0);
    layout->addWidget(status_, 1, 0);
    layout->addWidget(BuildButtons(), 2, 0);
    layout->addWidget(BuildLogo(), 0, 1, 3, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->setColumnStretch(0, 1);
    return bottom;
}

QWidget* BrowseWindow::BuildLogo() {
    auto* area = new QWidget;
    area->setObjectName("logoArea");
    auto* layout = new QGridLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    logo_ = new QLabel;
    logo_->setObjectName("logo");
    logo_->setPixmap(QPixmap(":/images/logo.png"));
    logo_->setMouseTracking(true);
    logo_->installEventFilter(this);
    const char* names[] = {"logoFrameTop", "logoFrameBottom", "logoFrameLeft", "logoFrameRight"};
    for (size_t i = 0; i < logoFrame_.size(); ++i) {
        logoFrame_[i] = new QFrame;
        logoFrame_[i]->setObjectName(names[i]);
        logoFrame_[i]->setFrameShape(i < 2 ? QFrame::HLine : QFrame::VLine);
        logoFrame_[i]->setVisible(false);
    }
    layout->addWidget(logoFrame_[0], 0, 0, 1, 3);
    layout->addWidget(logoFrame_[2], 1, 0);
    layout->addWidget(logo_, 1, 1);
    layout->addWidget(logoFrame_[3], 1, 2);
    layout->addWidget(logoFrame_[1], 2, 0, 1, 3);
    return area;
}

QWidget* BrowseWindow::BuildButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    lookup_ = Button(" Запрос"_ansi, "cloud.png", "lookupButton");
    clear_ = Button(" Очистить"_ansi, "cut.png", "clearButton");
    card_ = Button(" Реквизиты"_ansi, "z_view.png", "cardButton");
    export_ = Button("", "z_excel.png", "exportButton");
    map_ = Button("", "place.png", "mapButton");
    keyboard_ = Button("", "keyboard.png", "keyboardButton");
    settings_ = Button("", "settings.png", "settingsButton");
    update_ = Button("", "check_update.png", "updateButton");
    exit_ = Button(" Выход"_ansi, "exit.png", "exitButton");
    for (QPushButton* button : {lookup_, clear_, card_, export_, map_, keyboard_, settings_, update_}) {
        button->setAutoDefault(false);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    layout->addWidget(exit_);
    return row;
}

// Each hint shows in the status bar's first zone while its control has the focus, and as its tooltip.
void BrowseWindow::SetHints() {
    const std::pair<QWidget*, const char*> hints[] = {
        {query_, "Введите ИНН, наименование, ФИО, город, улицу и т.д. для поиска и нажмите F12 или кнопку ЗАПРОС"_ansi},
        {clearQuery_, "Очистить поле поиска [CTRL + E]"_ansi},
        {region_, "Выберите из списка субъект РФ, для уточнения запроса на поиск реквизитов"_ansi},
        {legalForms_[0]->parentWidget(), "Выберите форму собственности"_ansi},
        {list_, "Список реквизитов контрагентов в ЕГРЮЛ"_ansi},
        {lookup_, "Выполнить запрос на реквизиты контрагентов из ЕГРЮЛ [ F12 ]"_ansi},
        {clear_, "Очистить список запроса реквизитов контрагентов [F5]"_ansi},
        {card_, "Просмотр реквизитов контрагента [ Ctrl+Enter ]"_ansi},
        {export_, "Экспорт выписки в XLSX"_ansi},
        {map_, "Просмотр карты"_ansi},
        {keyboard_, "Вызов экранной клавиатуры для ввода запроса на поиск [CTRL + Q]"_ansi},
        {settings_, "Настроить формат списка"_ansi},
        {update_, "Проверить и обновить версию программы"_ansi},
        {exit_, "Закрыть окно"_ansi},
    };
    for (const auto& [widget, hint] : hints) {
        widget->setProperty("hint", ToQString(hint));
        widget->setToolTip(ToQString(lookup::TooltipLines(hint)));
    }
}

void BrowseWindow::Connect() {
    connect(query_, &QLineEdit::returnPressed, this, [this] {
        TakeFields();
        if (!base::Trim(data_.query).empty()) PressQuery();
    });
    connect(query_, &QLineEdit::editingFinished, this, [this] { UpdateQueryLook(QApplication::focusWidget()); });
    connect(query_, &QLineEdit::textChanged, this, &BrowseWindow::CheckQueryCode);
    connect(query_, &QWidget::customContextMenuRequested, this, &BrowseWindow::QueryMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, &BrowseWindow::ListMenu);
    connect(clearQuery_, &QToolButton::clicked, this, &BrowseWindow::ClearQuery);
    connect(region_, &QComboBox::activated, this, [this] { FocusList(); });
    for (QRadioButton* radio : legalForms_)
        connect(radio, &QRadioButton::clicked, this, &BrowseWindow::LegalFormChosen);
    connect(lookup_, &QPushButton::clicked, this, &BrowseWindow::PressQuery);
    connect(clear_, &QPushButton::clicked, this, &BrowseWindow::PressClear);
    connect(card_, &QPushButton::clicked, this, &BrowseWindow::PressCard);
    connect(export_, &QPushButton::clicked, this, &BrowseWindow::PressExport);
    connect(map_, &QPushButton::clicked, this, &BrowseWindow::PressMap);
    connect(keyboard_, &QPushButton::clicked, this, &BrowseWindow::PressKeyboard);
    connect(settings_, &QPushButton::clicked, this, &BrowseWindow::PressSettings);
    connect(update_, &QPushButton::clicked, this, &BrowseWindow::PressUpdate);
    connect(exit_, &QPushButton::clicked, this, &QWidget::close);
    connect(list_, &listcontrol::FormatList::currentRowChanged, this, &BrowseWindow::RowChanged);
    connect(list_, &listcontrol::FormatList::alertKeyPressed, this, &BrowseWindow::ListKey);
    // The list's fixed part hands its double clicks to the list, so one connection sees them all.
    connect(list_, &QTableView::doubleClicked, this, [this] { ListKey(QKeyCombination(Qt::Key_Return)); });
    // A right-button release on the header line opens the list settings, and so does the list's own
    // request for them (a double click on a column header).
    connect(list_, &listcontrol::FormatList::headerRightReleased, this, &BrowseWindow::PressSettings);
    connect(list_, &listcontrol::FormatList::setupRequested, this, &BrowseWindow::PressSettings);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        UpdateQueryLook(now);
        ShowHint(now);
    });
}

void BrowseWindow::AddShortcuts() {
    auto add = [this](const QKeySequence& keys, void (BrowseWindow::*action)()) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(QKeySequence(Qt::Key_F12), &BrowseWindow::PressQuery);
    add(QKeySequence(Qt::Key_F5), &BrowseWindow::PressClear);
    add(QKeySequence(Qt::CTRL | Qt::Key_Return), &BrowseWindow::PressCard);
    add(QKeySequence(Qt::CTRL | Qt::Key_Enter), &BrowseWindow::PressCard);
    add(QKeySequence(Qt::CTRL | Qt::Key_E), &BrowseWindow::ClearQuery);
    add(QKeySequence(Qt::CTRL | Qt::Key_Q), &BrowseWindow::PressKeyboard);
    // The batch check has no room among the buttons: the list's context menu and Ctrl+L offer it.
    auto* checkList = new QAction(ToQString("Проверить список из файла..."_ansi), this);
    checkList->setObjectName("checkListAction");
    checkList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    checkList->setShortcutContext(Qt::WindowShortcut);
    connect(checkList, &QAction::triggered, this, &BrowseWindow::PressCheckList);
    addAction(checkList);
    list_->addAction(checkList);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Every button first takes the current values of all fields from the screen.
void BrowseWindow::TakeFields() {
    std::string query = FromQString(query_->text());
    if (query.size() > lookup::kMaxQueryLength) query.resize(lookup::kMaxQueryLength);
    data_.query = query;
    data_.region = static_cast<uint8_t>(region_->currentData().toInt());
    data_.legalForm = legalForms_[1]->isChecked()   ? lookup::kLegalOnly
                      : legalForms_[2]->isChecked() ? lookup::kIndividualOnly
                                                    : lookup::kAllForms;
}

void BrowseWindow::PressQuery() {
    if (busy_) return; // input waits during a lookup; only a key sent past the event queue gets here
    TakeFields();
    busy_ = true;
    abortTransfer_ = false;
    const bool stop = lookup::RunLookup(data_, *this, options_.services);
    busy_ = false;
    if (data_.end == lookup::LookupEnd::Rows) RememberQuery(data_.query);
    if (stop || closing_) close();
}

void BrowseWindow::PressClear() {
    TakeFields();
    query_->clear();
    data_.query.clear();
    data_.statusLine.clear();
    status_->clear();
    data_.rows.clear();
    data_.rowCount = 0;
    data_.currentRow = lookup::PartyRow{};
    Refresh();
    ShowAddressLine({});
    clearQuery_->setVisible(false);
    EnableRowButtons(false);
    FocusQuery();
}

void BrowseWindow::PressCard() {
    TakeFields();
    if (data_.rows.empty() || !ReadCurrentRow()) return;
    options_.actions.openCard(lookup::CopyToPartyRecord(data_.currentRow, data_.lastRegion));
    FocusList();
}

void BrowseWindow::PressExport() {
    TakeFields();
    if (data_.rows.empty()) return;
    options_.actions.exportList(data_.rows, kBrowseTitle);
    ReadCurrentRow();
    FocusList();
}

void BrowseWindow::PressMap() {
    TakeFields();
    if (data_.rows.empty()) return;
    const lookup::PartyRow& row = data_.currentRow;
    if (ReadCurrentRow() && online::HasLocation(row.QFLat.View(), row.QFLon.View())) {
        options_.actions.showMap(
            lookup::MapArgumentsOf(row.QFName.View(), row.QFAddress.View(), row.QFLon.View(), row.QFLat.View()));
    } else {
        framework::Message message;
        message.caption = "У нас проблема !"_ansi;
        message.text = "Нет данных о месторасположении контрагента !"_ansi;
        message.icon = framework::MessageIcon::Information;
        framework::ShowMessage(message);
    }
    FocusList();
}

void BrowseWindow::PressKeyboard() {
    TakeFields();
    options_.actions.screenKeyboard();
    FocusQuery();
}

void BrowseWindow::PressSettings() {
    TakeFields();
    options_.actions.listSettings(brwSettings_);
    FocusList();
}

void BrowseWindow::PressCheckList() {
    if (busy_ || !options_.actions.checkList) return;
    options_.actions.checkList();
    FocusList();
}

void BrowseWindow::PressUpdate() {
    TakeFields();
    if (options_.actions.checkUpdate(options_.buildDate)) {
        close();
        return;
    }
    FocusList();
}

void BrowseWindow::ClearQuery() {
    query_->clear();
    data_.query.clear();
    clearQuery_->setVisible(false);
    FocusQuery();
}

void BrowseWindow::LegalFormChosen() {
    for (QRadioButton* radio : legalForms_)
        radio->setIcon(Icon(radio->isChecked() ? "enable.png" : "disable.png"));
    FocusList();
}

// The row buffer follows the list's selection; a row that cannot be read clears it.
bool BrowseWindow::ReadCurrentRow() {
    int row = list_->currentRowNumber();
    bool readable = row >= 1 && static_cast<size_t>(row) <= data_.rows.size();
    data_.currentRow = readable ? data_.rows[static_cast<size_t>(row - 1)] : lookup::PartyRow{};
    return readable;
}

void BrowseWindow::RowChanged() {
    ReadCurrentRow();
    ShowAddressLine(std::string(data_.currentRow.QFAddress.View()));
}

void BrowseWindow::ListKey(QKeyCombination key) {
    if (const std::optional<listformat::AlertKey> zoom = listcontrol::AlertKeyOf(key)) {
        listformat::ApplyBrwFormat(listformat::ActionOfAlertKey(*zoom), brwSettings_);
        return;
    }
    if (key == kCopyRequisitesKey || key == kCopyInnKey) {
        CopyRow(key == kCopyInnKey);
        return;
    }
    bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && !data_.rows.empty()) PressCard();
}

void BrowseWindow::UpdateQueryLook(QWidget* focused) {
    bool filled = !base::Trim(FromQString(query_->text())).empty();
    if (!codeWarning_.empty()) {
        SetQueryBackground(query_, kQueryWrongCode);
        if (focused != query_) clearQuery_->setVisible(filled);
        return;
    }
    if (focused == query_) {
        SetQueryBackground(query_, kQueryFocused);
        return;
    }
    SetQueryBackground(query_, filled ? kQueryFilled : QColor());
    clearQuery_->setVisible(filled);
}

void BrowseWindow::ShowHint(QWidget* focused) {
    QString hint;
    for (QWidget* widget = focused; widget && widget != this && hint.isEmpty(); widget = widget->parentWidget())
        hint = widget->property("hint").toString();
    hintZone_->setText(hint);
}

void BrowseWindow::ShowLogoFrame(bool show) {
    for (QFrame* line : logoFrame_)
        line->setVisible(show);
    logo_->setCursor(show ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

bool BrowseWindow::eventFilter(QObject* watched, QEvent* event) {
    // The query field would take Ctrl+E as "end of line"; in this window it clears the query wherever the
    // focus is, so the field lets the window's shortcut have it.
    if (watched == query_ && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E))
        return true;
    if (watched == query_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::AltModifier, Qt::Key_Down)) {
        OfferRecentQueries();
        return true;
    }
    if (watched == logo_) {
        if (event->type() == QEvent::Enter) ShowLogoFrame(true);
        if (event->type() == QEvent::Leave) ShowLogoFrame(false);
        if (event->type() == QEvent::MouseButtonRelease) options_.actions.openSite(options_.siteAddress);
    }
    return QMainWindow::eventFilter(watched, event);
}

// The window regaining the focus after its first opening redraws its fields.
bool BrowseWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        if (opened_) Refresh();
        opened_ = true;
    }
    return QMainWindow::event(event);
}

// Closed during a lookup, the window first ends the running transfer; the lookup then stops and the window
// closes.
void BrowseWindow::closeEvent(QCloseEvent* event) {
    if (busy_) {
        closing_ = true;
        abortTransfer_ = true;
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (!event->isAccepted()) return;
    listformat::ApplyBrwFormat(listformat::kBrwStore, brwSettings_);
    if (closed_) closed_();
}

void BrowseWindow::RunTransfer(const std::function<void()>& transfer) {
    framework::RunOffGuiThread(transfer, framework::WhileWaiting::HoldInput);
}

void BrowseWindow::ShowStatusLine(const std::string& statusLine) {
    data_.statusLine = statusLine;
    status_->setText(StatusText());
    status_->repaint();
}

// The lookup's status line, followed by the warning about a code with a wrong control digit.
QString BrowseWindow::StatusText() const {
    std::string text = data_.statusLine;
    if (!codeWarning_.empty()) text += (text.empty() ? "" : "   ") + codeWarning_;
    return ToQString(text);
}

// A query that is an INN, OGRN or OGRNIP with a wrong control digit tints the field and says so in its
// tooltip and the status line; the lookup still runs, the user may know better.
void BrowseWindow::CheckQueryCode() {
    const std::string warning = codes::CodeWarning(FromQString(query_->text()));
    if (warning == codeWarning_) return;
    codeWarning_ = warning;
    const std::string hint = FromQString(query_->property("hint").toString());
    query_->setToolTip(ToQString(warning.empty() ? lookup::TooltipLines(hint) : warning));
    status_->setText(StatusText());
    UpdateQueryLook(QApplication::focusWidget());
}

void BrowseWindow::LoadRecentQueries() {
    if (const framework::SettingsStore* store = framework::CurrentSettingsStore()) recent_.Load(*store);
    ShowRecentQueries();
}

// Only a query that found entries is kept.
void BrowseWindow::RememberQuery(const std::string& query) {
    recent_.Add(query);
    if (framework::SettingsStore* store = framework::CurrentSettingsStore()) recent_.Save(*store);
    ShowRecentQueries();
}

void BrowseWindow::ClearRecentQueries() {
    recent_.Clear();
    if (framework::SettingsStore* store = framework::CurrentSettingsStore()) recent_.Save(*store);
    ShowRecentQueries();
}

void BrowseWindow::ShowRecentQueries() {
    QStringList items;
    for (const std::string& query : recent_.Items())
        items.append(ToQString(query));
    recentModel_->setStringList(items);
}

// Alt+Down offers every kept query, whatever the field holds.
void BrowseWindow::OfferRecentQueries() {
    if (recent_.Items().empty()) return;
    completer_->setCompletionPrefix(QString());
    completer_->complete();
}

void BrowseWindow::QueryMenu(const QPoint& position) {
    std::unique_ptr<QMenu> menu(query_->createStandardContextMenu());
    menu->setObjectName("queryMenu");
    menu->addSeparator();
    QAction* clear = menu->addAction(ToQString("Очистить историю"_ansi), this, &BrowseWindow::ClearRecentQueries);
    clear->setEnabled(!recent_.Items().empty());
    menu->exec(query_->mapToGlobal(position));
}

void BrowseWindow::ListMenu(const QPoint& position) {
    if (data_.rows.empty() || !ReadCurrentRow()) return;
    QMenu menu;
    menu.setObjectName("listMenu");
    // The keys show beside the items; the list itself handles them.
    menu.addAction(ToQString("Копировать реквизиты"_ansi), QKeySequence(kCopyRequisitesKey), this,
                   [this] { CopyRow(false); });
    menu.addAction(ToQString("Копировать ИНН"_ansi), QKeySequence(kCopyInnKey), this, [this] { CopyRow(true); });
    menu.exec(list_->viewport()->mapToGlobal(position));
}

void BrowseWindow::CopyRow(bool innOnly) {
    if (data_.rows.empty() || !ReadCurrentRow()) return;
    const lookup::PartyRecord record = lookup::CopyToPartyRecord(data_.currentRow, data_.lastRegion);
    if (innOnly)
        extract::CopyInn(record);
    else
        extract::CopyRequisites(record);
}

void BrowseWindow::FocusQuery() {
    query_->setFocus();
}

void BrowseWindow::FocusList() {
    list_->setFocus();
}

void BrowseWindow::Refresh() {
    list_->reloadRows();
    status_->setText(StatusText());
    ShowAddressLine(std::string(data_.currentRow.QFAddress.View()));
}

void BrowseWindow::SelectRow(size_t index) {
    list_->setCurrentRowNumber(static_cast<int>(index) + 1);
    ReadCurrentRow();
}

void BrowseWindow::EnableRowButtons(bool enable) {
    for (QPushButton* button : {clear_, card_, map_, export_})
        button->setEnabled(enable);
}

void BrowseWindow::ShowAddressLine(const std::string& address) {
    address_->setText(ToQString(address));
}

void Browse_EGRUL(BrowseOptions options) {
    BrowseWindow window(std::move(options));
    window.setAttribute(Qt::WA_QuitOnClose, false);
    QEventLoop loop;
    window.setClosedHandler([&loop] { loop.quit(); });
    window.show();
    loop.exec();
}

} // namespace kvilo::browse
