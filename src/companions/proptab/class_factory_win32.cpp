// Making extension objects; aggregation is not offered.
#include "companions/proptab/class_factory_win32.h"

#include <new>

#include "companions/proptab/icon_tab_extension_win32.h"
#include "companions/proptab/module_win32.h"

namespace gd::proptab {

ClassFactory::ClassFactory() { HoldModule(); }
ClassFactory::~ClassFactory() { ReleaseModule(); }

HRESULT STDMETHODCALLTYPE ClassFactory::QueryInterface(REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (!IsEqualIID(id, IID_IUnknown) && !IsEqualIID(id, IID_IClassFactory)) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IClassFactory*>(this);
  AddRef();
  return S_OK;
}

ULONG STDMETHODCALLTYPE ClassFactory::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE ClassFactory::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  auto* extension = new (std::nothrow) IconTabExtension();
  if (extension == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = extension->QueryInterface(id, object);
  extension->Release();  // the caller's reference, if any, is the one that remains
  return result;
}

HRESULT STDMETHODCALLTYPE ClassFactory::LockServer(BOOL lock) {
  if (lock) HoldModule();
  else ReleaseModule();
  return S_OK;
}

}  // namespace gd::proptab
