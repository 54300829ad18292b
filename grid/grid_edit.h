#pragma once
// The pop-up of the cell being edited: one for all grids of the program,
// so that a second editor never opens while one is open.

#include <memory>

#include "core/tcontrol.h"
#include "core/tdialog.h"

namespace grid {

// The open pop-up; null when no cell is being edited.
std::shared_ptr<core::TDialog>& EditorPopup();

// Its editor control; null when none is open.
std::shared_ptr<core::TControl> OpenEditor();

// The row a new or emptied array starts with: as long as the rows it joins
// (every column block finds its element), the defaults in order; a leading
// empty placeholder of the defaults is left out.
rt::Value DefaultArrayRow(const rt::Value& aArray, const rt::Value& aDefValue);

// What lEditCol builds for a cell, in the order it decides.
enum class EditorKind { Combo, Multi, Button, Single };

}  // namespace grid
