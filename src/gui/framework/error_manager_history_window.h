#pragma once
// The "Errors History" window: the error manager's recent messages, newest last, with the thread that
// raised each.
#include <QDialog>
#include <vector>

#include "core/framework/error_manager.h"

class QTableWidget;

namespace kvilo::framework {

class ErrorHistoryWindow : public QDialog {
public:
    explicit ErrorHistoryWindow(const std::vector<ErrorHistoryEntry>& history, QWidget* parent = nullptr);

    const QTableWidget& Table() const { return *table_; }

private:
    QTableWidget* table_;
};

// Shows the manager's history modally.
void ShowErrorHistory(const ErrorManager& manager, QWidget* parent = nullptr);

} // namespace kvilo::framework
