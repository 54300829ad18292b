#pragma once
// The empty files through which the three programs coordinate: a running
// program's semaphore and the update markers an installer leaves behind.
// Only their existence counts.

#include <string_view>

#include "runtime/value.h"

namespace common {

inline constexpr std::string_view kEditorSemaphore = ".\\Dravonel.Sem";
inline constexpr std::string_view kSearchSemaphore = ".\\Voskdar.Sem";
inline constexpr std::string_view kUpdateMarker = ".\\Update.Sem";
inline constexpr std::string_view kLoaderUpdateMarker = ".\\Voskdar.upd";

// Creates ".\" + name + ".Sem" empty (an existing one is cut to length 0)
// and keeps it open without delete sharing until ZQDROPSEM: while the
// program runs, another program's attempt to erase it fails, so only the
// semaphore of a program that ended without its exit steps can be cleared.
// A file that cannot be created is not reported. Returns NIL.
rt::Value ZQMAKESEM(std::string_view name);
// The exit step of ZQMAKESEM: closes the semaphore, then erases it.
void ZQDROPSEM(std::string_view name);
bool MarkerExists(std::string_view path);
// Missing files are passed over.
void EraseMarker(std::string_view path);

}  // namespace common
