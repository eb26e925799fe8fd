// The registry operations' sentinels, buffer limits and key creation, checked on the in-memory
// store and, in the Windows build, on the real registry under a scratch key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry.h"
#include "support/memory_registry.h"

#ifdef _WIN32
#include <windows.h>
#include <shlwapi.h>

#include "platform/registry_win32.h"
#endif

namespace gd {
namespace {

constexpr RegRoot kRoot = RegRoot::CurrentUser;

// Raw bytes as another program would have stored them.
std::vector<std::uint8_t> TextBytes(const std::string& text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

struct MemoryStore {
  test::MemoryRegistry backend;
  Registry registry{backend};
  std::string scratch = "Software\\GlimmerdeckTests\\Contract";
  void PutRaw(const std::string& key, const std::string& name, std::uint32_t type,
              std::vector<std::uint8_t> data) {
    backend.Put(kRoot, key, name, type, std::move(data));
  }
};

#ifdef _WIN32
struct Win32Store {
  Win32Registry backend;
  Registry registry{backend};
  std::string scratch = "Software\\GlimmerdeckTests\\Contract" +
                        std::to_string(GetCurrentProcessId()) + "_" +
                        ::testing::UnitTest::GetInstance()->current_test_info()->name();
  Win32Store() { SHDeleteKeyA(HKEY_CURRENT_USER, scratch.c_str()); }
  ~Win32Store() { SHDeleteKeyA(HKEY_CURRENT_USER, scratch.c_str()); }
  void PutRaw(const std::string& key, const std::string& name, std::uint32_t type,
              std::vector<std::uint8_t> data) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, key.c_str(), &handle), ERROR_SUCCESS);
    RegSetValueExA(handle, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(handle);
  }
};
using Stores = ::testing::Types<MemoryStore, Win32Store>;
#else
using Stores = ::testing::Types<MemoryStore>;
#endif

template <typename Store>
class RegistryContract : public ::testing::Test {
 protected:
  Store store;
  Registry& reg() { return store.registry; }
  std::string Key(const std::string& sub = "") {
    return sub.empty() ? store.scratch : store.scratch + "\\" + sub;
  }
};
TYPED_TEST_SUITE(RegistryContract, Stores);

TYPED_TEST(RegistryContract, MissingKeysAndValuesGiveTheSentinels) {
  std::string text = "unchanged";
  EXPECT_NE(this->reg().ReadRegString(kRoot, this->Key("Nowhere"), "Value", text), 0);
  EXPECT_EQ(text, "ERROR");
  std::uint32_t number = 0;
  EXPECT_NE(this->reg().ReadRegNumber(kRoot, this->Key("Nowhere"), "Value", number), 0);
  EXPECT_EQ(number, 10u);
  std::uint8_t byte = 0;
  this->reg().ReadRegFirstByte(kRoot, this->Key("Nowhere"), "Value", byte);
  EXPECT_EQ(byte, 10);
  EXPECT_EQ(this->reg().RegKeyExists(kRoot, this->Key("Nowhere")), 0);
  TextList list{"kept"};
  EXPECT_EQ(this->reg().ListRegSubkeys(kRoot, this->Key("Nowhere"), list), 0);
  EXPECT_EQ(list, TextList{"kept"});
}

TYPED_TEST(RegistryContract, StoredSentinelValuesReadLikeMissingOnes) {
  this->reg().WriteRegString(kRoot, this->Key(), "Text", "ERROR");
  this->reg().WriteRegNumber(kRoot, this->Key(), "Number", 10);
  EXPECT_EQ(this->reg().ReadText(kRoot, this->Key(), "Text"),
            this->reg().ReadText(kRoot, this->Key(), "Missing"));
  EXPECT_EQ(this->reg().ReadNumber(kRoot, this->Key(), "Number"),
            this->reg().ReadNumber(kRoot, this->Key(), "Missing"));
}

TYPED_TEST(RegistryContract, WritingCreatesEveryMissingParent) {
  const std::string deep = this->Key("A\\B\\C");
  // The first opening failed, and that is what the write reports, but the value is there.
  EXPECT_EQ(this->reg().WriteRegString(kRoot, deep, "Name", "value"), 2);
  EXPECT_EQ(this->reg().ReadText(kRoot, deep, "Name"), "value");
  EXPECT_EQ(this->reg().WriteRegNumber(kRoot, this->Key("D\\E"), "N", 7), 2);
  EXPECT_EQ(this->reg().ReadNumber(kRoot, this->Key("D\\E"), "N"), 7u);
  // Into an existing key the write reports its own success.
  EXPECT_EQ(this->reg().WriteRegString(kRoot, deep, "Other", "x"), 0);
  EXPECT_EQ(this->reg().WriteRegNumber(kRoot, deep, "Max", 0xFFFFFFFFu), 0);
  EXPECT_EQ(this->reg().ReadNumber(kRoot, deep, "Max"), 0xFFFFFFFFu);
}

TYPED_TEST(RegistryContract, TextsUpTo259CharactersFitAndLongerOnesDoNot) {
  const std::string fits(259, 'x');
  const std::string tooLong(260, 'y');
  this->reg().WriteRegString(kRoot, this->Key(), "Fits", fits);
  this->reg().WriteRegString(kRoot, this->Key(), "TooLong", tooLong);
  this->reg().WriteRegString(kRoot, this->Key(), "Huge", std::string(300, 'z'));
  EXPECT_EQ(this->reg().ReadText(kRoot, this->Key(), "Fits"), fits);
  std::string out;
  EXPECT_NE(this->reg().ReadRegString(kRoot, this->Key(), "TooLong", out), 0);
  EXPECT_EQ(out, "ERROR");
  EXPECT_EQ(this->reg().ReadText(kRoot, this->Key(), "Huge"), "ERROR");
}

TYPED_TEST(RegistryContract, ValuesOfTheWrongTypeOrSizeGiveTheSentinels) {
  this->store.PutRaw(this->Key(), "Dword", 4, {1, 0, 0, 0});
  this->store.PutRaw(this->Key(), "Text4", 1, TextBytes("abc"));  // four bytes with its NUL
  this->store.PutRaw(this->Key(), "Short", 3, {1, 2});
  this->store.PutRaw(this->Key(), "Long", 3, {1, 2, 3, 4, 5, 6, 7, 8});
  this->store.PutRaw(this->Key(), "Expand", 2, TextBytes("%SystemRoot%\\a.dll,3"));
  this->store.PutRaw(this->Key(), "Embedded", 1, {'a', 'b', 0, 'c', 'd', 0});
  EXPECT_EQ(this->reg().ReadText(kRoot, this->Key(), "Dword"), "ERROR");
  EXPECT_EQ(this->reg().ReadNumber(kRoot, this->Key(), "Text4"), 10u);
  EXPECT_EQ(this->reg().ReadNumber(kRoot, this->Key(), "Short"), 10u);
  EXPECT_EQ(this->reg().ReadNumber(kRoot, this->Key(), "Long"), 10u);
  EXPECT_EQ(this->reg().ReadText(kRoot, this->Key(), "Expand"), "%SystemRoot%\\a.dll,3");
  EXPECT_EQ(this->reg().ReadText(kRoot, this->Key(), "Embedded"), "ab");
}

TYPED_TEST(RegistryContract, FirstByteReadsPolicySwitchesOfAnyShape) {
  this->store.PutRaw(this->Key(), "Binary", 3, {1, 0, 0, 0});
  this->store.PutRaw(this->Key(), "Dword", 4, {0, 0, 0, 0});
  std::vector<std::uint8_t> big(150, 0x7F);
  this->store.PutRaw(this->Key(), "TooBig", 3, big);
  std::uint8_t byte = 0;
  EXPECT_EQ(this->reg().ReadRegFirstByte(kRoot, this->Key(), "Binary", byte), 0);
  EXPECT_EQ(byte, 1);
  EXPECT_EQ(this->reg().ReadRegFirstByte(kRoot, this->Key(), "Dword", byte), 0);
  EXPECT_EQ(byte, 0);
  this->reg().ReadRegFirstByte(kRoot, this->Key(), "TooBig", byte);
  EXPECT_EQ(byte, 10);
}

TYPED_TEST(RegistryContract, SubkeysAreListedInReverseEnumerationOrder) {
  for (const char* name : {"Alpha", "Bravo", "Charlie"}) {
    EXPECT_EQ(this->reg().CreateRegKey(kRoot, this->Key(std::string("List\\") + name)), 0);
  }
  TextList list;
  EXPECT_EQ(this->reg().ListRegSubkeys(kRoot, this->Key("List"), list), 1);
  EXPECT_EQ(list, (TextList{"Charlie", "Bravo", "Alpha"}));
  EXPECT_EQ(this->reg().RegKeyExists(kRoot, this->Key("list\\BRAVO")), 1);
}

TYPED_TEST(RegistryContract, DeletingValuesAndKeys) {
  this->reg().WriteRegString(kRoot, this->Key("Gone"), "V", "x");
  this->reg().CreateRegKey(kRoot, this->Key("Parent\\Child"));
  EXPECT_EQ(this->reg().DeleteRegValue(kRoot, this->Key("Gone"), "V"), 0);
  EXPECT_EQ(this->reg().ReadText(kRoot, this->Key("Gone"), "V"), "ERROR");
  EXPECT_NE(this->reg().DeleteRegValue(kRoot, this->Key("Gone"), "V"), 0);
  EXPECT_EQ(this->reg().DeleteRegKey(kRoot, this->Key(), "Gone"), 0);
  EXPECT_EQ(this->reg().RegKeyExists(kRoot, this->Key("Gone")), 0);
  EXPECT_EQ(this->reg().DeleteRegKey(kRoot, this->Key("Parent"), "Child"), 0);
  EXPECT_EQ(this->reg().RegKeyExists(kRoot, this->Key("Parent")), 1);
}

// The write rule on access denied needs a key the test cannot write; the in-memory store
// can refuse on purpose.
TEST(RegistryWrite, AccessDeniedWritesNothingAndCreatesNothing) {
  test::MemoryRegistry backend;
  Registry registry(backend);
  backend.DenyWrites(RegRoot::LocalMachine, "Software\\Locked");
  EXPECT_EQ(registry.WriteRegString(RegRoot::LocalMachine, "Software\\Locked", "V", "x"), 5);
  EXPECT_EQ(registry.ReadText(RegRoot::LocalMachine, "Software\\Locked", "V"), "ERROR");
  EXPECT_EQ(registry.WriteRegNumber(RegRoot::LocalMachine, "Software\\Locked", "N", 1), 5);
  EXPECT_EQ(registry.ReadNumber(RegRoot::LocalMachine, "Software\\Locked", "N"), 10u);
}

}  // namespace
}  // namespace gd
