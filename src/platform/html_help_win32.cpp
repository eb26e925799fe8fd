// The HTML Help viewer, reached through hhctrl.ocx's HtmlHelpA without an import library, so
// that the program starts on systems that lack it.
#include "platform/html_help_win32.h"

// The header gives the command numbers only: nothing of it is linked.
#include <htmlhelp.h>

namespace gd {

HtmlHelpViewer::~HtmlHelpViewer() {
  // Help windows live in this process: they must be gone before their code is unloaded.
  if (entry_) entry_(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

HtmlHelpViewer::HtmlHelpEntry HtmlHelpViewer::Entry() {
  if (!tried_) {
    tried_ = true;
    viewer_.reset(LoadLibraryA("hhctrl.ocx"));
    if (viewer_) {
      entry_ = reinterpret_cast<HtmlHelpEntry>(
          reinterpret_cast<void*>(GetProcAddress(viewer_.get(), "HtmlHelpA")));
    }
  }
  return entry_;
}

bool HtmlHelpViewer::ShowTopic(HWND owner, const std::string& helpFile, const std::string& topic) {
  const HtmlHelpEntry entry = Entry();
  if (!entry) return false;
  const std::string address = helpFile + "::/" + topic;
  return entry(owner, address.c_str(), HH_DISPLAY_TOPIC, 0) != nullptr;
}

}  // namespace gd
