// Random edits of the designed format: whatever the edit, the model either rejects the text and keeps what
// it had, or accepts it and then writes a canonical text that parses back to the same model. Run under the
// sanitizer build this also shows that no edit reads out of bounds or overflows a number.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/listformat/list_format.h"
#include "designed_format.h"

namespace kvilo::listformat {
namespace {

using kvilo::testing::kDesignedFormat;

// Bytes that matter to the grammar, plus digits and a few that do not.
const std::string kAlphabet = "0123456789LRCD()[]~@|_FM#EHT,-x \xC0\xFF";

class Mutator {
public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    std::string mutate(std::string text) {
        const int edits = 1 + below(4);
        for (int i = 0; i < edits && !text.empty(); ++i)
            edit(text);
        return text;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    std::size_t position(const std::string& text) { return static_cast<std::size_t>(below(int(text.size()) + 1)); }
    char anyByte() { return below(4) == 0 ? char(below(256)) : kAlphabet[below(int(kAlphabet.size()))]; }

    void edit(std::string& text) {
        const std::size_t at = position(text);
        switch (below(6)) {
        case 0:
            text.erase(at, 1 + below(8));
            break; // delete a run
        case 1:
            text.insert(at, 1, anyByte());
            break; // insert a byte
        case 2:
            if (at < text.size()) text[at] = anyByte();
            break; // replace a byte
        case 3:
            text.resize(at);
            break; // truncate
        case 4:
            text.insert(at, text.substr(position(text), below(30)));
            break; // duplicate a slice
        default:
            text.insert(at, std::string(1 + below(25), '9'));
            break; // make a number huge
        }
    }

    std::mt19937 random_;
};

TEST(ListFormatFuzz, RandomEditsOfTheDesignedFormatAreRejectedOrCanonical) {
    Mutator mutator(20240316);
    int accepted = 0;
    int rejected = 0;
    for (int round = 0; round < 30000; ++round) {
        const std::string text = mutator.mutate(kDesignedFormat);
        ListFormat f(kDesignedFormat);
        if (!f.setText(text)) {
            ++rejected;
            ASSERT_EQ(f.text(), kDesignedFormat) << "a rejected text changed the model: " << text;
            continue;
        }
        ++accepted;
        const std::string canonical = f.text();
        ListFormat again;
        ASSERT_TRUE(again.setText(canonical)) << text;
        ASSERT_EQ(again, f) << text;
        ASSERT_EQ(again.text(), canonical) << text;
        for (int c = 1; c <= f.columnCount(); ++c) {
            ASSERT_LE(f.width(c), kMaxColumnWidth);
            ASSERT_GE(f.fieldNumber(c), 1);
        }
    }
    // Both outcomes must really occur, or the edits are not exercising the parser.
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(rejected, 10000);
}

TEST(ListFormatFuzz, EveryTruncationIsRejectedUnlessItEndsAnItem) {
    const ListFormat designed(kDesignedFormat);
    int accepted = 0;
    for (std::size_t n = 0; n < kDesignedFormat.size(); ++n) {
        ListFormat f;
        if (!f.setText(kDesignedFormat.substr(0, n))) continue;
        ++accepted;
        // An accepted prefix is the designed format cut after a complete column or group.
        ASSERT_EQ(f.text(), kDesignedFormat.substr(0, n));
        ASSERT_LE(f.columnCount(), designed.columnCount());
    }
    EXPECT_GE(accepted, 12);
}

TEST(ListFormatFuzz, EveryItemTextParsesAsOneItem) {
    const ListFormat designed(kDesignedFormat);
    for (int c = 1; c <= designed.columnCount(); ++c) {
        const ListFormat item(designed.itemText(c));
        ASSERT_EQ(item.itemCount(), 1) << c;
        ASSERT_EQ(item.items()[0], *designed.itemOf(c)) << c;
    }
}

} // namespace
} // namespace kvilo::listformat
