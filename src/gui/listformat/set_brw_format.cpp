#include "gui/listformat/set_brw_format.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/cp1251.h"
#include "core/framework/error_manager.h"
#include "core/framework/qt_text.h"
#include "core/listformat/color_palette.h"
#include "core/listformat/column_edit.h"
#include "gui/framework/program_font.h"
#include "gui/framework/window_placement_widget.h"
#include "gui/listcontrol/list_colours.h"
#include "gui/listcontrol/list_control_adapter.h"
#include "gui/listformat/appearance_page.h"
#include "gui/listformat/ask_color_window.h"
#include "gui/listformat/width_edit_delegate.h"
#include "kvilo_resources.h"
#include "platform/os_version.h"

namespace kvilo::listformat {
namespace {

using namespace base::literals;
using framework::FromQString;
using framework::ToQString;

constexpr const char* kProcedure = "SetBrwFormat";
constexpr int kMinimumHeight = 412;
constexpr long kLightTint = 0xF9F9F9;
constexpr long kSearchFocused = 0xE0FFE0;
constexpr long kSearchActive = 0xEEFFEE;

enum EntryColumn { kNumberColumn, kGroupColumn, kNameColumn, kWidthColumn };

// The owner's list widget behind the list column model; nullptr for a model without one (tests of logic).
listcontrol::FormatList* OwnerList(const BrwSettings& settings) {
    auto* control = dynamic_cast<listcontrol::FormatListControl*>(settings.list);
    return control ? &control->List() : nullptr;
}

// The window background as a list colour: choice columns that keep it are named "Выбор в списке".
long WindowColour() {
    const QColor base = QApplication::palette().color(QPalette::Base);
    return base.red() | (base.green() << 8) | (static_cast<long>(base.blue()) << 16);
}

void SetBackground(QWidget* widget, long colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour < 0 ? QApplication::palette(widget).color(QPalette::Base)
                                                : listcontrol::ListColour(colour));
    widget->setPalette(palette);
}

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

void SetBrwFormat(BrwSettings& settings) {
    if (!settings.list) return;
    framework::ProcedureScope procedure(kProcedure);
    listcontrol::FormatList* owner = OwnerList(settings);
    SetBrwFormatWindow window(settings, owner ? owner->window() : QApplication::activeWindow());
    window.exec();
}

SetBrwFormatWindow::SetBrwFormatWindow(BrwSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), session_(settings, WindowColour()) {
    InitKviloResources();
    setObjectName(kProcedure);
    setFont(framework::ProgramFont(framework::kWindowFontName));
    setWindowTitle(ToQString(SetBrwFormatTitle(parent ? FromQString(parent->windowTitle()) : std::string())));

    tabs_ = new QTabWidget;
    tabs_->addTab(BuildColumnsTab(), ToQString(" &1. Колонки "_ansi));
    appearance_ = new AppearancePage(session_);
    tabs_->addTab(appearance_, ToQString(" &2. Оформление "_ansi));
    tabs_->addTab(BuildDescriptionTab(), ToQString(" &3. Описание "_ansi));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(BuildCloseButtons());
    BuildMenu();
    AddShortcuts();

    const listcontrol::FormatList* owner = OwnerList(settings_);
    ShowEntries(session_.StartEntry(owner ? owner->clickedColumn() : 0));
    entries_->setFocus(); // the dialog opens on the entry list, at the column the user clicked
    new framework::WindowPlacementKeeper(*this, kProcedure);
}

QWidget* SetBrwFormatWindow::BuildColumnsTab() {
    auto* page = new QWidget;
    BuildEntryList();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(BuildSearchRow());
    layout->addWidget(entries_, 1);
    layout->addWidget(BuildColumnButtons());
    return page;
}

void SetBrwFormatWindow::BuildEntryList() {
    entries_ = new QTableWidget(0, 4);
    entries_->setObjectName("entryList");
    entries_->setToolTip(ToQString("Настройка ширины и расположения колонок"_ansi));
    entries_->setHorizontalHeaderLabels(
        {ToQString("№"_ansi), ToQString("Группа"_ansi), ToQString("Колонка"_ansi), ToQString("Ширина"_ansi)});
    entries_->verticalHeader()->hide();
    entries_->setSelectionBehavior(QAbstractItemView::SelectRows);
    entries_->setSelectionMode(QAbstractItemView::SingleSelection);
    entries_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    entries_->setItemDelegateForColumn(kWidthColumn, new WidthEditDelegate(entries_));
    entries_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Widths in dialog units of the window font, as the list's own columns.
    const int unit = fontMetrics().averageCharWidth();
    auto units = [unit](int du) { return du * unit / 4; };
    const bool groups = session_.Groups();
    entries_->setColumnWidth(kNumberColumn, units(32));
    entries_->setColumnWidth(kGroupColumn, units(90));
    entries_->setColumnHidden(kGroupColumn, !groups);
    entries_->setColumnWidth(kNameColumn, units(groups ? 90 : 180));
    entries_->horizontalHeader()->setStretchLastSection(true);
    if (platform::IsNewerSystem()) SetBackground(entries_, kLightTint);
    entries_->installEventFilter(this);
    connect(entries_, &QTableWidget::cellChanged, this, &SetBrwFormatWindow::WidthEdited);
    connect(entries_, &QTableWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(entries_->viewport()->mapToGlobal(at)); });
}

QWidget* SetBrwFormatWindow::BuildSearchRow() {
    auto* row = new QWidget;
    search_ = new QLineEdit(ToQString(kSearchPlaceholder));
    search_->setObjectName("searchField");
    search_->setMaxLength(static_cast<int>(kMaxSearchTextLength));
    search_->setToolTip(ToQString("Введите строку для поиска по маске с * / ? и нажмите клавишу ENTER или TAB"_ansi));
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::editingFinished, this, &SetBrwFormatWindow::AcceptSearch);
    connect(search_, &QLineEdit::returnPressed, this, [this] { entries_->setFocus(); });
    clearSearch_ = new QToolButton;
    clearSearch_->setObjectName("clearSearchButton");
    clearSearch_->setIcon(QIcon(":/icons/cut.png"));
    clearSearch_->setToolTip(ToQString("Очистить поле поиска [CTRL + E]"_ansi));
    clearSearch_->setVisible(false);
    connect(clearSearch_, &QToolButton::clicked, this, &SetBrwFormatWindow::ClearSearch);
    variants_ = new QComboBox;
    variants_->setObjectName("variantList");
    variants_->setToolTip(ToQString("Выбор варианта просмотра колонок в списке"_ansi));
    for (int variant = kVariantAll; variant <= kVariantCount; ++variant)
        variants_->addItem(ToQString(VariantCaption(variant)));
    connect(variants_, &QComboBox::currentIndexChanged, this, [this](int index) {
        session_.SetVariant(index + 1);
        ShowEntries(CurrentEntry());
    });

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(ToQString("Поиск строки по маске с * / ?"_ansi));
    label->setBuddy(search_);
    layout->addWidget(label);
    layout->addWidget(search_, 1);
    layout->addWidget(clearSearch_);
    layout->addWidget(new QLabel("[CTRL + F]"));
    layout->addWidget(new QLabel(ToQString(" Вариант"_ansi)));
    layout->addWidget(variants_);
    return row;
}

QPushButton* SetBrwFormatWindow::ColumnButton(const char* name, const char* icon, const char* caption, const char* tip,
                                              void (SetBrwFormatWindow::*action)()) {
    auto* button = new QPushButton(QIcon(QString(":/icons/") + icon), ToQString(caption));
    button->setObjectName(name);
    button->setToolTip(ToQString(tip));
    button->setAutoDefault(false);
    // The keys of the operations work in the entry list: it gets the focus back after every button.
    connect(button, &QPushButton::clicked, this, [this, action] {
        (this->*action)();
        if (!entries_->findChild<QLineEdit*>("widthEditor")) entries_->setFocus();
    });
    columnButtons_.push_back(button);
    return button;
}

QWidget* SetBrwFormatWindow::BuildColumnButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    using W = SetBrwFormatWindow;
    layout->addWidget(
        ColumnButton("narrowButton", "minus.png", "", "Уменьшить размер колонки на 5 [ - ]"_ansi, &W::Narrow));
    layout->addWidget(
        ColumnButton("widenButton", "plus.png", "", "Увеличить размер колонки на 5 [ + ]"_ansi, &W::Widen));
    layout->addWidget(ColumnButton("hideShowButton", "exclude.png", "",
                                   "Скрыть / показать колонку в списке [ DEL ]"_ansi, &W::HideShow));
    moveLeft_ = ColumnButton("moveLeftButton", "move_left.png", "",
                             "Сдвинуть колонку / группу влево [ Стрелка влево ]"_ansi, &W::MoveLeft);
    moveRight_ = ColumnButton("moveRightButton", "move_right.png", "",
                              "Сдвинуть колонку / группу вправо [ Стрелка вправо ]"_ansi, &W::MoveRight);
    layout->addWidget(moveLeft_);
    layout->addWidget(moveRight_);
    layout->addWidget(ColumnButton("fixButton", "fix.png", " Закрепить"_ansi,
                                   "Разрешить / запретить горизонтальную прокрутку колонку в списке"_ansi,
                                   &W::ToggleFixed));
    layout->addWidget(ColumnButton("headerColourButton", "z_color.png", " Заголовок"_ansi,
                                   "Изменить цвет текста в заголовке колонки"_ansi, &W::HeaderColour));
    layout->addWidget(ColumnButton("resetButton", "reset.png", " По умолчанию"_ansi,
                                   "Восстановить ширину и расположение колонок по умолчанию [F5]"_ansi, &W::Reset));
    layout->addWidget(
        ColumnButton("zoomOutButton", "zoom.png", "-", "Уменьшить масштаб [CTRL + Minus]"_ansi, &W::ZoomOut));
    layout->addWidget(
        ColumnButton("zoomInButton", "zoom.png", "+", "Увеличить масштаб [CTRL + Plus]"_ansi, &W::ZoomIn));
    layout->addWidget(
        ColumnButton("changeWidthButton", "edit_width.png", "", "Изменить ширину текущей колонки"_ansi, &W::EditWidth));
    layout->addStretch();
    return row;
}

QWidget* SetBrwFormatWindow::BuildDescriptionTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    const char* const paragraphs[] = {
        "1. Настройки форматов - это рабочие данные и не хранятся в БД программы."_ansi,
        "2. Настройки списка автоматически сбрасываются на значения по умолчанию после обновления программы, "
        "в которой изменился вид этого списка."_ansi,
        "3. Где находится файл настроек, можно посмотреть в окне «О программе»."_ansi,
        "4. Диск или папку файла настроек можно изменить, например на сетевой диск сервера, в параметрах "
        "запуска программы."_ansi,
        "5. Сбросить настройки всех списков можно через пункт «Окно» главного меню."_ansi,
    };
    for (const char* paragraph : paragraphs) {
        auto* label = new QLabel(ToQString(paragraph));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
    return page;
}

QWidget* SetBrwFormatWindow::BuildCloseButtons() {
    auto* row = new QWidget;
    auto* yes = new QPushButton(QIcon(":/icons/ok.png"), ToQString(" Да"_ansi));
    yes->setObjectName("yesButton");
    yes->setToolTip(ToQString("Сохранить настройку списка [ CTRL + Enter ]"_ansi));
    yes->setAutoDefault(false);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    auto* no = new QPushButton(QIcon(":/icons/cancel.png"), ToQString(" Нет"_ansi));
    no->setObjectName("noButton");
    no->setToolTip(ToQString("Отменить операцию [ ESC ]"_ansi));
    no->setAutoDefault(false);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch();
    layout->addWidget(yes);
    layout->addWidget(no);
    return row;
}

void SetBrwFormatWindow::BuildMenu() {
    menu_ = new QMenu(this);
    auto add = [this](const char* caption, const char* keys, void (SetBrwFormatWindow::*action)()) {
        QAction* item = menu_->addAction(ToQString(caption) + (*keys ? QString("\t") + keys : QString()));
        connect(item, &QAction::triggered, this, action);
    };
    using W = SetBrwFormatWindow;
    add("Ширина"_ansi, "Enter", &W::EditWidth);
    menu_->addSeparator();
    add("Закрепить"_ansi, "", &W::ToggleFixed);
    add("Цвет заголовка"_ansi, "", &W::HeaderColour);
    add("По умолчанию"_ansi, "", &W::Reset);
    menu_->addSeparator();
    add("Уменьшить"_ansi, "-", &W::Narrow);
    add("Скрыть"_ansi, "Del", &W::HideShow);
    add("Увеличить"_ansi, "+", &W::Widen);
    menu_->addSeparator();
    add("Влево"_ansi, "<-", &W::MoveLeft);
    add("Вправо"_ansi, "->", &W::MoveRight);
}

void SetBrwFormatWindow::AddShortcuts() {
    auto add = [this](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_F), [this] { search_->setFocus(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_E), [this] { ClearSearch(); });
    add(QKeySequence(Qt::Key_F5), [this] { Reset(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Return), [this] { accept(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Enter), [this] { accept(); });
    // The zoom buttons' keys; the numeric keypad's match these too.
    add(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { ZoomOut(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { ZoomIn(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { ZoomIn(); });
}

int SetBrwFormatWindow::CurrentEntry() const {
    const int row = entries_->currentRow();
    if (row < 0 || row >= entries_->rowCount()) return 0;
    return entries_->item(row, kNumberColumn)->data(Qt::UserRole).toInt();
}

void SetBrwFormatWindow::SelectEntry(int number) {
    for (int row = 0; row < entries_->rowCount(); ++row) {
        if (entries_->item(row, kNumberColumn)->data(Qt::UserRole).toInt() != number) continue;
        entries_->setCurrentCell(row, kNameColumn);
        return;
    }
}

void SetBrwFormatWindow::ShowEntries(int current) {
    showing_ = true;
    const std::vector<const BFormatEntry*> shown = session_.ShownEntries();
    entries_->setRowCount(static_cast<int>(shown.size()));
    for (int row = 0; row < static_cast<int>(shown.size()); ++row)
        ShowEntryRow(row, *shown[static_cast<size_t>(row)]);
    entries_->setCurrentCell(shown.empty() ? -1 : 0, kNameColumn);
    SelectEntry(current);
    showing_ = false;
    UpdateButtons();
}

void SetBrwFormatWindow::ShowEntryRow(int row, const BFormatEntry& entry) {
    auto* number = Cell(QString::number(entry.colNumber));
    number->setData(Qt::UserRole, entry.colNumber);
    if (entry.colFixed) number->setIcon(QIcon(":/icons/fix.png"));
    auto* width = Cell(QString::number(entry.colWidth));
    width->setFlags(width->flags() | Qt::ItemIsEditable);
    width->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (entry.colWidth == 0)
        width->setIcon(QIcon(":/icons/exclude.png"));
    else if (entry.colWidth < entry.savWidth)
        width->setIcon(QIcon(":/icons/minus.png"));
    else if (entry.colWidth > entry.savWidth)
        width->setIcon(QIcon(":/icons/plus.png"));
    QTableWidgetItem* cells[] = {number, Cell(ToQString(entry.groupName)), Cell(ToQString(entry.colName)), width};
    const long tint = entry.colWidth < entry.savWidth   ? kNarrowedTint
                      : entry.colWidth > entry.savWidth ? kWidenedTint
                                                        : kNoColour;
    for (int column = 0; column < 4; ++column) {
        if (tint != kNoColour) {
            cells[column]->setBackground(listcontrol::ListColour(tint));
            cells[column]->setForeground(Qt::black);
        }
        entries_->setItem(row, column, cells[column]);
    }
}

void SetBrwFormatWindow::UpdateButtons() {
    const bool any = entries_->rowCount() > 0;
    for (QPushButton* button : columnButtons_)
        button->setEnabled(any);
    moveLeft_->setVisible(session_.MovesShown());
    moveRight_->setVisible(session_.MovesShown());
    for (QAction* item : menu_->actions())
        item->setEnabled(any);
}

void SetBrwFormatWindow::Narrow() {
    const int entry = CurrentEntry();
    if (session_.Narrow(entry)) ShowEntries(entry);
}

void SetBrwFormatWindow::Widen() {
    const int entry = CurrentEntry();
    if (session_.Widen(entry)) ShowEntries(entry);
}

void SetBrwFormatWindow::HideShow() {
    const int entry = CurrentEntry();
    if (session_.HideShow(entry)) ShowEntries(entry);
}

void SetBrwFormatWindow::MoveLeft() {
    if (const int moved = session_.Move(CurrentEntry(), -1)) ShowEntries(moved);
}

void SetBrwFormatWindow::MoveRight() {
    if (const int moved = session_.Move(CurrentEntry(), 1)) ShowEntries(moved);
}

void SetBrwFormatWindow::ToggleFixed() {
    const int entry = CurrentEntry();
    if (session_.ToggleFixed(entry)) ShowEntries(entry);
}

void SetBrwFormatWindow::HeaderColour() {
    const int entry = CurrentEntry();
    const BFormatEntry* current = session_.Entry(entry);
    if (!current) return;
    AskColorWindow chooser(PaletteIndex(current->hColor), this);
    if (chooser.exec() != QDialog::Accepted || chooser.Chosen() < 0) return;
    if (session_.SetHeaderColour(entry, PaletteColour(chooser.Chosen()))) ShowEntries(entry);
}

void SetBrwFormatWindow::Reset() {
    const int entry = CurrentEntry();
    if (!session_.Reset()) return;
    appearance_->ShowValues();
    ShowEntries(entry);
}

void SetBrwFormatWindow::ZoomOut() {
    if (!session_.Zoom(-1)) return;
    appearance_->ShowValues();
    ShowEntries(CurrentEntry());
}

void SetBrwFormatWindow::ZoomIn() {
    if (!session_.Zoom(1)) return;
    appearance_->ShowValues();
    ShowEntries(CurrentEntry());
}

void SetBrwFormatWindow::EditWidth() {
    const int row = entries_->currentRow();
    if (row < 0) return;
    entries_->setCurrentCell(row, kWidthColumn);
    entries_->editItem(entries_->item(row, kWidthColumn));
}

// The width typed in place: the difference from the entry's width is applied as a step; anything that is
// no width of 0-600, or a step the column refuses, leaves the entry as it was.
void SetBrwFormatWindow::WidthEdited(int row, int column) {
    if (showing_ || column != kWidthColumn) return;
    const int entry = entries_->item(row, kNumberColumn)->data(Qt::UserRole).toInt();
    const std::string text = FromQString(entries_->item(row, kWidthColumn)->text());
    session_.TypeWidth(entry, text);
    // Shown again after the edit has finished: the edited item must not be replaced under its editor.
    QMetaObject::invokeMethod(
        this, [this, entry] { ShowEntries(entry); }, Qt::QueuedConnection);
}

void SetBrwFormatWindow::AcceptSearch() {
    session_.SetSearchText(FromQString(search_->text()));
    clearSearch_->setVisible(!session_.Mask().empty());
    ShowEntries(CurrentEntry());
}

void SetBrwFormatWindow::ClearSearch() {
    search_->setText(ToQString(kSearchPlaceholder));
    session_.SetSearchText("");
    clearSearch_->setVisible(false);
    if (!search_->hasFocus()) SetBackground(search_, kNoColour);
    ShowEntries(CurrentEntry());
}

void SetBrwFormatWindow::SearchFocusChanged(bool focused) {
    if (focused) {
        if (search_->text() == ToQString(kSearchPlaceholder)) search_->clear();
        SetBackground(search_, kSearchFocused);
        return;
    }
    if (search_->text().trimmed().isEmpty()) {
        search_->setText(ToQString(kSearchPlaceholder));
        AcceptSearch();
    }
    SetBackground(search_, session_.Mask().empty() ? kNoColour : kSearchActive);
}

bool SetBrwFormatWindow::EntryKey(QKeyEvent* event) {
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    // A key the width editor left unhandled comes on to the list: it is the editor's, not the list's.
    if (QApplication::focusWidget() != entries_) return false;
    if (mods != Qt::NoModifier || entries_->rowCount() == 0) return false;
    switch (event->key()) {
    case Qt::Key_Minus:
        if (!keypad) return false;
        Narrow();
        return true;
    case Qt::Key_Plus:
        if (!keypad) return false;
        Widen();
        return true;
    case Qt::Key_Delete:
        HideShow();
        return true;
    case Qt::Key_Left:
        MoveLeft();
        return true;
    case Qt::Key_Right:
        MoveRight();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        EditWidth();
        return true;
    default:
        return false;
    }
}

bool SetBrwFormatWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        SearchFocusChanged(event->type() == QEvent::FocusIn);
    if (watched == entries_ && event->type() == QEvent::KeyPress && EntryKey(static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void SetBrwFormatWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (sized_) return;
    sized_ = true;
    setMinimumSize(width(), kMinimumHeight);
}

void SetBrwFormatWindow::done(int result) {
    if (result == QDialog::Accepted) session_.Accept();
    session_.Close();
    QDialog::done(result);
}

} // namespace kvilo::listformat
