#include "json/record_list.h"

#include "base/blank_text.h"
#include "base/code_page.h"
#include "json/json_node.h"

namespace kvilo::json {

bool RecordList::FindByKey(std::string_view fieldName, std::string_view value) {
    RecordView buffer = Buffer();
    int32_t key = 0;
    for (int32_t i = 1; buffer.HasField(i) && key == 0; ++i)
        if (base::EqualNoCase(buffer.FieldName(i), fieldName)) key = i;
    if (key == 0) return false;
    for (int32_t index = 1; index <= Count(); ++index) {
        if (!Get(index)) break;
        if (base::RightTrim(buffer.Value(key).text()) == base::RightTrim(value)) return true;
    }
    return false;
}

RecordList* ResolveList(uint32_t handle) {
    return static_cast<RecordList*>(ResolveHandle(HandleKind::List, handle));
}

} // namespace kvilo::json
