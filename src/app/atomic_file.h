#pragma once

#include <string>
#include <string_view>

// Replaces the file at path with contents so that a crash, a full disk or a failed write never
// leaves a torn or empty file: the data goes to a temporary file beside the target, is flushed to
// the disk, and only then renamed over it. On failure the temporary file is removed and the old
// file stays untouched; a save killed halfway leaves a temporary file that the next save of the
// same file takes over. A symbolic link stays a link: the file it leads to is replaced. The new
// file keeps the old one's permissions (and its owner where the system allows).
// A file that may be written in a directory where no file may be created is written in place
// instead, and its old contents put back when that fails.
// Returns 0 written; 1 the file cannot be created or opened for writing (no temporary file can be
// made and the file cannot be written in place; a directory missing; a loop of links); 2 writing,
// flushing or renaming failed. Implemented by the host layer.
int ReplaceFileContents(const std::string& path, const std::string& contents);

// The contents of a file to be written, handed out a piece at a time so that nobody needs them
// whole in memory.
class FileContentsSource {
  public:
    enum class Piece { kMore, kEnd, kFailed };

    virtual ~FileContentsSource() = default;
    // Starts again at the first piece: a host may need the contents twice.
    virtual void Rewind() = 0;
    // kMore with the next piece in piece (valid until the next call), kEnd after the last one,
    // kFailed when the contents cannot be made (no memory).
    virtual Piece Next(std::string_view& piece) = 0;
};

// ReplaceFileContents with the contents taken from source; a failing source is a failed write
// (2) that leaves the old file as it was. Implemented by the host layer.
int ReplaceFileFrom(const std::string& path, FileContentsSource& source);
