// The exports every in-process COM server has: the class object, the unload question, and
// self-registration.
#include <windows.h>
#include <objbase.h>

#include <new>

#include "companions/include/proptab.h"
#include "companions/proptab/class_factory_win32.h"
#include "companions/proptab/module_win32.h"
#include "companions/proptab/registration_win32.h"

extern "C" {

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    gd::proptab::SetModuleHandle(module);
    DisableThreadLibraryCalls(module);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(classId, gd::proptab::kClass)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new (std::nothrow) gd::proptab::ClassFactory();
  if (factory == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = factory->QueryInterface(id, object);
  factory->Release();
  return result;
}

STDAPI DllCanUnloadNow() { return gd::proptab::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() {
  try {
    return gd::proptab::RegisterTab(gd::proptab::ModulePath());
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

STDAPI DllUnregisterServer() {
  try {
    return gd::proptab::UnregisterTab();
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

}  // extern "C"
