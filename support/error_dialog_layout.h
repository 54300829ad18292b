#pragma once
// Where the error dialog puts its parts: the buttons by how many there are,
// and the sizes that grow on the NT family. Sizes are those passed to the
// constructors (pixels; a template dialog's controls land at about twice).

#include <string>
#include <vector>

namespace support {

enum class ErrorChoice { Quit, Retry, Default };

struct ErrorButton {
  std::string caption;
  int row, col;
  bool isDefault;
  ErrorChoice choice;
};

inline constexpr int kButtonWidth = 30, kButtonHeight = 11;

// "&Quit" always, "&Retry" when the error can retry, "&Default" when it
// can default, in that order.
std::vector<ErrorButton> ErrorButtons(bool canRetry, bool canDefault, bool isNt);

struct ErrorDialogSizes {
  int dialogWidth, dialogHeight, listHeight;
};
ErrorDialogSizes ErrorDialogSize(bool isNt);

}  // namespace support
