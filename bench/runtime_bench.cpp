// Hot paths of the runtime against plain C++ doing the same work in the same
// run: ASORT of 100,000 strings (default order and with an order block),
// 1,000,000 sends by name, and every line of a 1 MB memo, read as a loop of
// MEMOLINE calls reads it (through the memo's line reader).
//
//   runtime_bench [--strings N] [--sends N] [--memo BYTES]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "runtime/array_fns.h"
#include "runtime/compare.h"
#include "runtime/memolines.h"
#include "runtime/object.h"

namespace {

using bench::Clock;
using bench::Seconds;

void Report(const char* what, double ours, double reference) {
  std::printf("%-40s %9.3f s   reference %9.3f s   ratio %6.1f\n", what, ours, reference, ours / reference);
}

// Words of 8 to 40 letters, so that most strings live on the heap.
std::vector<std::string> Words(std::size_t n) {
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> len(8, 40), letter('a', 'z');
  std::vector<std::string> out(n);
  for (auto& w : out) {
    w.resize(static_cast<std::size_t>(len(rng)));
    for (char& c : w) c = static_cast<char>(letter(rng));
  }
  return out;
}

void SortBench(std::size_t n) {
  const std::vector<std::string> words = Words(n);
  auto array = [&] {
    rt::Value a = rt::Value::ArrayOf(0);
    for (const auto& w : words) a.Items().emplace_back(w);
    return a;
  };
  rt::Value plain = array(), blocked = array();
  auto start = Clock::now();
  rt::ASORT(plain);
  const double ours = Seconds(start);
  const rt::Value order = rt::Value::Block([](rt::Args a) { return rt::Value(rt::LT(a[0], a[1])); });
  start = Clock::now();
  rt::ASORT(blocked, {}, {}, order);
  const double oursBlock = Seconds(start);
  std::vector<std::string> copy = words;
  start = Clock::now();
  std::stable_sort(copy.begin(), copy.end());
  const double reference = Seconds(start);
  for (std::size_t i = 0; i < n; ++i)
    if (plain.Items()[i].AsString() != copy[i] || blocked.Items()[i].AsString() != copy[i]) {
      std::fprintf(stderr, "ASORT order differs at %zu\n", i);
      std::exit(1);
    }
  char what[64];
  std::snprintf(what, sizeof what, "ASORT %zu strings", n);
  Report(what, ours, reference);
  std::snprintf(what, sizeof what, "ASORT %zu strings, order block", n);
  Report(what, oursBlock, reference);
}

class Counter : public rt::Object {
 public:
  RT_CLASS_DECL();
  long nCount = 0;
};

const rt::ClassInfo& Counter::ClassDef() {
  static const rt::ClassInfo info("BENCHCOUNTER", &rt::Object::ClassDef(), rt::FactoryOf<Counter>(), [](rt::ClassInfo& c) {
    rt::ClassBuilder<Counter>(c).Data("nCount", &Counter::nCount).Method("AddOneToTheCount", [](Counter& o, rt::Args) {
      return rt::Value(++o.nCount);
    });
  });
  return info;
}

class Derived : public Counter {
 public:
  RT_CLASS_DECL();
};

const rt::ClassInfo& Derived::ClassDef() {
  static const rt::ClassInfo info("BENCHDERIVED", &Counter::ClassDef(), rt::FactoryOf<Derived>(), [](rt::ClassInfo&) {});
  return info;
}
RT_CLASS_REGISTER(Derived);

void SendBench(long n) {
  const rt::Value o = rt::CreateObject("BENCHDERIVED");
  auto start = Clock::now();
  for (long i = 0; i < n; ++i) rt::Send(o, "addOneToTheCount");
  for (long i = 0; i < n; ++i) rt::Send(o, "nCount");
  const double ours = Seconds(start) / 2;
  auto& c = *o.As<Counter>();
  volatile long sink = 0;
  start = Clock::now();
  for (long i = 0; i < n; ++i) sink = sink + rt::Value(++c.nCount).AsInt();
  const double reference = Seconds(start);
  if (c.nCount != 2 * n) {
    std::fprintf(stderr, "sends lost: %ld\n", c.nCount);
    std::exit(1);
  }
  char what[64];
  std::snprintf(what, sizeof what, "%ld sends by name", n);
  Report(what, ours, reference);
}

void MemoBench(std::size_t bytes) {
  const std::vector<std::string> words = Words(bytes / 8);
  std::string memo;
  for (std::size_t i = 0; memo.size() < bytes; ++i) {
    memo += words[i % words.size()];
    memo += i % 23 == 22 ? "\r\n" : " ";
  }
  const long count = rt::MLCOUNT(memo, 60);
  std::size_t total = 0;
  auto start = Clock::now();
  rt::MemoLines lines60(memo, 60);
  for (long n = 1; n <= count; ++n) total += lines60.Line(n).size();
  const double ours = Seconds(start);
  std::size_t lines = 0;
  start = Clock::now();
  for (std::size_t pos = 0; pos < memo.size(); ++lines) {
    std::size_t end = std::min(memo.size(), pos + 60);
    std::string line(memo, pos, end - pos);
    line.resize(60, ' ');
    pos = end;
  }
  const double reference = Seconds(start);
  if (total != static_cast<std::size_t>(count) * 60 || lines == 0) {
    std::fprintf(stderr, "MEMOLINE lines lost\n");
    std::exit(1);
  }
  char what[64];
  std::snprintf(what, sizeof what, "MEMOLINE over %zu bytes (%ld lines)", memo.size(), count);
  Report(what, ours, reference);
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t strings = 100000, memo = 1u << 20;
  long sends = 1000000;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--strings")) strings = std::strtoul(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--sends")) sends = std::strtol(argv[i + 1], nullptr, 10);
    if (!std::strcmp(argv[i], "--memo")) memo = std::strtoul(argv[i + 1], nullptr, 10);
  }
  SortBench(strings);
  SendBench(sends);
  MemoBench(memo);
  return 0;
}
