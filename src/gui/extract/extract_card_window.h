#pragma once
// Form_EGRUL: the extract card of one result row, shown modally over the main window. It shows the row,
// offers the location map and copies the requisites; it changes nothing and returns nothing.
#include <QDialog>
#include <string_view>

#include "core/lookup/party_row.h"

class QFormLayout;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kvilo::extract {

// The card's window. Form_EGRUL runs it; tests make it directly and read its controls back.
class ExtractCard : public QDialog {
public:
    // Works on its own copy of `record`.
    explicit ExtractCard(const lookup::PartyRecord& record, QWidget* parent = nullptr);

    QPushButton* MapButton() const { return mapButton_; }
    QPushButton* CopyButton() const { return copyButton_; }
    QLineEdit* ActualityLine() const { return actuality_; }
    QTabWidget* Sheet() const { return sheet_; }
    // The display field shown under `label` ("ИНН", "Адрес", ... in 1251), nullptr when there is none.
    QLineEdit* Field(const char* label) const;

    // The map button's action: the map for an entry with both coordinates, a message otherwise.
    void ShowMap();

private:
    void AddField(QFormLayout& form, const char* label, std::string_view value);
    static void MarkField(QLineEdit& field);

    lookup::PartyRecord record_;
    QPushButton* mapButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QLineEdit* actuality_ = nullptr;
    QTabWidget* sheet_ = nullptr;
};

// Opens the card for `record` (the caller's copy of the selected row) and returns when the user closes it.
// Its position and size are kept under "Form_EGRUL".
void Form_EGRUL(const lookup::PartyRecord& record, QWidget* parent);

} // namespace kvilo::extract
