#include "core/batch/batch_file.h"

#include "base/cp1251.h"
#include "platform/file.h"

namespace kvilo::batch {

using namespace base::literals;

bool ReadBatchFile(const std::string& path, std::vector<BatchLine>& lines, std::string& error) {
    platform::File file;
    if (!file.Open(path, platform::File::Access::Read, platform::File::Disposition::OpenExisting)) {
        error = "Не удалось открыть файл: "_ansi + path;
        return false;
    }
    const int64_t size = file.Size();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxListBytes) {
        error = "Файл слишком велик для списка кодов: "_ansi + path;
        return false;
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    size_t total = 0;
    for (size_t read = 1; total < bytes.size() && read > 0; total += read) {
        if (!file.Read(bytes.data() + total, bytes.size() - total, read)) {
            error = "Не удалось прочитать файл: "_ansi + path;
            return false;
        }
    }
    bytes.resize(total);
    // A zip package (an .xlsx workbook) read as text would give nothing but noise.
    if (bytes.starts_with("PK\x03\x04")) {
        error = "Книги Excel не читаются: сохраните список как текст или CSV: "_ansi + path;
        return false;
    }
    lines = ToBatchLines(ReadTextCells(bytes));
    return true;
}

} // namespace kvilo::batch
