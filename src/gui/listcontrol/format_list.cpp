#include "gui/listcontrol/format_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

#include "core/framework/qt_text.h"
#include "gui/framework/program_font.h"
#include "gui/listcontrol/dialog_units.h"
#include "gui/listcontrol/format_cell_delegate.h"
#include "gui/listcontrol/format_table_model.h"
#include "gui/listcontrol/group_header_view.h"
#include "gui/listcontrol/list_colours.h"

namespace kvilo::listcontrol {
namespace {

// The common settings of the list and of its frozen part, so both look and behave the same.
void SetUpTable(QTableView& table) {
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setShowGrid(false);
    table.setWordWrap(false);
    table.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    table.verticalHeader()->hide();
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.verticalHeader()->setMinimumSectionSize(1);
    table.horizontalHeader()->setStretchLastSection(false);
    table.horizontalHeader()->setMinimumSectionSize(1);
}

bool Matches(QKeyCombination alert, QKeyCombination pressed) {
    Qt::KeyboardModifiers got = pressed.keyboardModifiers();
    if (!(alert.keyboardModifiers() & Qt::KeypadModifier)) got &= ~Qt::KeypadModifier;
    return alert.key() == pressed.key() && alert.keyboardModifiers() == got;
}

} // namespace

FormatList::FormatList(QWidget* parent)
    : QTableView(parent), format_(std::make_shared<listformat::ListFormat>()),
      model_(new FormatTableModel(format_, this)), iconLoader_([](const QString& name) { return QIcon(name); }) {
    model_->setIconProvider([this](int index) { return icon(index); });
    header_ = new GroupHeaderView(format_, this);
    setHorizontalHeader(header_);
    delegate_ = new FormatCellDelegate(this);
    setItemDelegate(delegate_);
    setModel(model_);
    SetUpTable(*this);
    setHorizontalScrollMode(ScrollPerPixel);
    setUpFrozenView();

    connect(header_, &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { userResized(logical, size); });
    connect(header_, &QHeaderView::sectionPressed, this, [this](int logical) { clickedColumn_ = logical + 1; });
    connect(header_, &GroupHeaderView::rightButtonReleased, this, &FormatList::headerRightReleased);
    connect(header_, &QHeaderView::sectionDoubleClicked, this, &FormatList::setupRequested);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { emit currentRowChanged(current.isValid() ? current.row() + 1 : 0); });
}

FormatList::~FormatList() = default;

void FormatList::setUpFrozenView() {
    frozen_ = new QTableView(this);
    frozenHeader_ = new GroupHeaderView(format_, frozen_);
    frozen_->setHorizontalHeader(frozenHeader_);
    frozen_->setModel(model_);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setItemDelegate(delegate_);
    SetUpTable(*frozen_);
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setFrameShape(QFrame::NoFrame);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->stackUnder(frozen_);
    frozen_->viewport()->installEventFilter(this);
    frozen_->hide();

    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(), &QScrollBar::setValue);
    connect(frozenHeader_, &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) { userResized(logical, size); });
    connect(frozenHeader_, &QHeaderView::sectionPressed, this, [this](int logical) { clickedColumn_ = logical + 1; });
    connect(frozenHeader_, &GroupHeaderView::rightButtonReleased, this, &FormatList::headerRightReleased);
    connect(frozenHeader_, &QHeaderView::sectionDoubleClicked, this, &FormatList::setupRequested);
    connect(frozen_, &QTableView::doubleClicked, this, &QTableView::doubleClicked);
    connect(frozen_, &QTableView::activated, this, &QTableView::activated);
}

void FormatList::setRowSource(const RowSource* source) {
    model_->setRowSource(source);
    applyFormat();
}

// A reset forgets the section sizes, so the format is shown again after it, and the selection, so the
// current row is selected again while the rows still reach it.
void FormatList::reloadRows() {
    const int current = currentRowNumber();
    model_->reset();
    applyFormat();
    if (current >= 1 && current <= model_->rowCount()) setCurrentRowNumber(current);
}

bool FormatList::setFormatText(std::string_view text) {
    if (!format_->setText(text)) return false;
    applyFormat();
    return true;
}

std::string FormatList::formatText() const {
    return format_->text();
}

bool FormatList::editFormat(const std::function<bool(listformat::ListFormat&)>& edit) {
    const bool done = edit(*format_);
    applyFormat();
    return done;
}

void FormatList::applyColumn(int logical) {
    const int units = format_->width(logical + 1);
    const auto mode = format_->resizable(logical + 1) ? QHeaderView::Interactive : QHeaderView::Fixed;
    header_->setSectionResizeMode(logical, mode);
    frozenHeader_->setSectionResizeMode(logical, mode);
    setColumnHidden(logical, units == 0);
    frozen_->setColumnHidden(logical, units == 0 || logical >= frozenCount_);
    if (units == 0) return;
    setColumnWidth(logical, unitsToPixels(units));
    frozen_->setColumnWidth(logical, unitsToPixels(units));
}

// Shows the format: columns, widths, resize modes and the frozen part. Called after every change of the
// format or of the font; the section sizes it sets are not user resizes.
void FormatList::applyFormat() {
    model_->formatChanged();
    applying_ = true;
    int last = 0;
    for (int c = 1; c <= format_->columnCount(); ++c)
        if (format_->fixed(c)) last = c;
    const int item = format_->groupNumber(last);
    frozenCount_ = last == 0 ? 0 : format_->firstColumnOfItem(item) + format_->itemColumnCount(item) - 1;
    for (int logical = 0; logical < format_->columnCount(); ++logical)
        applyColumn(logical);
    applying_ = false;
    header_->updateGeometry();
    frozenHeader_->updateGeometry();
    updateGeometries();
    updateFrozenGeometry();
    viewport()->update();
    header_->viewport()->update();
    frozenHeader_->viewport()->update();
}

void FormatList::updateFrozenGeometry() {
    int width = 0;
    for (int logical = 0; logical < frozenCount_; ++logical)
        if (!isColumnHidden(logical)) width += columnWidth(logical);
    frozen_->setVisible(width > 0);
    frozen_->setGeometry(frameWidth(), frameWidth(), width, viewport()->height() + horizontalHeader()->height());
}

// A width the user dragged: kept in the format (resizable columns only) and mirrored in the other view.
void FormatList::userResized(int logical, int pixels) {
    if (applying_) return;
    applying_ = true;
    const bool resizable = format_->resizable(logical + 1);
    if (resizable && pixels > 0) {
        format_->setWidth(logical + 1, std::clamp(pixelsToUnits(pixels), 1, listformat::kMaxColumnWidth));
        if (columnWidth(logical) != pixels) setColumnWidth(logical, pixels);
        if (frozen_->columnWidth(logical) != pixels) frozen_->setColumnWidth(logical, pixels);
    } else {
        applyColumn(logical);
    }
    applying_ = false;
    updateFrozenGeometry();
    if (resizable) emit formatChanged();
}

int FormatList::unitsToPixels(int units) const {
    return UnitsToPixels(font(), units);
}

int FormatList::pixelsToUnits(int pixels) const {
    return PixelsToUnits(font(), pixels);
}

void FormatList::setListFont(std::string_view name, int pointSize, int charset) {
    fontName_.assign(name);
    setFont(framework::ProgramFont(name, pointSize));
    charset_ = charset;
    applyLineHeight();
    applyFormat();
}

std::string FormatList::fontName() const {
    return fontName_;
}

int FormatList::fontSize() const {
    return font().pointSize();
}

void FormatList::setGridColour(long colour) {
    grid_ = colour;
    delegate_->setGridColour(ListColour(colour));
    viewport()->update();
    frozen_->viewport()->update();
}

void FormatList::applyPalette() {
    QPalette palette = QApplication::palette(this);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        if (bar_ >= 0) palette.setColor(group, QPalette::Highlight, ListColour(bar_));
        if (selectedText_ >= 0) palette.setColor(group, QPalette::HighlightedText, ListColour(selectedText_));
        if (background_ >= 0) palette.setColor(group, QPalette::Base, ListColour(background_));
    }
    setPalette(palette);
    frozen_->setPalette(palette);
}

void FormatList::setBarColour(long colour) {
    bar_ = colour;
    applyPalette();
}

void FormatList::setSelectedTextColour(long colour) {
    selectedText_ = colour;
    applyPalette();
}

void FormatList::setBackgroundColour(long colour) {
    background_ = colour;
    applyPalette();
}

void FormatList::setLineHeight(int units) {
    lineHeight_ = std::max(0, units);
    applyLineHeight();
}

void FormatList::applyLineHeight() {
    const int pixels = lineHeight_ > 0 ? std::max(1, lineHeight_ * QFontMetrics(font()).height() / 8)
                                       : QFontMetrics(font()).height() + 4;
    verticalHeader()->setDefaultSectionSize(pixels);
    frozen_->verticalHeader()->setDefaultSectionSize(pixels);
}

void FormatList::setWheelStep(int step) {
    wheelStep_ = std::max(1, step);
    wheelRest_ = 0;
}

void FormatList::setTip(std::string_view tip) {
    setToolTip(framework::ToQString(tip));
}

std::string FormatList::tip() const {
    return framework::FromQString(toolTip());
}

bool FormatList::setIconName(int index, std::string_view name) {
    if (index < 1 || index > kIconCount) return false;
    iconNames_[index - 1].assign(name);
    icons_[index - 1] = name.empty() ? QIcon() : iconLoader_(framework::ToQString(name));
    viewport()->update();
    frozen_->viewport()->update();
    return true;
}

std::string FormatList::iconName(int index) const {
    return index < 1 || index > kIconCount ? std::string() : iconNames_[index - 1];
}

QIcon FormatList::icon(int index) const {
    return index < 1 || index > kIconCount ? QIcon() : icons_[index - 1];
}

void FormatList::setIconLoader(std::function<QIcon(const QString&)> loader) {
    iconLoader_ = std::move(loader);
    for (int i = 1; i <= kIconCount; ++i)
        setIconName(i, std::string(iconNames_[i - 1]));
}

void FormatList::addAlertKey(QKeyCombination key) {
    if (!alertKeys_.contains(key)) alertKeys_.append(key);
}

int FormatList::currentRowNumber() const {
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}

void FormatList::setCurrentRowNumber(int row) {
    if (row < 1 || row > model_->rowCount()) {
        setCurrentIndex({});
        clearSelection();
        return;
    }
    selectRow(row - 1);
}

void FormatList::keyPressEvent(QKeyEvent* event) {
    for (const QKeyCombination key : alertKeys_) {
        if (!Matches(key, event->keyCombination())) continue;
        event->accept();
        emit alertKeyPressed(key);
        return;
    }
    QTableView::keyPressEvent(event);
}

void FormatList::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) clickedColumn_ = index.column() + 1;
    QTableView::mousePressEvent(event);
}

void FormatList::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::RightButton) return;
    const QPoint at = event->position().toPoint();
    const QModelIndex index = indexAt(at);
    emit rowRightReleased(index.isValid() ? index.row() + 1 : 0, columnAt(at.x()) + 1);
}

// The wheel scrolls one row per wheelStep of delta, keeping the rest for the next turn.
void FormatList::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        QTableView::wheelEvent(event);
        return;
    }
    wheelRest_ += delta;
    const int rows = wheelRest_ / wheelStep_;
    wheelRest_ -= rows * wheelStep_;
    verticalScrollBar()->setValue(verticalScrollBar()->value() - rows);
    event->accept();
}

void FormatList::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

// The frozen part forwards what the list itself handles: the wheel, clicks and right-button releases.
bool FormatList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != frozen_->viewport()) return QTableView::eventFilter(watched, event);
    if (event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = frozen_->indexAt(mouse->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress) {
            if (index.isValid()) clickedColumn_ = index.column() + 1;
            setFocus(Qt::MouseFocusReason);
        } else if (mouse->button() == Qt::RightButton) {
            emit rowRightReleased(index.isValid() ? index.row() + 1 : 0,
                                  frozen_->columnAt(mouse->position().toPoint().x()) + 1);
        }
    }
    return false;
}

// A fixed column is always in sight: bringing it into view must not scroll the list sideways. Any other
// column is brought out from under the fixed ones, where the view alone would leave it hidden.
void FormatList::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QScrollBar* sideways = horizontalScrollBar();
    const int before = sideways->value();
    QTableView::scrollTo(index, hint);
    if (index.column() < frozenCount_) {
        sideways->setValue(before);
        return;
    }
    const int covered = frozen_->isVisible() ? frozen_->width() : 0;
    const int left = visualRect(index).left();
    if (left < covered) sideways->setValue(sideways->value() - (covered - left));
}

} // namespace kvilo::listcontrol
