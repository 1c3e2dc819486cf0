#pragma once
// RecordList: an in-memory list of records of one layout with one record buffer, as the mapping engine
// fills it (JsonToList) and reads it (ListToJson). Each list has a 32-bit handle, valid on the thread that
// created the list, which a rules text passes as "instance":
//
//   RecordListOf<SuggestionItem> working;
//   std::string rules = "[{\"name\":\"suggestions\",\"instance\":" + std::to_string(working.Handle()) + "}]";
//   JsonToRecord(root.get(), answer, rules);          // each "suggestions" element becomes one record
//   for (const SuggestionItem& item : working.Records()) ...
//
// Lists are not copyable: the handle names one list.
#include <cstdint>
#include <string_view>
#include <vector>

#include "json/handles.h"
#include "json/record_view.h"

namespace kvilo::json {

class RecordList {
public:
    RecordList() : handle_(RegisterHandle(HandleKind::List, this)) {}
    virtual ~RecordList() { UnregisterHandle(handle_); }
    RecordList(const RecordList&) = delete;
    RecordList& operator=(const RecordList&) = delete;

    uint32_t Handle() const { return handle_; }

    virtual int32_t Count() const = 0;
    // Copies record `index` (from 1) into the buffer; false when there is no such record.
    virtual bool Get(int32_t index) = 0;
    // Appends a copy of the buffer.
    virtual void Add() = 0;
    // Removes every record (the buffer stays as it is).
    virtual void Free() = 0;
    virtual RecordView Buffer() = 0;
    void ClearBuffer() { Buffer().Clear(); }
    // Fills the buffer with the first record whose field `fieldName` holds `value` (trailing blanks aside).
    // False when there is none; the buffer then holds the last record compared.
    bool FindByKey(std::string_view fieldName, std::string_view value);

private:
    uint32_t handle_;
};

// The list with this handle on the calling thread, or nullptr.
RecordList* ResolveList(uint32_t handle);

template <class T> class RecordListOf : public RecordList {
public:
    int32_t Count() const override { return static_cast<int32_t>(records_.size()); }
    bool Get(int32_t index) override {
        if (index < 1 || index > Count()) return false;
        buffer_ = records_[static_cast<size_t>(index - 1)];
        return true;
    }
    void Add() override { records_.push_back(buffer_); }
    void Free() override { records_.clear(); }
    RecordView Buffer() override { return ViewOf(buffer_); }

    T& BufferRecord() { return buffer_; }
    const std::vector<T>& Records() const { return records_; }
    std::vector<T>& Records() { return records_; }

private:
    std::vector<T> records_;
    T buffer_{};
};

} // namespace kvilo::json
