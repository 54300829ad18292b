#pragma once
// ALERT: a modal message with one button per option.

#include "runtime/value.h"

namespace ctl {

// cMessage (any value, shown as text; default "Alert dialog box"), aOptions
// (default {"&OK"}), cTitle (default "Attention"), nDefault (the option with
// the focus, default 1), xIcon (an icon file or resource name, a system icon
// id; default the exclamation icon). Answers the number of the pressed
// option, 0 when the dialog was closed otherwise.
int ALERT(const rt::Value& cMessage = {}, const rt::Value& aOptions = {}, const rt::Value& cTitle = {},
          const rt::Value& nDefault = {}, const rt::Value& xIcon = {});

}  // namespace ctl
