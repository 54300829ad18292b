#pragma once
// The error dialog: the error line, the call stack in a list, and the
// buttons the error allows. The list box and the buttons are classes of a
// layer beside this one's callers, created by name.

#include <string>
#include <vector>

#include "support/error_dialog_layout.h"

namespace support {

inline constexpr const char* kErrorDialogTitle = "Vindral for Harbour";

// Runs the dialog modally and answers the user's choice; closing the dialog
// any other way is Quit.
ErrorChoice RunErrorDialog(const std::string& description, const std::vector<std::string>& stackLines, bool canRetry,
                           bool canDefault);

}  // namespace support
