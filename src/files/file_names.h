#pragma once
// Chosen paths: the name part shown for a spectrum, the directory a dialog starts in, and the
// filesystem path of a UTF-8 text. Both separators count, so names typed the Windows way work too.
#include <filesystem>
#include <string>
#include <string_view>

namespace ztmca {

// The characters after the last '/' or '\'; the whole text when there is neither.
std::string FileNamePart(std::string_view path);
// The characters before the last '/' or '\' ("/" for a file in the root); empty without a separator.
std::string DirectoryPart(std::string_view path);
std::filesystem::path PathFromUtf8(std::string_view text);

}  // namespace ztmca
