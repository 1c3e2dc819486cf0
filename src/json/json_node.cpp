#include "json/json_node.h"

#include <new>
#include <utility>
#include <vector>

#include "base/blank_text.h"
#include "base/code_page.h"
#include "json/node_memory.h"

namespace kvilo::json {

namespace {

TJsonNode* NewNode(int32_t type) {
    auto* node = new (std::nothrow) TJsonNode;
    if (node != nullptr) node->TYPE = type;
    return node;
}

bool NamesEqual(std::string_view a, std::string_view b, bool caseSensitive) {
    if (caseSensitive) return base::RightTrim(a) == base::RightTrim(b);
    return base::EqualNoCase(a, b);
}

// The last child of a container, or nullptr.
TJsonNode* LastChild(const TJsonNode* container) {
    TJsonNode* child = container->CHILD;
    while (child != nullptr && child->NEXT != nullptr)
        child = child->NEXT;
    return child;
}

TJsonNode* CreateTextNode(int32_t type, std::string_view text) {
    TJsonNode* node = NewNode(type);
    if (node == nullptr) return nullptr;
    const std::string_view trimmed = base::RightTrim(text);
    if (!trimmed.empty()) node->VALUESTRING.Assign(trimmed);
    return node;
}

// Adds `item` or, when that fails, deletes it: the typed add operations never leave an orphan.
TJsonNode* AddOrDelete(TJsonNode* object, std::string_view name, TJsonNode* item) {
    if (AddItemToObject(object, name, item)) return item;
    DeleteJson(item);
    return nullptr;
}

} // namespace

void* TJsonNode::operator new(std::size_t size) {
    if (void* block = operator new(size, std::nothrow)) return block;
    throw std::bad_alloc();
}

void* TJsonNode::operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return AllocateNodeMemory(size);
}

void TJsonNode::operator delete(void* block, std::size_t size) noexcept {
    ReleaseNodeMemory(block, size);
}

void DeleteJson(TJsonNode* node) {
    // Depth first without recursion: the siblings still to be released wait on a heap stack, one entry per
    // level of nesting, so neither long sibling chains nor deep nesting grow the call stack.
    std::vector<TJsonNode*> pending;
    while (node != nullptr || !pending.empty()) {
        if (node == nullptr) {
            node = pending.back();
            pending.pop_back();
            continue;
        }
        TJsonNode* next = node->NEXT;
        if ((node->TYPE & kJsonIsReference) != 0) {
            node->VALUESTRING.Forget();
        } else if (node->CHILD != nullptr) {
            if (next != nullptr) pending.push_back(next);
            next = node->CHILD;
        }
        delete node;
        node = next;
    }
}

TJsonNode* CreateObject() {
    return NewNode(kJsonObject);
}
TJsonNode* CreateArray() {
    return NewNode(kJsonArray);
}
TJsonNode* CreateNull() {
    return NewNode(kJsonNull);
}

TJsonNode* CreateBool(int32_t flag) {
    TJsonNode* node = NewNode(flag == 1 ? kJsonTrue : kJsonFalse);
    if (node != nullptr) node->VALUEINT = flag == 1 ? 1 : 0;
    return node;
}

void SetNumber(TJsonNode& node, double value) {
    node.VALUEDOUBLE = value;
    if (value >= 2147483647.0)
        node.VALUEINT = INT32_MAX;
    else if (value <= -2147483648.0)
        node.VALUEINT = INT32_MIN;
    else if (value == value)
        node.VALUEINT = static_cast<int32_t>(value);
    else
        node.VALUEINT = 0; // NaN has no integer value; converting it would be undefined
}

TJsonNode* CreateNumber(double value) {
    TJsonNode* node = NewNode(kJsonNumber);
    if (node != nullptr) SetNumber(*node, value);
    return node;
}

TJsonNode* CreateString(std::string_view text) {
    return CreateTextNode(kJsonString, text);
}
TJsonNode* CreateRaw(std::string_view text) {
    return CreateTextNode(kJsonRaw, text);
}

TJsonNode* CreateReference(const TJsonNode* node) {
    if (node == nullptr) return nullptr;
    TJsonNode* reference = NewNode(node->TYPE | kJsonIsReference);
    if (reference == nullptr) return nullptr;
    reference->CHILD = node->CHILD;
    reference->VALUESTRING.BorrowFrom(node->VALUESTRING);
    reference->VALUEINT = node->VALUEINT;
    reference->VALUEDOUBLE = node->VALUEDOUBLE;
    return reference;
}

TJsonNode* CreateNumberArray(int32_t count, const double* values) {
    if (count < 0 || (count > 0 && values == nullptr)) return nullptr;
    TJsonNode* array = CreateArray();
    TJsonNode* last = nullptr;
    for (int32_t i = 0; array != nullptr && i < count; ++i) {
        TJsonNode* number = CreateNumber(values[i]);
        if (number == nullptr) {
            DeleteJson(array);
            return nullptr;
        }
        LinkAfter(array, last, number);
        last = number;
    }
    return array;
}

EmptyTextRule EmptyTextRuleOf(std::string_view text) {
    if (base::EqualNoCase(text, "null")) return EmptyTextRule::Null;
    if (base::EqualNoCase(text, "ignore")) return EmptyTextRule::Ignore;
    return EmptyTextRule::EmptyString;
}

TJsonNode* CreateStringArray(int32_t count, int32_t width, const char* table, EmptyTextRule rule) {
    if (count < 0 || width < 0 || (count > 0 && width > 0 && table == nullptr)) return nullptr;
    TJsonNode* array = CreateArray();
    TJsonNode* last = nullptr;
    for (int32_t i = 0; array != nullptr && i < count; ++i) {
        const std::string_view entry =
            width == 0 ? std::string_view{} : std::string_view(table + static_cast<size_t>(i) * width, width);
        const bool blank = base::RightTrim(entry).empty();
        if (blank && rule == EmptyTextRule::Ignore) continue;
        TJsonNode* item = blank && rule == EmptyTextRule::Null ? CreateNull() : CreateString(entry);
        if (item == nullptr) {
            DeleteJson(array);
            return nullptr;
        }
        LinkAfter(array, last, item);
        last = item;
    }
    return array;
}

void LinkAfter(TJsonNode* container, TJsonNode* last, TJsonNode* item) {
    if (last == nullptr) {
        container->CHILD = item;
        item->PREV = nullptr;
    } else {
        last->NEXT = item;
        item->PREV = last;
    }
}

bool AddItemToArray(TJsonNode* array, TJsonNode* item) {
    if (array == nullptr || item == nullptr || array == item) return false;
    LinkAfter(array, LastChild(array), item);
    return true;
}

bool AddItemToObject(TJsonNode* object, std::string_view name, TJsonNode* item) {
    if (object == nullptr || item == nullptr || object == item) return false;
    const std::string_view trimmed = base::RightTrim(name);
    if (trimmed.empty()) return false;
    TJsonText copy; // made before the old name goes, as the old name may be what `name` points to
    if (!copy.Assign(trimmed)) return false;
    item->NAME.MoveFrom(copy);
    item->TYPE &= 0xFF | kJsonIsReference;
    return AddItemToArray(object, item);
}

TJsonNode* AddStringToObject(TJsonNode* object, std::string_view name, std::string_view text) {
    return AddOrDelete(object, name, CreateString(text));
}
TJsonNode* AddRawToObject(TJsonNode* object, std::string_view name, std::string_view text) {
    return AddOrDelete(object, name, CreateRaw(text));
}
TJsonNode* AddNumberToObject(TJsonNode* object, std::string_view name, double value) {
    return AddOrDelete(object, name, CreateNumber(value));
}
TJsonNode* AddBoolToObject(TJsonNode* object, std::string_view name, int32_t flag) {
    return AddOrDelete(object, name, CreateBool(flag));
}
TJsonNode* AddNullToObject(TJsonNode* object, std::string_view name) {
    return AddOrDelete(object, name, CreateNull());
}
TJsonNode* AddReferenceToObject(TJsonNode* object, std::string_view name, const TJsonNode* node) {
    return AddOrDelete(object, name, CreateReference(node));
}

TJsonNode* GetArrayItem(const TJsonNode* node, int32_t index) {
    if (node == nullptr || index < 1) return nullptr;
    TJsonNode* child = node->CHILD;
    for (int32_t i = 1; child != nullptr && i < index; ++i)
        child = child->NEXT;
    return child;
}

TJsonNode* GetObjectItem(const TJsonNode* node, std::string_view name, bool caseSensitive) {
    if (node == nullptr) return nullptr;
    for (TJsonNode* child = node->CHILD; child != nullptr; child = child->NEXT)
        if (NamesEqual(child->NAME.View(), name, caseSensitive)) return child;
    return nullptr;
}

TJsonNode* FindItemAnywhere(const TJsonNode* node, std::string_view name, bool caseSensitive) {
    if (node == nullptr) return nullptr;
    if (TJsonNode* hit = GetObjectItem(node, name, caseSensitive)) return hit;
    for (TJsonNode* child = node->CHILD; child != nullptr; child = child->NEXT)
        if (TJsonNode* hit = FindItemAnywhere(child, name, caseSensitive)) return hit;
    return nullptr;
}

bool HasItem(const TJsonNode* node, std::string_view key, bool caseSensitive) {
    if (IsObject(node)) return GetObjectItem(node, key, caseSensitive) != nullptr;
    if (IsArray(node) && base::IsNumericText(key)) {
        const double index = base::NumericValue(key);
        if (index < 1 || index > INT32_MAX) return false;
        return GetArrayItem(node, static_cast<int32_t>(index)) != nullptr;
    }
    return false;
}

int32_t GetSize(const TJsonNode* node, bool recursive) {
    if (node == nullptr) return 0;
    int32_t size = 0;
    for (const TJsonNode* child = node->CHILD; child != nullptr; child = child->NEXT)
        size += recursive ? 1 + GetSize(child, true) : 1;
    return size;
}

Variant GetValue(const TJsonNode* node) {
    switch (node == nullptr ? kJsonInvalid : node->Kind()) {
    case kJsonString:
        return Variant(node->VALUESTRING.View());
    case kJsonFalse:
        return Variant(0);
    case kJsonTrue:
        return Variant(1);
    case kJsonNumber:
        return Variant(node->VALUEDOUBLE);
    default:
        return Variant(std::string_view{});
    }
}

Variant FindValueAnywhere(const TJsonNode* node, std::string_view name, bool caseSensitive) {
    return GetValue(FindItemAnywhere(node, name, caseSensitive));
}

double GetNumber(const TJsonNode* node) {
    return node == nullptr ? 0 : node->VALUEDOUBLE;
}
std::string_view GetString(const TJsonNode* node) {
    return node == nullptr ? std::string_view{} : node->VALUESTRING.View();
}

bool IsInvalid(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonInvalid;
}
bool IsFalse(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonFalse;
}
bool IsTrue(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonTrue;
}
bool IsBool(const TJsonNode* node) {
    return node != nullptr && (node->Kind() & 3) != 0;
}
bool IsNull(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonNull;
}
bool IsNumber(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonNumber;
}
bool IsString(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonString;
}
bool IsArray(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonArray;
}
bool IsObject(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonObject;
}
bool IsRaw(const TJsonNode* node) {
    return node != nullptr && node->Kind() == kJsonRaw;
}

} // namespace kvilo::json
