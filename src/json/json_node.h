#pragma once
// The JSON tree: one TJsonNode per value, linked like cJSON's (first child, next and previous sibling, a
// type code per node, member names on the members of an object). The operations below create, link, find,
// query and delete nodes. None of them reports anything: missing arguments give nullptr, false or 0.
//
// Ownership: a node owns its texts and, unless it carries kJsonIsReference, its children and everything that
// follows them on the NEXT chain. The creator of a root owns it and releases it with DeleteJson (or holds it
// in a JsonTree). Items handed to the Add... operations belong to the container once the call succeeds.
//
// Text is Windows-1251 (or whatever code page the parser was asked for); comparisons of names ignore
// trailing blanks, and the case-insensitive ones fold Cyrillic 1251 letters as well as ASCII.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string_view>

#include "base/variant.h"
#include "json/json_text.h"

namespace kvilo::json {

using base::Variant;

// Type codes: the low byte of TYPE (cJSON's values), and the reference flag above it.
inline constexpr int32_t kJsonInvalid = 0;
inline constexpr int32_t kJsonFalse = 1;
inline constexpr int32_t kJsonTrue = 2;
inline constexpr int32_t kJsonNull = 4;
inline constexpr int32_t kJsonNumber = 8;
inline constexpr int32_t kJsonString = 16;
inline constexpr int32_t kJsonArray = 32;
inline constexpr int32_t kJsonObject = 64;
inline constexpr int32_t kJsonRaw = 128;
inline constexpr int32_t kJsonIsReference = 256; // CHILD and VALUESTRING are borrowed from another node

class TJsonNode {
public:
    TJsonNode() = default;
    // Releases NAME and VALUESTRING when still set; children are released by DeleteJson, not here.
    ~TJsonNode() = default;
    TJsonNode(const TJsonNode&) = delete;
    TJsonNode& operator=(const TJsonNode&) = delete;

    TJsonNode* NEXT = nullptr;
    TJsonNode* PREV = nullptr;
    TJsonNode* CHILD = nullptr;
    int32_t TYPE = kJsonInvalid;
    TJsonText VALUESTRING; // text of a String or Raw; a parsed Number keeps its text as written
    int32_t VALUEINT = 0;
    double VALUEDOUBLE = 0;
    TJsonText NAME; // member name inside an object

    int32_t Kind() const { return TYPE & 0xFF; }

    // Every parse makes and releases nodes by the hundred thousand: they are cut from slabs
    // (json/node_memory.h) rather than taken from the heap one by one.
    static void* operator new(std::size_t size);
    static void* operator new(std::size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* block, std::size_t size) noexcept;
};

// Releases `node` and every sibling after it on the NEXT chain, with their children. Iterative: neither
// long sibling chains nor deep nesting grow the stack.
void DeleteJson(TJsonNode* node);

struct JsonDeleter {
    void operator()(TJsonNode* node) const noexcept { DeleteJson(node); }
};
// Owner of a root node.
using JsonTree = std::unique_ptr<TJsonNode, JsonDeleter>;

// ---- creation: each returns a new root (nullptr only when memory runs out) ----
TJsonNode* CreateObject();
TJsonNode* CreateArray();
TJsonNode* CreateNull();
// True only for flag 1; every other value (2 included) gives False.
TJsonNode* CreateBool(int32_t flag);
TJsonNode* CreateNumber(double value);
// The text is copied without trailing blanks; a blank text leaves VALUESTRING unset.
TJsonNode* CreateString(std::string_view text);
TJsonNode* CreateRaw(std::string_view text);
// A shallow copy of `node` that borrows its children and text (kJsonIsReference); nullptr for nullptr.
TJsonNode* CreateReference(const TJsonNode* node);
// An array of Numbers; nullptr (and nothing left behind) when a child cannot be made.
TJsonNode* CreateNumberArray(int32_t count, const double* values);

enum class EmptyTextRule { EmptyString, Null, Ignore };
// Reads "null" and "ignore" (any letter case, trailing blanks ignored); anything else is EmptyString.
EmptyTextRule EmptyTextRuleOf(std::string_view text);
// An array of Strings from a table of `count` fixed-width entries of `width` bytes each; a blank entry
// becomes Null, is skipped or becomes an empty String according to `rule`.
TJsonNode* CreateStringArray(int32_t count, int32_t width, const char* table, EmptyTextRule rule);

// Sets VALUEDOUBLE and VALUEINT, which is clamped to the 32-bit range and otherwise truncated toward zero.
void SetNumber(TJsonNode& node, double value);

// ---- linking ----
// Appends `item` after the last child (walks the children). False when either is missing.
bool AddItemToArray(TJsonNode* array, TJsonNode* item);
// Appends `item` as a member named `name` (stored without trailing blanks). False, changing nothing, when
// the object or the item is missing or the name is blank. Duplicate names are appended.
bool AddItemToObject(TJsonNode* object, std::string_view name, TJsonNode* item);
// Create-and-add: the new member, or nullptr (with nothing left behind) when adding fails.
TJsonNode* AddStringToObject(TJsonNode* object, std::string_view name, std::string_view text);
TJsonNode* AddRawToObject(TJsonNode* object, std::string_view name, std::string_view text);
TJsonNode* AddNumberToObject(TJsonNode* object, std::string_view name, double value);
TJsonNode* AddBoolToObject(TJsonNode* object, std::string_view name, int32_t flag);
TJsonNode* AddNullToObject(TJsonNode* object, std::string_view name);
TJsonNode* AddReferenceToObject(TJsonNode* object, std::string_view name, const TJsonNode* node);

// Appends `item` after `last` (the current last child of `container`, or nullptr when it has none) in
// constant time. Builders that keep track of their last child use this instead of AddItemToArray.
void LinkAfter(TJsonNode* container, TJsonNode* last, TJsonNode* item);

// ---- queries ----
// `index` counts from 1; 0, negative or past the end gives nullptr.
TJsonNode* GetArrayItem(const TJsonNode* node, int32_t index);
// The first member named `name`. Every lookup in the program passes caseSensitive = false.
TJsonNode* GetObjectItem(const TJsonNode* node, std::string_view name, bool caseSensitive = false);
// GetObjectItem on the node, else the same search depth first through its children.
TJsonNode* FindItemAnywhere(const TJsonNode* node, std::string_view name, bool caseSensitive = false);
// Object: has a member `key`; Array: `key` is numeric text and that 1-based item exists.
bool HasItem(const TJsonNode* node, std::string_view key, bool caseSensitive = false);
// Number of children; recursive: each child counts one plus its own recursive size.
int32_t GetSize(const TJsonNode* node, bool recursive = false);
// Empty text for Invalid, Object, Array, Null and Raw; the text for String; 0 / 1 for False / True;
// VALUEDOUBLE for Number.
Variant GetValue(const TJsonNode* node);
Variant FindValueAnywhere(const TJsonNode* node, std::string_view name, bool caseSensitive = false);
double GetNumber(const TJsonNode* node);
std::string_view GetString(const TJsonNode* node);

// ---- type tests (the low byte of TYPE; nullptr is none of them) ----
bool IsInvalid(const TJsonNode* node);
bool IsFalse(const TJsonNode* node);
bool IsTrue(const TJsonNode* node);
bool IsBool(const TJsonNode* node);
bool IsNull(const TJsonNode* node);
bool IsNumber(const TJsonNode* node);
bool IsString(const TJsonNode* node);
bool IsArray(const TJsonNode* node);
bool IsObject(const TJsonNode* node);
bool IsRaw(const TJsonNode* node);

} // namespace kvilo::json
