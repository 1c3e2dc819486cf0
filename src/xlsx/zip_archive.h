#pragma once
// Reading members of a zip package held in memory (an .xlsx workbook is one), bounded against hostile
// input: every offset is checked, and no member is inflated beyond the size the caller allows, whatever
// its header claims (a small file cannot unpack into gigabytes).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::xlsx {

class ZipArchive {
public:
    // False when `bytes` hold no readable central directory. The archive keeps a view: `bytes` must outlive it.
    bool Open(std::string_view bytes);

    // The member's data, inflated; false when it is missing, damaged, stored in a way other than stored or
    // deflated, or larger than `maxBytes`.
    bool Read(std::string_view name, size_t maxBytes, std::string& out) const;

private:
    struct Member {
        std::string name;
        uint16_t method = 0;
        uint32_t compressedSize = 0;
        uint32_t localOffset = 0;
    };

    std::string_view bytes_;
    std::vector<Member> members_;
};

} // namespace kvilo::xlsx
