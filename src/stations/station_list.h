#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "base/station_node.h"
#include "stations/name_encoding.h"
#include "stations/station_file_lines.h"
#include "stations/station_list_results.h"
#include "stations/station_record.h"

// The user's stations, newest first, with a flag for changes not yet saved. Each station keeps
// its node from Add to Remove, Clear or a load, whatever happens to the others; a node is never
// handed out twice by one list, so a forgotten one is refused rather than taken for another
// station. Results are the constants of station_list_results.h.
class CStationList {
  public:
    CStationList() = default;
    CStationList(const CStationList&) = delete;
    CStationList& operator=(const CStationList&) = delete;

    // Copies the values into a new front station and reports its node. StationAddResult.
    int Add(const StationRecord& record, StationNode& node);
    // Update, Remove and Get: StationNodeResult, kNoSuchNode changing nothing.
    int Update(StationNode node, const StationRecord& record);
    int Remove(StationNode node);
    int Get(StationNode node, StationRecord& record) const;
    // Walk from the front: kNoStation as cursor starts there. Copies the station at the cursor,
    // reports its node and moves the cursor on, to kNoStation after the last. StationWalkResult.
    int GetNext(StationNode& cursor, StationNode& node, StationRecord& record) const;
    // Calls visit with each station's node and values, front first; visit must not change the
    // list. Unlike GetNext, nothing is copied and no node is looked up.
    void Visit(const std::function<void(StationNode, const StationRecord&)>& visit) const;
    std::size_t Count() const { return entries_.size(); }
    // Always 0.
    int Clear();
    int IsModified() const { return modified_; }

    // Replaces the list by the stations of the file; on failure the caller clears it.
    // StationLoadResult.
    int Load(const std::string& path);
    // StationSaveResult. The previous file survives a failed save.
    int Save(const std::string& path);

    // Names keep the bytes of their file. A file with any name that is not valid UTF-8 was
    // written in Windows-1252; a new list, and a file of UTF-8 names only, use UTF-8.
    NameEncoding NamesEncoding() const { return namesEncoding_; }
    // A name of this list as the screen shows it (UTF-8).
    std::string DisplayName(const std::string& name) const;
    // Text from the screen as a name of this list, in the encoding of its file.
    std::string StoredName(const std::string& displayText) const;

    // Station-file text of the whole list (header and one line per record, CR LF).
    std::string Serialize() const;
    // Loads from text in memory; same results as Load but never kCannotOpen.
    int Parse(const std::string& text);

  private:
    struct Entry {
        StationNode node;
        StationRecord record;
    };
    // Oldest first, so the nodes rise from front to back: a new station goes to the back, and a
    // node is found by binary search without an index beside the records. The list's front is
    // the back of entries_.
    using Entries = std::deque<Entry>;

    // The entry of node; end() when the list does not hold it (kNoStation included).
    Entries::iterator Find(StationNode node);
    Entries::const_iterator Find(StationNode node) const;
    // Replaces the list by the stations of lines. StationLoadResult.
    int Read(StationFileLines& lines);

    int modified_ = 0;
    NameEncoding namesEncoding_ = NameEncoding::Utf8;
    Entries entries_;
    std::uintptr_t lastNode_ = 0;  // the node Add handed out last; not reset by Clear
};
