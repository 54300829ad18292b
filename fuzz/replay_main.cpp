// Runs a fuzz harness without libFuzzer: over every file of the corpus
// directories given on the command line, every truncation of each, and each
// with every one of its first bytes set to a few telling values.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Run(const std::vector<std::uint8_t>& input) {
  // A heap copy of exactly the input's size, so that the sanitizers see any
  // read past its end.
  std::vector<std::uint8_t> copy(input);
  LLVMFuzzerTestOneInput(copy.empty() ? nullptr : copy.data(), copy.size());
}

void Replay(const std::vector<std::uint8_t>& seed) {
  for (std::size_t n = 0; n <= seed.size(); ++n) Run(std::vector<std::uint8_t>(seed.begin(), seed.begin() + n));
  constexpr std::size_t kMutatedBytes = 128;
  constexpr std::uint8_t kValues[] = {0x00, 0x01, 0x7F, 0x80, 0xFF};
  for (std::size_t i = 0; i < seed.size() && i < kMutatedBytes; ++i) {
    for (std::uint8_t v : kValues) {
      std::vector<std::uint8_t> mutated(seed);
      mutated[i] = v;
      Run(mutated);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  int seeds = 0;
  for (int i = 1; i < argc; ++i) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      Replay(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
      ++seeds;
    }
  }
  if (seeds == 0) {
    std::fprintf(stderr, "no seed files found\n");
    return 1;
  }
  std::printf("replayed %d seeds\n", seeds);
  return 0;
}
