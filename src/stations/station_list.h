#pragma once

#include <string>

#include "stations/name_encoding.h"
#include "stations/station_record.h"

// The user's stations, newest first, with a flag for changes not yet saved. Owns its records.
// Results: 0 success, otherwise the code named.
class CStationList {
public:
    CStationList() = default;
    virtual ~CStationList();
    CStationList(const CStationList&) = delete;
    CStationList& operator=(const CStationList&) = delete;

    // Copies the values into a new front record. 1 when there is no memory (list unchanged).
    int Add(const StationRecord& record, StationNode& node);
    // 1 when node is null.
    int Update(StationNode node, const StationRecord& record);
    int Remove(StationNode node);
    int Get(StationNode node, StationRecord& record) const;
    // Walk from the front: a null cursor starts there. 1 when the cursor is null and the list is
    // empty; otherwise copies the record at the cursor, reports its node and advances the cursor.
    int GetNext(StationNode& cursor, StationNode& node, StationRecord& record) const;
    int Clear();
    int IsModified() const { return modified_; }

    // 0 loaded; 1 cannot open; 2 read error or malformed; 3 wrong magic; 4 wrong version;
    // 5 no memory. Replaces the list; on failure the caller clears it.
    int Load(const std::string& path);
    // 0 saved; 1 cannot create; 2 write failed. The previous file survives a failed save.
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
    // Loads from text in memory; same results as Load but never 1.
    int Parse(const std::string& text);

private:
    int modified_ = 0;
    NameEncoding namesEncoding_ = NameEncoding::Utf8;
    StationRecord* head_ = nullptr;
};
