// The real editor on the full sample tables, timed from inside its own
// process: from the moment its thread takes the input message off its
// queue to the moment it comes back to its loop with nothing left to do,
// every paint done. A message hook loads editor_probe.dll into the editor
// (see editor_probe.cpp). Timed actions, each repeated and given as the
// median, minimum and maximum in milliseconds:
//   search      a click on "&Suchen" with a German word typed (untimed)
//   letter      a click on a letter button
//   page down   the page key in the grid, from the middle of the table
//   dictionary  "Datei > Wörterbuch öffnen > Französisch" and back to
//               "Englisch", the Enter that chooses the item
// Run by bench/win/editor_bench.sh, which puts the tables and the program
// into one folder.
//
//   editor_bench --exe DRAVONEL.EXE --dir FOLDER [--runs N]
//                [--trace search|letter|page|dictionary]
// --trace prints the messages of that action's last run with their times.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/win/editor_probe.h"
#include "tests/apps/program_driver.h"

namespace {

namespace fs = std::filesystem;
using apps_test::Children;
using apps_test::ClassOf;
using apps_test::Text;

const std::string kTitle = " ZQS Voskdar W\xF6rtbuch v1.41";

// German words of the English sample table, each found by a search.
const char* const kWords[] = {"haus",  "wasser", "abend", "zeit",   "tisch",  "baum",    "sonne",
                              "mond",  "stadt",  "brot",  "schule", "arbeit", "licht",   "garten",
                              "fenster", "himmel", "feuer", "blume", "vogel", "kind"};
// Letters that begin German words of the English sample table.
const char kLetters[] = "ABDEFGHKLMNOPRSTUVWZ";

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "editor_bench: %s\n", why.c_str());
  std::exit(1);
}

struct Figures {
  double median = 0, least = 0, most = 0;
};

Figures Of(std::vector<double> spans) {
  std::sort(spans.begin(), spans.end());
  const std::size_t n = spans.size();
  return {n % 2 ? spans[n / 2] : (spans[n / 2 - 1] + spans[n / 2]) / 2, spans.front(), spans.back()};
}

class Editor {
 public:
  // Traced, the probe also hooks the sent messages, which costs the editor
  // time on each of them.
  Editor(const fs::path& exe, const fs::path& dir, bool traced) : program_(exe, dir) {
    if (!program_.Ok()) Fail("the editor did not start");
    main_ = program_.AwaitWindow(kTitle);
    if (!main_) Fail("the editor's main window did not appear");
    HookProbe(traced);
    if (!apps_test::Await(program_.Process(), [&] { return Found(); })) Fail("no main dialog with its fields and grid");
  }
  ~Editor() {
    PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    program_.Wait();
    for (HHOOK h : hooks_) UnhookWindowsHookEx(h);
  }

  // The span of one action started by posting; `input` is the message the
  // editor takes first.
  double Timed(UINT input, const std::function<void()>& post, bool trace = false) {
    AwaitIdle();
    Probe(editor_probe::kArm, input, trace ? 1 : 0);
    post();
    LRESULT span = -1;
    while ((span = Probe(editor_probe::kSpan)) < 0) {
      if (WaitForSingleObject(program_.Process(), 0) == WAIT_OBJECT_0) Fail("the editor ended");
    }
    return static_cast<double>(span) / 1000.0;
  }

  void AwaitIdle() {
    if (!apps_test::Await(program_.Process(), [&] { return Probe(editor_probe::kIdle) == 1; }))
      Fail("the editor did not come to rest");
    if (HWND box = FindBox()) Fail("the editor shows a box: " + apps_test::StaticTexts(box));
  }

  void Click(HWND h) {
    PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  }
  void Key(HWND h, WPARAM key) {
    PostMessageA(h, WM_KEYDOWN, key, 1);
    PostMessageA(h, WM_KEYUP, key, 0xC0000001);
  }
  // A click into the German field, the word typed key by key.
  void Type(const std::string& word) {
    Click(getDe_);
    AwaitIdle();
    for (unsigned char c : word) PostMessageA(getDe_, WM_CHAR, c, 1);
    AwaitIdle();
  }
  HWND Button(const std::string& caption) const {
    for (HWND h : all_)
      if (ClassOf(h) == "Button" && Text(h) == caption) return h;
    Fail("no button " + caption);
  }
  // "Datei > Wörterbuch öffnen" open with the given item selected, from the
  // keyboard: the dictionary items show pictures in place of their letters.
  HWND OpenDictionaryMenu(int item) {
    PostMessageA(main_, WM_SYSCOMMAND, SC_KEYMENU, 'd');
    AwaitIdle();
    Key(Popup(), VK_RIGHT);
    AwaitIdle();
    for (int i = 0; i < item; ++i) {
      Key(Popup(), VK_DOWN);
      AwaitIdle();
    }
    return Popup();
  }
  // The main dialog with its fields and grid, as shown now; a dictionary
  // switch makes it again.
  bool Found() {
    dialog_ = grid_ = getDe_ = nullptr;
    for (HWND h : Children(main_))
      if (ClassOf(h) == "#32770" && IsWindowVisible(h)) dialog_ = h;
    if (!dialog_) return false;
    all_ = Children(dialog_);
    std::vector<HWND> edits;
    for (HWND h : all_) {
      const std::string cls = ClassOf(h);
      if (cls == "Edit") edits.push_back(h);
      if (cls.find("TGBROWSE") != std::string::npos || cls.find("TGBrowse") != std::string::npos) grid_ = h;
    }
    if (edits.size() < 2 || !grid_) return false;
    RECT a{}, b{};
    GetWindowRect(edits[0], &a);
    GetWindowRect(edits[1], &b);
    getDe_ = a.left < b.left ? edits[0] : edits[1];
    return true;
  }

  HWND dialog_ = nullptr, grid_ = nullptr, getDe_ = nullptr;

 private:
  LRESULT Probe(UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(probe_, msg, wp, lp, SMTO_NORMAL, 60000, &result)) Fail("the probe did not answer");
    return static_cast<LRESULT>(result);
  }
  void HookProbe(bool traced) {
    HMODULE library = LoadLibraryA("editor_probe.dll");
    if (!library) Fail("editor_probe.dll not found beside the benchmark");
    const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
    const auto hook = [&](int kind, const char* name) {
      const auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, name)));
      const HHOOK h = SetWindowsHookExA(kind, proc, library, thread);
      if (!h) Fail("the probe could not be hooked into the editor");
      hooks_.push_back(h);
    };
    hook(WH_GETMESSAGE, editor_probe::kHookName);
    if (traced) {
      hook(WH_CALLWNDPROC, editor_probe::kSentHookName);
      hook(WH_CALLWNDPROCRET, editor_probe::kSentDoneHookName);
    }
    apps_test::Await(program_.Process(), [&] {
      PostMessageA(main_, WM_NULL, 0, 0);
      return (probe_ = FindWindowExA(HWND_MESSAGE, nullptr, editor_probe::kClass, nullptr)) != nullptr;
    });
    if (!probe_) Fail("the probe did not come up in the editor");
  }
  HWND Popup() const {
    HWND shown = nullptr;
    for (HWND h = FindWindowA("#32768", nullptr); h; h = FindWindowExA(nullptr, h, "#32768", nullptr))
      if (IsWindowVisible(h)) shown = h;
    if (!shown) Fail("no menu open");
    return shown;
  }
  HWND FindBox() const {
    DWORD pid = GetProcessId(program_.Process());
    for (HWND h = FindWindowA("#32770", nullptr); h; h = FindWindowExA(nullptr, h, "#32770", nullptr)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(h, &owner);
      if (owner == pid && IsWindowVisible(h) && GetParent(h) == nullptr) return h;
    }
    return nullptr;
  }

  apps_test::Started program_;
  HWND main_ = nullptr, probe_ = nullptr;
  std::vector<HHOOK> hooks_;
  std::vector<HWND> all_;
};

void Print(const char* what, const std::vector<double>& spans, double goal) {
  const Figures f = Of(spans);
  std::printf("%-11s %8.1f %8.1f %8.1f %8.0f  %s\n", what, f.median, f.least, f.most, goal,
              f.median < goal ? "met" : "MISSED");
}

// The traced run's messages as the probe wrote them: milliseconds since the
// input, T taken off the queue, S sent and D its return with the time spent.
void PrintTrace(const fs::path& dir, const char* what) {
  std::printf("trace of the last %s:\n%s\n", what, apps_test::FileBytes(dir / editor_probe::kTraceFile).c_str());
  fs::remove(dir / editor_probe::kTraceFile);
}

}  // namespace

int main(int argc, char** argv) {
  const bench::Options options(argc, argv);
  const fs::path dir = options.Text("--dir", ".");
  // The editor in the tables' folder, unless another is named.
  const fs::path exe = options.Text("--exe", (dir / "Dravonel.exe").string());
  const int runs = static_cast<int>(options.Number("--runs", 20));
  // search, letter, page or dictionary: its last run traced.
  const std::string traced = options.Text("--trace", "");
  const auto last = [&](int i, const char* what) { return i == runs - 1 && traced == what; };
  std::ofstream(dir / "VOSKDAR.INI", std::ios::binary) << "[Dravonel]\r\nSprache=DEUENG\r\nExtern=1\r\n";
  Editor e(exe, dir, !traced.empty());

  std::vector<double> search, letter, page, dictionary;
  const HWND searchButton = e.Button("&Suchen");
  for (int i = 0; i < runs; ++i) {
    e.Type(kWords[static_cast<std::size_t>(i) % std::size(kWords)]);
    search.push_back(e.Timed(WM_LBUTTONDOWN, [&] { e.Click(searchButton); }, last(i, "search")));
  }
  for (int i = 0; i < runs; ++i) {
    const HWND button = e.Button(std::string(1, kLetters[static_cast<std::size_t>(i) % (std::size(kLetters) - 1)]));
    letter.push_back(e.Timed(WM_LBUTTONDOWN, [&] { e.Click(button); }, last(i, "letter")));
  }
  e.Click(e.Button("M"));
  e.AwaitIdle();
  e.Click(e.grid_);
  for (int i = 0; i < runs; ++i)
    page.push_back(e.Timed(WM_KEYDOWN, [&] { e.Key(e.grid_, VK_NEXT); }, last(i, "page")));
  for (int i = 0; i < runs; ++i) {
    // French, then English again.
    const HWND popup = e.OpenDictionaryMenu(i % 2 == 0 ? 1 : 0);
    const HWND before = e.dialog_;
    dictionary.push_back(e.Timed(WM_KEYDOWN, [&] { e.Key(popup, VK_RETURN); }, last(i, "dictionary")));
    e.AwaitIdle();
    if (!e.Found() || e.dialog_ == before) Fail("the dictionary switch kept the old dialog");
  }

  if (!traced.empty()) PrintTrace(dir, traced.c_str());
  std::printf("the editor on the full tables, %d runs each; ms from the input taken to the last paint done\n", runs);
  std::printf("%-11s %8s %8s %8s %8s\n", "", "median", "min", "max", "goal");
  Print("search", search, 50);
  Print("letter", letter, 50);
  Print("page down", page, 20);
  Print("dictionary", dictionary, 200);
  return 0;
}
