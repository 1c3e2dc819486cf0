#pragma once
// Text to stand between two tags of XML or HTML: the reader gets exactly the text, and no text can add
// elements of its own.
#include <string>
#include <string_view>

namespace kvilo::base {

// "&", "<", ">" and '"' become entity references; control characters, which XML cannot carry even as
// references, become blanks. With `apostrophe`, "'" becomes "&apos;" too: XML knows that name, while
// HTML 4 readers (word processors pasting HTML from the clipboard) show it as written.
std::string EscapeMarkup(std::string_view text, bool apostrophe);

} // namespace kvilo::base
