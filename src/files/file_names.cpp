#include "files/file_names.h"

namespace ztmca {

std::string FileNamePart(std::string_view path) {
    const std::size_t sep = path.find_last_of("/\\");
    return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string DirectoryPart(std::string_view path) {
    const std::size_t sep = path.find_last_of("/\\");
    if (sep == std::string_view::npos) return {};
    if (sep == 0) return std::string(path.substr(0, 1));
    return std::string(path.substr(0, sep));
}

std::filesystem::path PathFromUtf8(std::string_view text) {
    const std::u8string utf8(text.begin(), text.end());
    return std::filesystem::path(utf8);
}

}  // namespace ztmca
