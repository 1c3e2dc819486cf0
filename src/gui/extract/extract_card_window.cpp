#include "gui/extract/extract_card_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/cp1251.h"
#include "core/extract/card_texts.h"
#include "core/framework/error_manager.h"
#include "core/framework/message_presenter.h"
#include "core/framework/qt_text.h"
#include "core/online/location_map.h"
#include "gui/extract/requisites_clipboard.h"
#include "gui/framework/mark_colour.h"
#include "gui/framework/program_font.h"
#include "gui/framework/window_placement_widget.h"
#include "kvilo_resources.h"

namespace kvilo::extract {
namespace {

using namespace base::literals;
using framework::ToQString;

constexpr const char* kProcedure = "Form_EGRUL";

QLineEdit* ReadOnlyLine(const QString& text, QWidget* parent) {
    auto* line = new QLineEdit(text, parent);
    line->setReadOnly(true);
    line->setCursorPosition(0); // long names and addresses show their beginning
    return line;
}

} // namespace

ExtractCard::ExtractCard(const lookup::PartyRecord& record, QWidget* parent) : QDialog(parent), record_(record) {
    setWindowTitle(ToQString("Просмотр выписки ЕГРЮЛ"_ansi));
    setFont(framework::ProgramFont(framework::kWindowFontName));

    InitKviloResources();
    mapButton_ = new QPushButton(QIcon(":/icons/place.png"), ToQString(" Карта"_ansi), this);
    mapButton_->setToolTip(ToQString("Просмотр карты"_ansi));
    mapButton_->setEnabled(online::HasLocation(record_.DaLat.View(), record_.DaLon.View()));
    connect(mapButton_, &QPushButton::clicked, this, &ExtractCard::ShowMap);

    actuality_ = ReadOnlyLine(ToQString(extract::ActualityLine(record_.DaActDate)), this);
    actuality_->setMaxLength(static_cast<int>(kActualityLineWidth));

    sheet_ = new QTabWidget(this);
    auto* page = new QWidget(sheet_);
    auto* form = new QFormLayout(page);
    AddField(*form, "Наименование"_ansi, record_.DaName.View());
    AddField(*form, "ИНН"_ansi, record_.DaInn.View());
    AddField(*form, "КПП"_ansi, record_.DaKpp.View());
    AddField(*form, "ОГРН"_ansi, record_.DaOgrn.View());
    AddField(*form, "Адрес"_ansi, record_.DaAddress.View());
    AddField(*form, "Статус"_ansi, record_.DaStatus.View());
    AddField(*form, "Регистрация"_ansi, CardDate(record_.DaRegDate));
    AddField(*form, "Ликвидация"_ansi, CardDate(record_.DaLiqDate));
    AddField(*form, "Тип"_ansi, record_.DaBType.View());
    AddField(*form, "Кол-во подразделений"_ansi, CardBranchCount(record_.DaBCount));
    AddField(*form, "ОКВЭД"_ansi, record_.DaOkved.View());
    AddField(*form, "ОКПО"_ansi, record_.DaOkpo.View());
    AddField(*form, "Руководитель"_ansi, record_.DaDir.View());
    AddField(*form, "Должность"_ansi, record_.DaDol.View());
    sheet_->addTab(page, ToQString(TabCaption(record_.DaLiZo.View())));

    if (lookup::IsMarkedState(record_.state))
        for (const char* label : {"Статус"_ansi, "Ликвидация"_ansi})
            MarkField(*Field(label));

    // Made last, so that it comes last in the tab order.
    copyButton_ = new QPushButton(ToQString(" Копировать реквизиты"_ansi), this);
    copyButton_->setObjectName("copyButton");
    copyButton_->setToolTip(ToQString("Копировать реквизиты в буфер обмена: текст и таблица"_ansi));
    connect(copyButton_, &QPushButton::clicked, this, [this] { CopyRequisites(record_); });

    auto* top = new QHBoxLayout;
    top->addWidget(mapButton_);
    top->addWidget(actuality_, 1);
    top->addWidget(copyButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(sheet_, 1);
    resize(640, sizeHint().height());

    // The tab order is the order of the controls: map button, actuality line, sheet, then the fields.
    setTabOrder(mapButton_, actuality_);
    setTabOrder(actuality_, sheet_);
}

void ExtractCard::AddField(QFormLayout& form, const char* label, std::string_view value) {
    QWidget* previous = form.rowCount() == 0 ? static_cast<QWidget*>(sheet_)
                                             : form.itemAt(form.rowCount() - 1, QFormLayout::FieldRole)->widget();
    QLineEdit* field = ReadOnlyLine(ToQString(value), form.parentWidget());
    field->setObjectName(ToQString(label));
    form.addRow(ToQString(label), field);
    setTabOrder(previous, field);
}

// The entry is gone or going: the field's text in the mark's red.
void ExtractCard::MarkField(QLineEdit& field) {
    QPalette palette = field.palette();
    palette.setColor(QPalette::Text, framework::MarkTextColour(palette.color(QPalette::Base)));
    field.setPalette(palette);
}

QLineEdit* ExtractCard::Field(const char* label) const {
    return sheet_->findChild<QLineEdit*>(ToQString(label));
}

void ExtractCard::ShowMap() {
    // The coordinates are tested again: the button may have been enabled by other means.
    if (!online::HasLocation(record_.DaLat.View(), record_.DaLon.View())) {
        framework::Message message;
        message.caption = "У нас проблема !"_ansi;
        message.text = "Нет данных о месторасположении контрагента !"_ansi;
        framework::ShowMessage(message);
        update();
        return;
    }
    online::StartLocationMap(online::LocationMapCaption(record_.DaName.View()), record_.DaLon.Str(),
                             record_.DaLat.Str());
}

void Form_EGRUL(const lookup::PartyRecord& record, QWidget* parent) {
    framework::ProcedureScope procedure(kProcedure);
    ExtractCard card(record, parent);
    new framework::WindowPlacementKeeper(card, kProcedure);
    card.exec();
}

} // namespace kvilo::extract
