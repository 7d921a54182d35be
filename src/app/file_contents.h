#pragma once

#include <fstream>
#include <string>

// Reads the whole file at path as bytes into contents, the counterpart of ReplaceFileContents.
// Returns 0 read; 1 the file cannot be opened (missing, no permission, a directory); 2 reading
// failed (an I/O error, no memory for the text). Never throws; on failure contents holds what was
// read before the error.
int ReadFileContents(const std::string& path, std::string& contents);

// Opens the file at path for reading as bytes, for a reader that takes it a piece at a time.
// Returns 0 open; 1 the file cannot be opened, as for ReadFileContents.
int OpenFileForReading(const std::string& path, std::ifstream& in);
