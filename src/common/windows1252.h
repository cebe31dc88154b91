#pragma once

#include <string>
#include <string_view>

#include "common/result.h"

namespace quintaro {

// Table text is stored in Windows-1252 and held in memory as UTF-8.
std::string cp1252_to_utf8(std::string_view bytes);

// Fails, naming the character, when the text holds a character that
// Windows-1252 cannot store (never written as '?'), or is not valid UTF-8.
Result<std::string> utf8_to_cp1252(std::string_view text);

}  // namespace quintaro
