// The shell extension object: told the selection by IShellExtInit, it adds the "Icon" page
// through IShellPropSheetExt when exactly one item was selected.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <optional>

#include "companions/proptab/selected_item_win32.h"

namespace gd::proptab {

class IconTabExtension final : public IShellExtInit, public IShellPropSheetExt {
 public:
  IconTabExtension();
  ~IconTabExtension();
  IconTabExtension(const IconTabExtension&) = delete;
  IconTabExtension& operator=(const IconTabExtension&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY typeKey) override;

  HRESULT STDMETHODCALLTYPE AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM sheet) override;
  HRESULT STDMETHODCALLTYPE ReplacePage(EXPPS page, LPFNSVADDPROPSHEETPAGE replaceWith, LPARAM sheet) override;

 private:
  volatile LONG references_ = 1;
  std::optional<SelectedItem> item_;
};

}  // namespace gd::proptab
