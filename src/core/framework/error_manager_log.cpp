#include "core/framework/error_manager_log.h"

#include "base/pictures.h"

namespace kvilo::framework {

bool FileErrorLogWriter::Open(const std::string& path, std::string& error) {
    if (file_.Open(path, platform::File::Access::Write, platform::File::Disposition::OpenAlways) && file_.SeekToEnd())
        return true;
    error = platform::SystemErrorText(file_.LastError());
    file_.Close();
    return false;
}

bool FileErrorLogWriter::Append(std::string_view line, std::string& error) {
    std::string withBreak = std::string(line) + "\n";
    if (file_.Write(withBreak.data(), withBreak.size())) return true;
    error = platform::SystemErrorText(file_.LastError());
    return false;
}

bool FileErrorLogWriter::Close(std::string&) {
    file_.Close();
    return true;
}

std::string ErrorLogLine(int32_t day, int32_t time, std::string_view text) {
    return base::FormatPicture(day, "@d17") + "@" + base::FormatPicture(time, "@t8") + " --> " + std::string(text);
}

std::vector<std::string> AppendErrorLog(ErrorLogWriter& writer, const std::string& path, std::string_view line) {
    std::string error;
    if (!writer.Open(path, error)) return {"Unable to Open error log; " + error};
    std::vector<std::string> failures;
    if (!writer.Append(line, error)) failures.push_back("Unable to update error log; " + error);
    if (!writer.Close(error)) failures.push_back("Unable to close error log; " + error);
    return failures;
}

} // namespace kvilo::framework
