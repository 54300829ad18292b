#pragma once
// Padding texts to a width in pixels, measured in the screen's font.

#include <functional>
#include <string>
#include <string_view>

#include "runtime/value.h"

namespace svc {

// Width of a text in pixels.
using TextWidthFn = std::function<int(std::string_view)>;

// Measured on the screen DC in its current font.
int ScreenTextWidth(std::string_view text);

// Appends (XPADR) or prepends (XPADL) the pad character until the text is at
// least nPixels wide. A pad that adds no width stops the padding, so the
// text comes back as it was; so does a text that is wide enough already.
std::string XPADR(const rt::Value& cText, int nPixels, const rt::Value& cChar = {},
                  const TextWidthFn& width = ScreenTextWidth);
std::string XPADL(const rt::Value& cText, int nPixels, const rt::Value& cChar = {},
                  const TextWidthFn& width = ScreenTextWidth);
// The trimmed text centred between pad characters in as many characters as
// fill nPixels; a non-text argument centres "". A pad of no width adds
// nothing.
std::string XPADC(const rt::Value& cText, int nPixels, const rt::Value& cChar = {},
                  const TextWidthFn& width = ScreenTextWidth);

}  // namespace svc
