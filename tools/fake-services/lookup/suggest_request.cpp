#include "suggest_request.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <charconv>
#include <climits>
#include <memory>

namespace kvilo::fake {

namespace {

template <auto Fn> struct XmlDeleter {
    template <class T> void operator()(T* p) const noexcept { Fn(p); }
};
using XmlDocument = std::unique_ptr<xmlDoc, XmlDeleter<&xmlFreeDoc>>;

std::string_view Trim(std::string_view text) {
    size_t b = text.find_first_not_of(" \t\r\n");
    if (b == std::string_view::npos) return {};
    return text.substr(b, text.find_last_not_of(" \t\r\n") - b + 1);
}

bool Named(const xmlNode* node, const char* name) {
    return node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

// The first child element of that name; none when missing.
const xmlNode* Child(const xmlNode* parent, const char* name) {
    for (const xmlNode* node = parent->children; node != nullptr; node = node->next)
        if (Named(node, name)) return node;
    return nullptr;
}

// The element's text with the entities and character references replaced, as the service reads it.
std::string Text(const xmlNode* element) {
    xmlChar* content = xmlNodeGetContent(element);
    std::string text = content != nullptr ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

int ParseCount(std::string_view text) {
    text = Trim(text);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0) return kDefaultCount;
    return value > kMaxCount ? kMaxCount : value;
}

// A real XML parser, as the service has: anything that is not well-formed is refused. It never fetches
// anything from the network, and the library's own limits stop entity expansion bombs.
XmlDocument ReadDocument(std::string_view body) {
    static const bool initialised = (xmlInitParser(), true); // before the first parse on any worker thread
    (void)initialised;
    if (body.size() > INT_MAX) return nullptr;
    constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    return XmlDocument(xmlReadMemory(body.data(), static_cast<int>(body.size()), "request.xml", "UTF-8", kOptions));
}

} // namespace

bool ParseSuggestXml(std::string_view body, SuggestRequest& request) {
    request = SuggestRequest{};
    const XmlDocument document = ReadDocument(body);
    const xmlNode* root = document ? xmlDocGetRootElement(document.get()) : nullptr;
    const xmlNode* query = root != nullptr ? Child(root, "query") : nullptr;
    if (query == nullptr) return false;
    request.query = Text(query);
    if (const xmlNode* count = Child(root, "count")) request.count = ParseCount(Text(count));
    if (const xmlNode* type = Child(root, "type")) request.type = std::string(Trim(Text(type)));
    for (const xmlNode* node = root->children; node != nullptr; node = node->next) {
        if (!Named(node, "locations")) continue;
        if (const xmlNode* kladr = Child(node, "kladr_id")) request.kladrIds.emplace_back(Trim(Text(kladr)));
    }
    return true;
}

} // namespace kvilo::fake
