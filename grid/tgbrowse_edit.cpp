// Editing a cell and deleting a row. This grid has no in-cell editor: a
// request to edit or delete changes nothing and answers .F., so the keys
// and clicks that ask for them leave the data as it is.
#include "grid/tgbrowse.h"

namespace grid {

bool TGBrowse::lEditCol(const rt::Value&, long) { return false; }

bool TGBrowse::DeleteRow() { return false; }

}  // namespace grid
