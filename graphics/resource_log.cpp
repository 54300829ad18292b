#include "graphics/resource_log.h"

#include <fstream>
#include <string>

#include "runtime/dates.h"
#include "runtime/value_text.h"

namespace gfx {

void LogResourceFailure(std::initializer_list<rt::Value> values) {
  std::string line = rt::DTOC(rt::DATE()) + " " + rt::TIME() + ": ";
  for (const rt::Value& v : values) line += rt::CVALTOCHAR(v) + "\t";
  line += "\r\n";
  std::ofstream out("resources.txt", std::ios::binary | std::ios::app);
  out << line;
}

}  // namespace gfx
