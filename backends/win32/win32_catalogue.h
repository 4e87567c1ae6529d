#pragma once

#include <string_view>

#include <windows.h>

namespace dawnquill {

// The compiled catalogue of the user's display language, carried in the executable as a
// resource named as gettext names the language ("DE", "PT_BR"). Empty where the user's
// languages end at English, or none of them has a catalogue: the program then speaks English.
std::string_view UserCatalogue(HINSTANCE instance);

}  // namespace dawnquill
