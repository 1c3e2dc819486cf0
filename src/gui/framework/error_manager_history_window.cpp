#include "gui/framework/error_manager_history_window.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/framework/qt_text.h"
#include "gui/framework/qt_message_presenter.h"

namespace kvilo::framework {

ErrorHistoryWindow::ErrorHistoryWindow(const std::vector<ErrorHistoryEntry>& history, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(static_cast<int>(history.size()), 2, this)) {
    setWindowTitle("Errors History");
    table_->setHorizontalHeaderLabels({"Thread", "Message"});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(true);
    int row = 0;
    for (const ErrorHistoryEntry& entry : history) {
        table_->setItem(row, 0, new QTableWidgetItem(QString::number(entry.thread)));
        // The same line breaks as in the message box the user saw.
        table_->setItem(row, 1, new QTableWidgetItem(MessageBoxText(entry.text)));
        ++row;
    }
    table_->resizeRowsToContents();
    auto* close = new QPushButton(ToQString(kCloseButton), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 320);
}

void ShowErrorHistory(const ErrorManager& manager, QWidget* parent) {
    ErrorHistoryWindow window(manager.History(), parent);
    window.exec();
}

} // namespace kvilo::framework
