#pragma once
// A bitmap and its palette as the controls hold them, loaded from a file or
// a resource and freed whether or not the palette table knows them.

#include <windows.h>

#include <string>

#include "graphics/bitmap_button.h"
#include "runtime/value.h"

namespace controls {

using Picture = gfx::ButtonPicture;

// From a resource of the current resource module (name or number); empty
// when it is missing or damaged.
Picture PictureFromResource(const rt::Value& name);
// From a .BMP file read on hDC; empty when the file is missing or damaged.
Picture PictureFromFile(HDC hDC, const std::string& file);
// Frees the picture through the palette table, or directly when it was
// never entered there; the picture is empty afterwards.
void FreePicture(Picture& picture);
// Width and height of the bitmap; 0, 0 without one.
SIZE PictureSize(HBITMAP bitmap);

}  // namespace controls
