#pragma once
// Record layouts: what the mapping engine knows about a C++ record type. Declare one per type, right after
// the struct and in the same namespace, naming each member once:
//
//   struct SuggestionState {
//       json::FixedText<20> STATUS;
//       json::FixedText<20> ACTUALITY_DATE;
//   };
//   KVILO_RECORD(SuggestionState, STATUS, ACTUALITY_DATE)
//
//   struct Party {
//       json::ZText<19> inn;
//       json::FixedText<255> NAME;
//       int32_t BRANCHES = 0;
//       json::Date REGISTERED;
//       std::array<double, 2> GEO{};           // an array of scalars: two elements
//       SuggestionState STATE;                 // a nested group (it has a layout of its own)
//       std::array<SuggestionState, 3> HISTORY;  // an array of groups
//       json::ListHandle ITEMS = 0;            // a list that a rule's "instance" names
//       json::FixedText<10> D1;
//   };
//   KVILO_RECORD(Party,
//       (inn, "PRE:inn"),                      // declared name with a prefix: matches JSON "inn" / "Inn"
//       NAME, BRANCHES, REGISTERED, GEO, STATE, HISTORY, ITEMS,
//       (D1, "D1", "ЕГРЮЛ"_ansi))              // known by an external name (1251), JSON member "ЕГРЮЛ"
//
// A plain entry uses the member's identifier as the field name. A parenthesised entry gives the member, the
// field name as declared (a prefix up to ":" is dropped when names are matched) and, optionally, an external
// name by which the field is known instead. Field names match JSON member names without regard to case.
//
// Member types: FixedText<N>, ZText<N>, Date, int8_t, uint8_t, int16_t, uint16_t, int32_t, uint32_t (and
// ListHandle), double, std::string_view (a reference to text held elsewhere: written to JSON, never read
// into), std::array<char, N> (a fixed text), another record type with its own KVILO_RECORD (a group), and
// std::array<E, N> of any of these (an array field). Records must be default-constructible and
// copy-assignable; "clearing" a record assigns a default-constructed one, so give numbers initialisers.
//
// The engine sees a record through RecordView (record_view.h), which enumerates the fields flat: a group is
// one field, immediately followed by its own members.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

#include "json/record_types.h"

namespace kvilo::json {

enum class FieldKind { FixedText, ZText, TextRef, Int8, UInt8, Int16, UInt16, Int32, UInt32, Real, Date, Group };

class RecordLayout;

struct FieldInfo {
    std::string_view name;         // as declared, e.g. "PRE:inn"
    std::string_view externalName; // empty when the field has none
    FieldKind kind = FieldKind::Int32;
    uint32_t width = 0;                       // bytes of a text (FixedText, ZText)
    uint32_t count = 1;                       // elements: 1 for a scalar or a single group
    size_t stride = 0;                        // bytes from one element to the next
    void* (*address)(void* record) = nullptr; // the member (its first element) inside `record`
    const RecordLayout& (*group)() = nullptr; // the element layout of a group
    // A layout made at run time has no functions: the member lies `offset` bytes into the record and a
    // group's element layout is `groupLayout`.
    size_t offset = 0;
    const RecordLayout* groupLayout = nullptr;

    // The name the field is known by: the external name when declared.
    std::string_view KnownName() const { return externalName.empty() ? name : externalName; }
    void* AddressIn(void* record) const {
        return address != nullptr ? address(record) : static_cast<char*>(record) + offset;
    }
    const RecordLayout& GroupLayout() const { return group != nullptr ? group() : *groupLayout; }
    bool IsText() const {
        return kind == FieldKind::FixedText || kind == FieldKind::ZText || kind == FieldKind::TextRef;
    }
};

class RecordLayout {
public:
    // One entry of the flat enumeration (index 1 is entry 0).
    struct FlatField {
        const FieldInfo* info;
        int32_t parent;     // flat index of the enclosing group, 0 at the top
        int32_t lastMember; // for a group, the flat index of its last member; otherwise its own index
    };

    RecordLayout(std::string_view typeName, void (*clear)(void*), std::initializer_list<FieldInfo> fields);
    // A layout made at run time (fields with offsets, see FieldInfo); clearing then walks the fields. The
    // names and group layouts the fields refer to must outlive the layout.
    RecordLayout(std::string_view typeName, std::vector<FieldInfo> fields);
    RecordLayout(const RecordLayout&) = delete;
    RecordLayout& operator=(const RecordLayout&) = delete;

    std::string_view TypeName() const { return typeName_; }
    // A number no other layout of the process ever has, not even one made later at the same address.
    uint64_t Id() const { return id_; }
    const std::vector<FieldInfo>& Fields() const { return fields_; }
    const std::vector<FlatField>& Flat() const { return flat_; }
    void Clear(void* record) const;

private:
    void Flatten(const RecordLayout& layout, int32_t parent);

    std::string_view typeName_;
    uint64_t id_;
    void (*clear_)(void*);
    std::vector<FieldInfo> fields_;
    std::vector<FlatField> flat_;
};

namespace detail {

template <class T> struct MemberPointer;
template <class C, class M> struct MemberPointer<M C::*> {
    using Class = C;
    using Member = M;
};

template <class T>
concept HasLayout = requires {
    KviloRecordLayout(static_cast<const T*>(nullptr));
};

// An array field: std::array of anything but char (std::array<char, N> is a fixed text).
template <class T> struct ArrayField : std::false_type {};
template <class E, size_t N> struct ArrayField<std::array<E, N>> : std::bool_constant<!std::is_same_v<E, char>> {
    using Element = E;
    static constexpr uint32_t count = N;
};

// Kind, width and group layout of one element type.
template <class E> constexpr FieldKind KindOf() {
    if constexpr (std::is_same_v<E, int8_t> || std::is_same_v<E, char>)
        return FieldKind::Int8;
    else if constexpr (std::is_same_v<E, uint8_t>)
        return FieldKind::UInt8;
    else if constexpr (std::is_same_v<E, int16_t>)
        return FieldKind::Int16;
    else if constexpr (std::is_same_v<E, uint16_t>)
        return FieldKind::UInt16;
    else if constexpr (std::is_same_v<E, int32_t>)
        return FieldKind::Int32;
    else if constexpr (std::is_same_v<E, uint32_t>)
        return FieldKind::UInt32;
    else if constexpr (std::is_same_v<E, double>)
        return FieldKind::Real;
    else if constexpr (std::is_same_v<E, Date>)
        return FieldKind::Date;
    else if constexpr (std::is_same_v<E, std::string_view>)
        return FieldKind::TextRef;
    else if constexpr (HasLayout<E>)
        return FieldKind::Group;
    else
        static_assert(HasLayout<E>, "this member type has no field kind: declare it with KVILO_RECORD");
}

template <class E> struct ElementTraits {
    static constexpr FieldKind kind = KindOf<E>();
    static constexpr uint32_t width = 0;
};
template <size_t N> struct ElementTraits<FixedText<N>> {
    static constexpr FieldKind kind = FieldKind::FixedText;
    static constexpr uint32_t width = N;
};
template <size_t N> struct ElementTraits<std::array<char, N>> {
    static constexpr FieldKind kind = FieldKind::FixedText;
    static constexpr uint32_t width = N;
};
template <size_t N> struct ElementTraits<ZText<N>> {
    static constexpr FieldKind kind = FieldKind::ZText;
    static constexpr uint32_t width = N;
};

template <class E> const RecordLayout& GroupLayout() {
    return KviloRecordLayout(static_cast<const E*>(nullptr));
}

template <auto Member> void* MemberAddress(void* record) {
    using Class = typename MemberPointer<decltype(Member)>::Class;
    return &(static_cast<Class*>(record)->*Member);
}

template <class E> FieldInfo ElementInfo(uint32_t count) {
    FieldInfo info;
    info.kind = ElementTraits<E>::kind;
    info.width = ElementTraits<E>::width;
    info.count = count;
    info.stride = sizeof(E);
    if constexpr (ElementTraits<E>::kind == FieldKind::Group) info.group = &GroupLayout<E>;
    return info;
}

template <class M> FieldInfo MemberInfo() {
    if constexpr (ArrayField<M>::value)
        return ElementInfo<typename ArrayField<M>::Element>(ArrayField<M>::count);
    else
        return ElementInfo<M>(1);
}

template <auto Member> FieldInfo MakeField(std::string_view name, std::string_view externalName = {}) {
    FieldInfo info = MemberInfo<typename MemberPointer<decltype(Member)>::Member>();
    info.name = name;
    info.externalName = externalName;
    info.address = &MemberAddress<Member>;
    return info;
}

template <class T> void ClearRecord(void* record) {
    *static_cast<T*>(record) = T{};
}

} // namespace detail

// The layout of a record type declared with KVILO_RECORD.
template <class T> const RecordLayout& LayoutOf() {
    return KviloRecordLayout(static_cast<const T*>(nullptr));
}

} // namespace kvilo::json

// ---- the declaration macro and its preprocessor helpers ----

// Applies `macro` to each argument, separated by commas (up to 256 arguments).
#define KVILO_DETAIL_PARENS ()
#define KVILO_DETAIL_EXPAND(...)                                                                                       \
    KVILO_DETAIL_EXPAND3(KVILO_DETAIL_EXPAND3(KVILO_DETAIL_EXPAND3(KVILO_DETAIL_EXPAND3(__VA_ARGS__))))
#define KVILO_DETAIL_EXPAND3(...)                                                                                      \
    KVILO_DETAIL_EXPAND2(KVILO_DETAIL_EXPAND2(KVILO_DETAIL_EXPAND2(KVILO_DETAIL_EXPAND2(__VA_ARGS__))))
#define KVILO_DETAIL_EXPAND2(...)                                                                                      \
    KVILO_DETAIL_EXPAND1(KVILO_DETAIL_EXPAND1(KVILO_DETAIL_EXPAND1(KVILO_DETAIL_EXPAND1(__VA_ARGS__))))
#define KVILO_DETAIL_EXPAND1(...) __VA_ARGS__
#define KVILO_DETAIL_FOR_EACH(macro, ...)                                                                              \
    __VA_OPT__(KVILO_DETAIL_EXPAND(KVILO_DETAIL_FOR_EACH_STEP(macro, __VA_ARGS__)))
#define KVILO_DETAIL_FOR_EACH_STEP(macro, first, ...)                                                                  \
    macro(first) __VA_OPT__(, KVILO_DETAIL_FOR_EACH_AGAIN KVILO_DETAIL_PARENS(macro, __VA_ARGS__))
#define KVILO_DETAIL_FOR_EACH_AGAIN() KVILO_DETAIL_FOR_EACH_STEP

// 1 when the argument is parenthesised, else 0.
#define KVILO_DETAIL_IS_PAREN(x) KVILO_DETAIL_IS_PAREN_CHECK(KVILO_DETAIL_IS_PAREN_PROBE x)
#define KVILO_DETAIL_IS_PAREN_PROBE(...) ~, 1
#define KVILO_DETAIL_IS_PAREN_CHECK(...) KVILO_DETAIL_IS_PAREN_SECOND(__VA_ARGS__, 0, ~)
#define KVILO_DETAIL_IS_PAREN_SECOND(a, b, ...) b
#define KVILO_DETAIL_CAT(a, b) KVILO_DETAIL_CAT_(a, b)
#define KVILO_DETAIL_CAT_(a, b) a##b

#define KVILO_DETAIL_FIELD(entry) KVILO_DETAIL_CAT(KVILO_DETAIL_FIELD_, KVILO_DETAIL_IS_PAREN(entry))(entry)
#define KVILO_DETAIL_FIELD_0(member) ::kvilo::json::detail::MakeField<&KviloSelf::member>(#member)
#define KVILO_DETAIL_FIELD_1(entry) KVILO_DETAIL_FIELD_NAMED entry
#define KVILO_DETAIL_FIELD_NAMED(member, ...) ::kvilo::json::detail::MakeField<&KviloSelf::member>(__VA_ARGS__)

// Declares the layout of record type `Type` (use at namespace scope, in the namespace of `Type`).
#define KVILO_RECORD(Type, ...)                                                                                        \
    [[maybe_unused]] inline const ::kvilo::json::RecordLayout& KviloRecordLayout(const Type*) {                        \
        using KviloSelf = Type;                                                                                        \
        static const ::kvilo::json::RecordLayout layout(#Type, &::kvilo::json::detail::ClearRecord<Type>,              \
                                                        {KVILO_DETAIL_FOR_EACH(KVILO_DETAIL_FIELD, __VA_ARGS__)});     \
        return layout;                                                                                                 \
    }
