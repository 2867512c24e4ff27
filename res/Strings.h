#pragma once

// String resources: the application title (57344) and the fields of the
// document-type string (128) that the program shows.
namespace Strings {
inline constexpr const char* kAppTitle = "Tarrowin";
inline constexpr const char* kSettingsKey = "tarrowin";
inline constexpr const char* kRegistryTypeId = "Tarrowin.Document";
}
