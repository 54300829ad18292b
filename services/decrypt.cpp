#include "services/decrypt.h"

#include <cstdint>

namespace svc {

std::string DECRYPT(std::string_view data, std::string_view key) {
  std::string out(data);
  const auto lenByte = static_cast<std::uint8_t>(data.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    auto b = static_cast<std::uint8_t>(out[i]);
    if (!key.empty()) {
      b ^= static_cast<std::uint8_t>(key[k]);
      k = (k + 1) % key.size();
    }
    const unsigned r = i % 8;
    b = static_cast<std::uint8_t>((b >> r) | (b << ((8 - r) % 8)));
    out[i] = static_cast<char>(b ^ lenByte);
  }
  return out;
}

}  // namespace svc
