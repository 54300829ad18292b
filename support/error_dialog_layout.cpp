#include "support/error_dialog_layout.h"

namespace support {

std::vector<ErrorButton> ErrorButtons(bool canRetry, bool canDefault, bool isNt) {
  const int count = 1 + (canRetry ? 1 : 0) + (canDefault ? 1 : 0);
  const int row = 88 + (isNt ? 24 : 0);
  const bool quitCentred = count == 1 || count == 3;
  std::vector<ErrorButton> buttons{{"&Quit", row, quitCentred ? 60 : 37, quitCentred, ErrorChoice::Quit}};
  if (canRetry) buttons.push_back({"&Retry", row, count == 2 ? 82 : 13, false, ErrorChoice::Retry});
  if (canDefault) buttons.push_back({"&Default", row, 108, false, ErrorChoice::Default});
  return buttons;
}

ErrorDialogSizes ErrorDialogSize(bool isNt) { return {300, 200 + (isNt ? 50 : 0), 60 + (isNt ? 18 : 0)}; }

}  // namespace support
