#include "runtime/settings.h"

namespace rt {

SetTable& Sets() {
  static SetTable table;
  return table;
}

}  // namespace rt
