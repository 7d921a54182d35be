#include "controller/file_name_part.h"

std::string FileNameWithExtension(const std::string& path) {
    const std::string::size_type separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}
