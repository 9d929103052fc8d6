#pragma once
// Fitting operator text into fixed text fields.
#include <cstddef>
#include <string_view>

namespace ztmca {

// The longest start of text that fits maxBytes without splitting a UTF-8 character, so that a
// comment cut to its field never ends in half a character.
std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes);

}  // namespace ztmca
