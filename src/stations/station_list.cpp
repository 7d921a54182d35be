#include "stations/station_list.h"

#include <iterator>
#include <new>

#include "app/atomic_file.h"
#include "app/file_contents.h"
#include "base/number_text.h"
#include "stations/station_file_format.h"

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

// The stations of a station file's text, added to list in file order. A StationLoadResult.
int ReadStations(const std::string& text, CStationList& list) {
    LineReader reader(text);
    std::string line;
    int number = 0;
    if (!reader.Next(line) || !ReadIntegerPrefix(line, number)) {
        return StationLoadResult::kReadError;
    }
    if (number != kMagicNumber) return StationLoadResult::kWrongMagic;
    if (!reader.Next(line) || !ReadIntegerPrefix(line, number)) {
        return StationLoadResult::kReadError;
    }
    if (number != kFormatVersion) return StationLoadResult::kWrongVersion;

    StationRecord station;
    StationNode node = kNoStation;
    while (reader.Next(line)) {
        if (!ParseStationLine(line, station)) return StationLoadResult::kReadError;
        if (list.Add(station, node) != StationAddResult::kAdded) {
            return StationLoadResult::kNoMemory;
        }
    }
    return StationLoadResult::kLoaded;
}

}  // namespace

CStationList::Entries::iterator CStationList::Find(StationNode node) {
    const auto found = index_.find(node);
    return found != index_.end() ? found->second : entries_.end();
}

CStationList::Entries::const_iterator CStationList::Find(StationNode node) const {
    const auto found = index_.find(node);
    return found != index_.end() ? Entries::const_iterator(found->second) : entries_.end();
}

int CStationList::Add(const StationRecord& record, StationNode& node) {
    const auto created = static_cast<StationNode>(lastNode_ + 1);
    try {
        entries_.push_front(Entry{created, record});
    } catch (const std::bad_alloc&) {
        return StationAddResult::kNoMemory;
    }
    try {
        index_.emplace(created, entries_.begin());
    } catch (const std::bad_alloc&) {
        entries_.pop_front();
        return StationAddResult::kNoMemory;
    }
    lastNode_ += 1;
    node = created;
    modified_ = 1;
    return StationAddResult::kAdded;
}

int CStationList::Update(StationNode node, const StationRecord& record) {
    const auto at = Find(node);
    if (at == entries_.end()) return StationNodeResult::kNoSuchNode;
    at->record = record;
    modified_ = 1;
    return StationNodeResult::kDone;
}

int CStationList::Remove(StationNode node) {
    const auto at = Find(node);
    if (at == entries_.end()) return StationNodeResult::kNoSuchNode;
    index_.erase(node);
    entries_.erase(at);
    modified_ = 1;
    return StationNodeResult::kDone;
}

int CStationList::Get(StationNode node, StationRecord& record) const {
    const auto at = Find(node);
    if (at == entries_.end()) return StationNodeResult::kNoSuchNode;
    record = at->record;
    return StationNodeResult::kDone;
}

int CStationList::GetNext(StationNode& cursor, StationNode& node, StationRecord& record) const {
    const auto at = cursor == kNoStation ? entries_.begin() : Find(cursor);
    if (at == entries_.end()) return StationWalkResult::kNothingToRead;
    record = at->record;
    node = at->node;
    const auto older = std::next(at);
    cursor = older != entries_.end() ? older->node : kNoStation;
    return StationWalkResult::kStationRead;
}

int CStationList::Clear() {
    index_.clear();
    entries_.clear();
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
    int result = StationLoadResult::kNoMemory;
    try {
        result = ReadStations(text, *this);
    } catch (const std::bad_alloc&) {
        // A line too big for the memory left fails like a record that cannot be made.
    }
    if (result != StationLoadResult::kLoaded) {
        // No half-read list survives a failed load.
        Clear();
    }
    for (const Entry& entry : entries_) {
        if (!IsValidUtf8(entry.record.name)) {
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
    switch (ReadFileContents(path, text)) {
        case 0:
            return Parse(text);
        case 1:
            return StationLoadResult::kCannotOpen;
        default:
            return StationLoadResult::kReadError;
    }
}

std::string CStationList::Serialize() const {
    std::string text =
        std::to_string(kMagicNumber) + kLineEnd + std::to_string(kFormatVersion) + kLineEnd;
    for (const Entry& entry : entries_) {
        text += FormatStationLine(entry.record);
        text += kLineEnd;
    }
    return text;
}

int CStationList::Save(const std::string& path) {
    std::string text;
    try {
        text = Serialize();
    } catch (const std::bad_alloc&) {
        return StationSaveResult::kWriteFailed;
    }
    switch (ReplaceFileContents(path, text)) {
        case 0:
            modified_ = 0;
            return StationSaveResult::kSaved;
        case 1:
            return StationSaveResult::kCannotCreate;
        default:
            return StationSaveResult::kWriteFailed;
    }
}
