#include "core/listformat/list_format_lifecycle.h"

#include "core/listformat/list_format_stores.h"

namespace kvilo::listformat {
namespace {

ListFormatStores& ProgramStores() {
    static ListFormatStores stores;
    return stores;
}

} // namespace

void SetUpListFormatStores() {
    SetListFormatStores(&ProgramStores());
}

void SetListFormatFile(const std::string& path) {
    ProgramStores().SetFilePath(path);
}

void SaveListFormats() {
    ProgramStores().SaveAll();
}

} // namespace kvilo::listformat
