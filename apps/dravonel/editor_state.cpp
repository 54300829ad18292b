#include "apps/dravonel/editor_state.h"

namespace dravonel {

EditorState& Editor() {
  static EditorState state;
  return state;
}

}  // namespace dravonel
