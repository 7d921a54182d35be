#include "stations/station_list.h"

#include <algorithm>
#include <fstream>
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
// A save hands the host this much text at a time.
constexpr std::size_t kSavePieceBytes = 64 * 1024;

// The stations of a station file's lines, added to list in file order. A StationLoadResult.
int ReadStations(StationFileLines& lines, CStationList& list) {
    std::string line;
    int number = 0;
    if (!lines.Next(line) || !ReadIntegerPrefix(line, number)) {
        return StationLoadResult::kReadError;
    }
    if (number != kMagicNumber) return StationLoadResult::kWrongMagic;
    if (!lines.Next(line) || !ReadIntegerPrefix(line, number)) {
        return StationLoadResult::kReadError;
    }
    if (number != kFormatVersion) return StationLoadResult::kWrongVersion;

    StationRecord station;
    StationNode node = kNoStation;
    while (lines.Next(line)) {
        if (!ParseStationLine(line, station)) return StationLoadResult::kReadError;
        if (list.Add(station, node) != StationAddResult::kAdded) {
            return StationLoadResult::kNoMemory;
        }
    }
    return StationLoadResult::kLoaded;
}

// The station file's text of a list, a piece of many lines at a time: the header, then the
// stations front first.
template <typename Entries>
class StationFileText : public FileContentsSource {
  public:
    explicit StationFileText(const Entries& entries) : entries_(entries) {}

    void Rewind() override {
        next_ = entries_.rbegin();
        headerGiven_ = false;
    }

    Piece Next(std::string_view& piece) override {
        try {
            piece_.clear();
            if (!headerGiven_) {
                piece_ = std::to_string(kMagicNumber) + kLineEnd + std::to_string(kFormatVersion) +
                         kLineEnd;
                headerGiven_ = true;
            }
            for (; next_ != entries_.rend() && piece_.size() < kSavePieceBytes; ++next_) {
                piece_ += FormatStationLine(next_->record);
                piece_ += kLineEnd;
            }
        } catch (const std::bad_alloc&) {
            return Piece::kFailed;
        }
        piece = piece_;
        return piece_.empty() ? Piece::kEnd : Piece::kMore;
    }

  private:
    const Entries& entries_;
    typename Entries::const_reverse_iterator next_ = entries_.rbegin();
    bool headerGiven_ = false;
    std::string piece_;
};

// The entry of node in entries ordered by node, or their end; const as entries are.
template <typename Entries>
auto FindNode(Entries& entries, StationNode node) -> decltype(entries.begin()) {
    const auto at =
        std::lower_bound(entries.begin(), entries.end(), node,
                         [](const auto& entry, StationNode wanted) { return entry.node < wanted; });
    return at != entries.end() && at->node == node ? at : entries.end();
}

}  // namespace

CStationList::Entries::iterator CStationList::Find(StationNode node) {
    return FindNode(entries_, node);
}

CStationList::Entries::const_iterator CStationList::Find(StationNode node) const {
    return FindNode(entries_, node);
}

int CStationList::Add(const StationRecord& record, StationNode& node) {
    const auto created = static_cast<StationNode>(lastNode_ + 1);
    try {
        entries_.push_back(Entry{created, record});
    } catch (const std::bad_alloc&) {
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
    if (entries_.empty()) return StationWalkResult::kNothingToRead;
    const auto at = cursor == kNoStation ? std::prev(entries_.end()) : Find(cursor);
    if (at == entries_.end()) return StationWalkResult::kNothingToRead;
    record = at->record;
    node = at->node;
    cursor = at != entries_.begin() ? std::prev(at)->node : kNoStation;
    return StationWalkResult::kStationRead;
}

void CStationList::Visit(
    const std::function<void(StationNode, const StationRecord&)>& visit) const {
    for (auto at = entries_.rbegin(); at != entries_.rend(); ++at) visit(at->node, at->record);
}

int CStationList::Clear() {
    // clear() would keep the largest size's bookkeeping; a cleared list holds nothing.
    Entries().swap(entries_);
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

int CStationList::Read(StationFileLines& lines) {
    Clear();
    int result = StationLoadResult::kNoMemory;
    try {
        result = ReadStations(lines, *this);
    } catch (const std::bad_alloc&) {
        // A line too big for the memory left fails like a record that cannot be made.
    }
    // A file that breaks while being read is a read error whatever its text said before.
    if (!lines.ReadToEnd()) result = StationLoadResult::kReadError;
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

int CStationList::Parse(const std::string& text) {
    StationTextLines lines(text);
    return Read(lines);
}

int CStationList::Load(const std::string& path) {
    Clear();
    std::ifstream in;
    if (OpenFileForReading(path, in) != 0) return StationLoadResult::kCannotOpen;
    StationStreamLines lines(in);
    return Read(lines);
}

std::string CStationList::Serialize() const {
    StationFileText<Entries> source(entries_);
    std::string text;
    std::string_view piece;
    for (;;) {
        switch (source.Next(piece)) {
            case FileContentsSource::Piece::kMore:
                text += piece;
                break;
            case FileContentsSource::Piece::kEnd:
                return text;
            case FileContentsSource::Piece::kFailed:
                throw std::bad_alloc();
        }
    }
}

int CStationList::Save(const std::string& path) {
    StationFileText<Entries> source(entries_);
    switch (ReplaceFileFrom(path, source)) {
        case 0:
            modified_ = 0;
            return StationSaveResult::kSaved;
        case 1:
            return StationSaveResult::kCannotCreate;
        default:
            return StationSaveResult::kWriteFailed;
    }
}
