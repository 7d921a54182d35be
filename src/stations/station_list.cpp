#include "stations/station_list.h"

#include <new>

#include "app/atomic_file.h"
#include "app/file_contents.h"
#include "stations/station_file_format.h"
#include "base/number_text.h"

namespace {

constexpr int kMagicNumber = 240951;
constexpr int kFormatVersion = 1;
// Files travel between hosts unchanged, so every line ends the way the oldest reader expects.
constexpr const char* kLineEnd = "\r\n";

// Hands out the lines of a text one by one, without their ends. A bare LF ends a line as well as
// CR LF; a last line without an end still counts.
class LineReader {
  public:
    explicit LineReader(const std::string& text) : text_(text) {}

    bool Next(std::string& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string::npos) end = text_.size();
        line.assign(text_, pos_, end - pos_);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos_ = end + 1;
        return true;
    }

  private:
    const std::string& text_;
    std::size_t pos_ = 0;
};

// The stations of a station file's text, added to list in file order. 0, or the load result.
int ReadStations(const std::string& text, CStationList& list) {
    LineReader reader(text);
    std::string line;
    int number = 0;
    if (!reader.Next(line) || !ReadIntegerPrefix(line, number)) return 2;
    if (number != kMagicNumber) return 3;
    if (!reader.Next(line) || !ReadIntegerPrefix(line, number)) return 2;
    if (number != kFormatVersion) return 4;

    StationRecord station;
    StationNode node = nullptr;
    while (reader.Next(line)) {
        if (!ParseStationLine(line, station)) return 2;
        if (list.Add(station, node) != 0) return 5;
    }
    return 0;
}

void CopyValuesOut(const StationRecord& node, StationRecord& record) {
    record = node;
    record.prev = nullptr;
    record.next = nullptr;
}

}  // namespace

CStationList::~CStationList() {
    Clear();
}

int CStationList::Add(const StationRecord& record, StationNode& node) {
    StationRecord* created = nullptr;
    try {
        created = new (std::nothrow) StationRecord(record);
    } catch (const std::bad_alloc&) {
        // The name's copy may fail even when the node itself was allocated.
        created = nullptr;
    }
    if (created == nullptr) return 1;
    created->next = head_;
    if (head_ != nullptr) head_->prev = created;
    head_ = created;
    node = created;
    modified_ = 1;
    return 0;
}

int CStationList::Update(StationNode node, const StationRecord& record) {
    if (node == nullptr) return 1;
    *node = record;  // copies the values; the links stay
    modified_ = 1;
    return 0;
}

int CStationList::Remove(StationNode node) {
    if (node == nullptr) return 1;
    if (node->prev != nullptr) {
        node->prev->next = node->next;
    } else {
        head_ = node->next;
    }
    if (node->next != nullptr) node->next->prev = node->prev;
    delete node;
    modified_ = 1;
    return 0;
}

int CStationList::Get(StationNode node, StationRecord& record) const {
    if (node == nullptr) return 1;
    CopyValuesOut(*node, record);
    return 0;
}

int CStationList::GetNext(StationNode& cursor, StationNode& node, StationRecord& record) const {
    StationRecord* at = cursor != nullptr ? cursor : head_;
    if (at == nullptr) return 1;
    CopyValuesOut(*at, record);
    node = at;
    cursor = at->next;
    return 0;
}

int CStationList::Clear() {
    // A loop, not a recursive destructor chain: a list may hold any number of stations.
    while (head_ != nullptr) {
        StationRecord* older = head_->next;
        delete head_;
        head_ = older;
    }
    modified_ = 0;
    namesEncoding_ = NameEncoding::Utf8;
    return 0;
}

std::string CStationList::DisplayName(const std::string& name) const {
    return NameToDisplay(name, namesEncoding_);
}

std::string CStationList::StoredName(const std::string& displayText) const {
    return NameFromDisplay(displayText, namesEncoding_);
}

int CStationList::Parse(const std::string& text) {
    Clear();
    int result = 5;
    try {
        result = ReadStations(text, *this);
    } catch (const std::bad_alloc&) {
        // A line too big for the memory left fails like a record that cannot be made.
    }
    if (result != 0) {
        // No half-read list survives a failed load.
        Clear();
    }
    for (const StationRecord* at = head_; at != nullptr; at = at->next) {
        if (!IsValidUtf8(at->name)) {
            namesEncoding_ = NameEncoding::Windows1252;
            break;
        }
    }
    modified_ = 0;
    return result;
}

int CStationList::Load(const std::string& path) {
    Clear();
    std::string text;
    const int result = ReadFileContents(path, text);
    if (result != 0) return result;
    return Parse(text);
}

std::string CStationList::Serialize() const {
    std::string text =
        std::to_string(kMagicNumber) + kLineEnd + std::to_string(kFormatVersion) + kLineEnd;
    for (const StationRecord* at = head_; at != nullptr; at = at->next) {
        text += FormatStationLine(*at);
        text += kLineEnd;
    }
    return text;
}

int CStationList::Save(const std::string& path) {
    std::string text;
    try {
        text = Serialize();
    } catch (const std::bad_alloc&) {
        return 2;
    }
    const int result = ReplaceFileContents(path, text);
    if (result == 0) modified_ = 0;
    return result;
}
