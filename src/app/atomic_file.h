#pragma once

#include <string>

// Replaces the file at path with contents so that a crash, a full disk or a failed write never
// leaves a torn or empty file: the data goes to a temporary file beside the target, is flushed to
// the disk, and only then renamed over it. On failure the temporary file is removed and the old
// file stays untouched.
// Returns 0 written; 1 the temporary file could not be created; 2 writing, flushing or renaming
// failed. Implemented by the host layer.
int ReplaceFileContents(const std::string& path, const std::string& contents);
