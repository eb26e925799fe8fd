// proptab.dll loaded from beside the test program, and a real property sheet holding the
// pages that its extension object adds for one path.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "companions/include/proptab.h"
#include "platform/com.h"
#include "platform/unique_handle.h"

namespace gd::test {

inline std::string BesideTests(const std::string& name) {
  char path[MAX_PATH];
  const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return program.substr(0, program.rfind('\\') + 1) + name;
}

struct ProptabDll {
  UniqueModule module{LoadLibraryA(BesideTests("proptab.dll").c_str())};
  template <typename Function>
  Function Export(const char* name) const {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
  }
  HRESULT Call(const char* name) const { return Export<HRESULT(STDAPICALLTYPE*)()>(name)(); }
  ComPtr<IShellExtInit> Create() const {
    ComPtr<IClassFactory> factory;
    ComPtr<IShellExtInit> extension;
    const auto get = Export<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>("DllGetClassObject");
    if (SUCCEEDED(get(proptab::kClass, IID_IClassFactory, factory.out()))) {
      factory->CreateInstance(nullptr, IID_IShellExtInit, extension.out());
    }
    return extension;
  }
};

// The shell's own data object for items of one folder, as Explorer hands it to extensions.
inline ComPtr<IDataObject> ShellDataObject(const std::string& folder, const std::vector<std::string>& names) {
  ComPtr<IShellFolder> desktop, parent;
  ComPtr<IDataObject> data;
  SHGetDesktopFolder(reinterpret_cast<IShellFolder**>(desktop.out()));
  const auto parse = [](IShellFolder* in, const std::string& name) {
    std::wstring wide(name.begin(), name.end());
    PIDLIST_RELATIVE pidl = nullptr;
    in->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &pidl, nullptr);
    return pidl;
  };
  PIDLIST_RELATIVE folderPidl = parse(desktop.get(), folder);
  if (folderPidl && SUCCEEDED(desktop->BindToObject(folderPidl, nullptr, IID_IShellFolder, parent.out()))) {
    std::vector<PCUITEMID_CHILD> children;
    for (const std::string& name : names) children.push_back(parse(parent.get(), name));
    parent->GetUIObjectOf(nullptr, static_cast<UINT>(children.size()), children.data(), IID_IDataObject, nullptr,
                          data.out());
    for (PCUITEMID_CHILD child : children) CoTaskMemFree(const_cast<ITEMIDLIST*>(child));
  }
  CoTaskMemFree(folderPidl);
  return data;
}

// A modeless sheet with the pages the extension added for the items; destroyed at the end.
class Sheet {
 public:
  Sheet(const ProptabDll& dll, const std::string& folder, const std::vector<std::string>& names) {
    ComPtr<IShellExtInit> extension = dll.Create();
    ComPtr<IShellPropSheetExt> pages;
    const ComPtr<IDataObject> data = ShellDataObject(folder, names);
    if (!extension || !data || FAILED(extension->Initialize(nullptr, data.get(), nullptr)) ||
        FAILED(extension->QueryInterface(IID_IShellPropSheetExt, pages.out()))) {
      return;
    }
    pages->AddPages(&Sheet::Add, reinterpret_cast<LPARAM>(&pages_));
    if (pages_.empty()) return;
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = "Test sheet";
    header.nPages = static_cast<UINT>(pages_.size());
    header.phpage = pages_.data();
    window_ = reinterpret_cast<HWND>(PropertySheetA(&header));
  }
  ~Sheet() {
    if (window_) DestroyWindow(window_);
  }
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;

  std::size_t pageCount() const { return pages_.size(); }
  HWND window() const { return window_; }
  HWND page() const { return PropSheet_GetCurrentPageHwnd(window_); }
  HWND Item(int id) const { return GetDlgItem(page(), id); }
  std::string Text(int id) const {
    char text[1024] = {};
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
  }
  // Clicks a button of the page, then presses the sheet's Apply; false when a page refused.
  void Click(int id) const { SendMessageA(Item(id), BM_CLICK, 0, 0); }
  bool Apply() const { return PropSheet_Apply(window_) != FALSE; }

 private:
  static BOOL CALLBACK Add(HPROPSHEETPAGE page, LPARAM pages) {
    reinterpret_cast<std::vector<HPROPSHEETPAGE>*>(pages)->push_back(page);
    return TRUE;
  }
  std::vector<HPROPSHEETPAGE> pages_;
  HWND window_ = nullptr;
};

}  // namespace gd::test
