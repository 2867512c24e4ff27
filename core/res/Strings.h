#pragma once

#include "core/words/Words.h"

#include <array>

// String resources: the application title (57344) and the fields of the
// document-type string (128) that the program shows.
namespace Strings {
inline constexpr const char* kContext = "Strings";
inline constexpr const char* kAppTitle = QT_TRANSLATE_NOOP("Strings", "Tarrowin");
inline constexpr const char* kSettingsKey = "tarrowin";
inline constexpr const char* kRegistryTypeId = "Tarrowin.Document";
// The display modes in their order, as command lines and settings name them.
inline constexpr std::array<const char*, 3> kDisplayWords{"ball", "diagram", "picture"};
}
