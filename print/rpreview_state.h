#pragma once
// What the open print preview keeps between its actions: one preview at a
// time, so one record for the whole program.

#include <cstdint>
#include <memory>
#include <string>

#include "core/twindow.h"
#include "print/tmetafile.h"
#include "print/tprinter.h"
#include "runtime/value.h"

namespace prn::preview {

// The preview's resource library: texts, pictures, cursor and dialogs.
inline constexpr const char* kLibrary = "Prev32.dll";

// Text numbers in the resource library.
enum Text : int {
  kBarText = 3,
  kTopPrompt = 7,  // 7-16: prompts of Top, Previous, Next, Bottom, Zoom, UnZoom, Two pages, One page, Print, Exit
  kZoomPrompt = 11,
  kUnZoomPrompt = 12,
  kTwoPagesPrompt = 13,
  kOnePagePrompt = 14,
  kPrintPrompt = 15,
  kExitPrompt = 16,
  kFileMenu = 17,
  kPageMenu = 18,
  kPagePrefix = 19,
  kAlreadyOpen = 20,
  kTopMessage = 21,  // 21-30: messages of the same ten actions
  kZoomMessage = 25,
  kUnZoomMessage = 26,
  kTwoPagesMessage = 27,
  kOnePageMessage = 28,
  kPrintMessage = 29,
  kExitMessage = 30,
};

struct State {
  std::shared_ptr<core::TWindow> window;
  TPrinterPtr device;
  std::shared_ptr<TMetaFile> left, right;
  rt::Value pageLabel, twoPagesButton, zoomButton, bar;
  rt::Value zoomItem, unZoomItem, twoPagesItem, onePageItem;
  rt::Value factorCombo;
  rt::Value factorItems = rt::Value::Array();
  rt::Value font, handCursor, lupaCursor;
  int page = 1;
  int factor = 1;
  bool twoPages = false;
  bool zoomed = false;
  // Set when the window has closed (or the wait gave up on it).
  bool finished = true;
};

State& Current();

// A preview whose window, pages and device are all there.
bool IsOpen();

// The page files of the device, page 1 first.
int PageCount();
std::string PageFile(int page);

// A text of the resource library, loaded with the library as the resource
// module; "&" taken out when asked (the tool tips).
std::string LibraryText(int id, bool withoutAmpersand = false);

// Makes the library the resource module; false when it cannot be loaded.
// The module it replaces goes to previous, which RestoreResources puts back.
bool UseLibrary(std::intptr_t& previous);
void RestoreResources(std::intptr_t previous);

// Makes the library the resource module for as long as it lives, and puts
// the previous one back.
class LibraryResources {
 public:
  LibraryResources();
  ~LibraryResources();
  LibraryResources(const LibraryResources&) = delete;
  LibraryResources& operator=(const LibraryResources&) = delete;
  bool Loaded() const { return loaded_; }

 private:
  std::intptr_t previous_;
  bool loaded_;
};

// The page label's text for the current page.
std::string PageLabelText();
void ShowPageLabel();

// The window, the bar and the menu.
rt::Value BUILDMENU();
void BuildBar(State& s);
void BuildPages(State& s);

// Closes the preview window (its valid block finishes the preview).
void ExitPreview();

// Ends the page controls, the device and the cursors and forgets the
// window; once.
void Finish();

}  // namespace prn::preview
