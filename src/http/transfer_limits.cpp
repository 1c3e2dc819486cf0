#include "http/transfer_limits.h"

#include "base/cp1251.h"

namespace kvilo::http {

using namespace base::literals;

namespace {

// Whole megabytes read better than a count of bytes; the small sizes of tests stay exact.
std::string SizeText(uint64_t bytes) {
    constexpr uint64_t kMegabyte = 1u << 20;
    if (bytes != 0 && bytes % kMegabyte == 0) return std::to_string(bytes / kMegabyte) + " МБ"_ansi;
    return std::to_string(bytes) + " байт"_ansi;
}

std::string Seconds(long seconds) {
    return std::to_string(seconds) + " с"_ansi;
}

} // namespace

std::string DescribeLimit(TransferLimit limit, const TransferLimits& limits) {
    switch (limit) {
    case TransferLimit::Connect:
        return "Соединение с сервисом не установлено за "_ansi + Seconds(limits.connectSeconds) + ".";
    case TransferLimit::LowSpeed:
        return "Сервис передавал меньше "_ansi + std::to_string(limits.lowSpeedBytesPerSecond) +
               " байт/с в течение "_ansi + Seconds(limits.lowSpeedSeconds) + ".";
    case TransferLimit::Total:
        return "Превышен предел времени запроса "_ansi + Seconds(limits.totalSeconds) + ".";
    case TransferLimit::Size:
        return "Превышен предел размера ответа "_ansi + SizeText(limits.maxBytes) + ".";
    case TransferLimit::None:
        break;
    }
    return {};
}

} // namespace kvilo::http
