// libFuzzer target for the format-text parser: any input is either rejected, leaving the model as it was,
// or accepted and then written as a canonical text that parses back to the same model.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/listformat/list_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using kvilo::listformat::ListFormat;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ListFormat format("10L~A~");
    const ListFormat before = format;
    if (!format.setText(text)) {
        if (!(format == before)) __builtin_trap();
        return 0;
    }
    const std::string canonical = format.text();
    ListFormat again;
    if (!again.setText(canonical) || !(again == format) || again.text() != canonical) __builtin_trap();
    for (int c = 1; c <= format.columnCount(); ++c) {
        ListFormat item;
        if (!item.setText(format.itemText(c)) || item.itemCount() != 1 || !(item.items()[0] == *format.itemOf(c)))
            __builtin_trap();
    }
    return 0;
}
