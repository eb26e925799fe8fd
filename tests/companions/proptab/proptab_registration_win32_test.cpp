// Registering proptab.dll twice and taking it out twice: the class, the three handler keys
// and the approval, read back from the registry; COM then creates the object from them; and
// nothing of ours is left afterwards while the neighbours' keys stay.
#include "companions/proptab/proptab_harness_win32.h"

#include <shlwapi.h>

namespace gd::test {
namespace {

const std::string kClassKey = std::string("CLSID\\") + proptab::kClassId;
const std::string kApproved = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const std::string kNeighbour = "*\\shellex\\PropertySheetHandlers\\GdNeighbour";

std::string Handler(const std::string& type) {
  return type + "\\shellex\\PropertySheetHandlers\\" + proptab::kClassId;
}

bool KeyExists(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

// A string value, or "(missing)".
std::string Value(HKEY root, const std::string& key, const char* name) {
  HKEY opened = nullptr;
  char text[MAX_PATH] = {};
  DWORD size = sizeof text - 1, type = 0;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return "(missing)";
  const LONG result = RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(opened);
  return result == ERROR_SUCCESS && type == REG_SZ ? text : "(missing)";
}

TEST(ProptabRegistration, TwiceInAndTwiceOutLeavesExactlyOursThenNothingOfOurs) {
  const ProptabDll dll;
  ASSERT_TRUE(dll.module) << "proptab.dll beside the test program";
  char path[MAX_PATH];
  const std::string dllPath(path, GetModuleFileNameA(dll.module.get(), path, MAX_PATH));
  HKEY neighbour = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, kNeighbour.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &neighbour, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(neighbour);

  EXPECT_EQ(dll.Call("DllRegisterServer"), S_OK);
  EXPECT_EQ(dll.Call("DllRegisterServer"), S_OK);
  EXPECT_EQ(Value(HKEY_CLASSES_ROOT, kClassKey, nullptr), "Glimmerdeck Icon Tab");
  EXPECT_EQ(Value(HKEY_CLASSES_ROOT, kClassKey + "\\InprocServer32", nullptr), dllPath);
  EXPECT_EQ(Value(HKEY_CLASSES_ROOT, kClassKey + "\\InprocServer32", "ThreadingModel"), "Apartment");
  for (const char* type : {"*", "Directory", "Drive"}) EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, Handler(type))) << type;
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, proptab::kFileHandlerKey));
  EXPECT_NE(Value(HKEY_LOCAL_MACHINE, kApproved, proptab::kClassId), "(missing)") << "approved on NT";
  {
    // COM finds the server by the registration alone.
    ComScope com;
    ComPtr<IShellPropSheetExt> extension;
    EXPECT_EQ(CoCreateInstance(proptab::kClass, nullptr, CLSCTX_INPROC_SERVER, IID_IShellPropSheetExt, extension.out()),
              S_OK);
  }

  EXPECT_EQ(dll.Call("DllUnregisterServer"), S_OK);
  EXPECT_EQ(dll.Call("DllUnregisterServer"), S_OK);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  for (const char* type : {"*", "Directory", "Drive"}) EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, Handler(type))) << type;
  EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, kApproved, proptab::kClassId), "(missing)");
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kNeighbour)) << "another handler beside ours stays";
  SHDeleteKeyA(HKEY_CLASSES_ROOT, kNeighbour.c_str());
}

}  // namespace
}  // namespace gd::test
