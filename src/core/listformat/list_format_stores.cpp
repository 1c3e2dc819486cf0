#include "core/listformat/list_format_stores.h"

#include <atomic>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/framework/message_presenter.h"

namespace kvilo::listformat {
namespace {

using namespace base::literals;

std::atomic<ListFormatStores*> installed{nullptr};

void ShowSaveMessage(const char* text) {
    framework::Message message;
    message.caption = "Сообщение"_ansi;
    message.text = text;
    message.icon = framework::MessageIcon::Information;
    framework::ShowMessage(message);
}

} // namespace

BrwSet::ReadResult ListFormatStores::ReadFromFile(const std::string& idBrowse, BrwSetRecord& record) const {
    if (filePath_.empty()) return BrwSet::ReadResult::NotFound;
    return BrwSet(filePath_).Read(idBrowse, record);
}

std::optional<BrwSetRecord> ListFormatStores::LoadUsable(const std::string& idBrowse,
                                                         std::string_view designedFormat) const {
    BrwSetRecord record;
    if (ReadFromFile(idBrowse, record) != BrwSet::ReadResult::Found) return std::nullopt;
    const std::string_view current = base::RightTrim(record.curFormat);
    if (current.empty() || current.size() > kMaxStoredFormatLength) return std::nullopt;
    if (base::RightTrim(record.defFormat) != base::RightTrim(designedFormat)) return std::nullopt;
    return record;
}

void ListFormatStores::SaveAll() {
    if (memory_.Empty()) return;
    if (!filePath_.empty()) {
        BrwSet file(filePath_);
        file.SetSaveBusyTimeout(saveBusyTimeout_);
        switch (file.Save(memory_.Entries())) {
        case BrwSet::SaveResult::Saved:
            break;
        case BrwSet::SaveResult::NoAccess:
            ShowSaveMessage("Нет доступа для записи настроек форматов списков !"_ansi);
            break;
        case BrwSet::SaveResult::Failed:
            ShowSaveMessage("Не удалось записать настройки форматов списков !"_ansi);
            break;
        }
    }
    memory_.Clear();
}

ListFormatStores& CurrentListFormatStores() {
    static ListFormatStores withoutFile;
    ListFormatStores* stores = installed.load();
    return stores ? *stores : withoutFile;
}

ListFormatStores* SetListFormatStores(ListFormatStores* stores) {
    return installed.exchange(stores);
}

} // namespace kvilo::listformat
