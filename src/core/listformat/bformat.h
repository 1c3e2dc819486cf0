#pragma once
// BFormat (prefix BFO): the column table of the list being edited in the list settings dialog, one entry
// per column. Each thread has its own contents: the table is filled when the dialog opens and emptied when
// it closes. Keys: by COLNUMBER ("По номеру") and by COUNT ("BFO:ByCount"), the latter admitting equal
// values, which keep their insertion order.
#include <string>
#include <vector>

namespace kvilo::listformat {

struct BFormatEntry {
    int colNumber = 0;       // COLNUMBER: column number in the list, from 1
    int count = 0;           // COUNT: COLNUMBER x 100 at rest; other values only during a move
    std::string colName;     // COLNAME: the name shown for the column (text 40)
    int colWidth = 0;        // COLWIDTH: 0-600, 0 = hidden
    bool colResize = false;  // COLRESIZE
    int savWidth = 0;        // SAVWIDTH: the width when the dialog opened
    std::string groupName;   // GROUPNAME: header text of the column's group (text 40)
    long bsColor = -1;       // BSCOLOR: selected background
    long bColor = -1;        // BCOLOR: background
    std::string colFormat;   // COLFORMAT: not used by the list-format operations
    int fieldNo = 0;         // FIELDNO: not used by the list-format operations
    int groupNo = 0;         // GROUPNO: number of the format item that holds the column
    std::string groupFormat; // GROUPFORMAT: format text of that item
    int groupCount = 0;      // GROUPCOUNT: columns of the group this column heads; 0 or less = heads none
    bool colFixed = false;   // COLFIXED
    long hColor = -1;        // HCOLOR: header text colour
    long tsColor = -1;       // TSCOLOR: selected text
    int hideWidth = 0;       // HIDEWIDTH: the width before the column was hidden
};

class BFormatTable {
public:
    void Clear() { entries_.clear(); }
    bool Empty() const { return entries_.empty(); }
    size_t Size() const { return entries_.size(); }

    void Insert(const BFormatEntry& entry) { entries_.push_back(entry); }
    // The entry numbered `colNumber`; nullptr when there is none.
    BFormatEntry* FindByNumber(int colNumber);
    // Every entry in insertion order, for changes in place.
    std::vector<BFormatEntry>& Entries() { return entries_; }
    const std::vector<BFormatEntry>& Entries() const { return entries_; }

    // The entries in key order: by COLNUMBER, and by COUNT (equal counts in insertion order).
    std::vector<BFormatEntry*> ByNumber();
    std::vector<BFormatEntry*> ByCount();

private:
    std::vector<BFormatEntry> entries_;
};

// This thread's BFormat.
BFormatTable& BFormat();

} // namespace kvilo::listformat
