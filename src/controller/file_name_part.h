#pragma once

#include <string>

// The file name and extension of a path: everything after the last '/' or '\\' (both separators
// are taken, so a path written on either kind of host splits alike). Empty for an empty path or
// one that ends in a separator.
std::string FileNameWithExtension(const std::string& path);
