// The HTML Help viewer (hhctrl.ocx), loaded the first time a topic is asked for and closed,
// with every help window it opened, when the owner of this object ends.
#pragma once

#include <windows.h>

#include <string>

#include "platform/unique_handle.h"

namespace gd {

class HtmlHelpViewer {
 public:
  HtmlHelpViewer() = default;
  ~HtmlHelpViewer();
  HtmlHelpViewer(const HtmlHelpViewer&) = delete;
  HtmlHelpViewer& operator=(const HtmlHelpViewer&) = delete;

  // Shows `topic` (a page's name inside the compiled help file, such as "start.htm") of
  // `helpFile`, with `owner` as the help window's owner. False when the viewer is not
  // installed or opened no window.
  bool ShowTopic(HWND owner, const std::string& helpFile, const std::string& topic);

 private:
  using HtmlHelpEntry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

  // Loads the viewer once; a system without it is not asked again.
  HtmlHelpEntry Entry();

  UniqueModule viewer_;
  HtmlHelpEntry entry_ = nullptr;
  bool tried_ = false;
};

}  // namespace gd
