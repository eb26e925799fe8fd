// The extension object's COM methods; each catches what the code below it may throw.
#include "companions/proptab/icon_tab_extension_win32.h"

#include "companions/proptab/icon_page_win32.h"
#include "companions/proptab/module_win32.h"

namespace gd::proptab {

IconTabExtension::IconTabExtension() { HoldModule(); }
IconTabExtension::~IconTabExtension() { ReleaseModule(); }

HRESULT STDMETHODCALLTYPE IconTabExtension::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IShellExtInit)) {
    *object = static_cast<IShellExtInit*>(this);
  } else if (IsEqualIID(id, IID_IShellPropSheetExt)) {
    *object = static_cast<IShellPropSheetExt*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE IconTabExtension::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE IconTabExtension::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE IconTabExtension::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
  try {
    item_ = ReadSelectedItem(data);
    return S_OK;
  } catch (...) {
    item_.reset();
    return E_OUTOFMEMORY;
  }
}

HRESULT STDMETHODCALLTYPE IconTabExtension::AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM sheet) {
  // Several items, or none with a path, get no tab.
  if (!item_ || addPage == nullptr) return S_OK;
  try {
    const HPROPSHEETPAGE page = CreateIconPage(*item_);
    if (page == nullptr) return E_OUTOFMEMORY;
    if (!addPage(page, sheet)) DestroyPropertySheetPage(page);
    return S_OK;
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

HRESULT STDMETHODCALLTYPE IconTabExtension::ReplacePage(EXPPS, LPFNSVADDPROPSHEETPAGE, LPARAM) { return E_NOTIMPL; }

}  // namespace gd::proptab
