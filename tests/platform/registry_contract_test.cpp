// The registry operations' sentinels, type rules, buffer limits and write algorithm, checked on
// the in-memory store and, in the Windows build, on the real registry under a scratch key.
#include <gtest/gtest.h>

#include "platform/registry.h"
#include "support/memory_registry.h"

#ifdef _WIN32
#include <windows.h>
#include <shlwapi.h>

#include "platform/registry_win32.h"
#endif

namespace gd {
namespace {

constexpr RegRoot kUser = RegRoot::CurrentUser;
using Data = std::vector<std::uint8_t>;

struct MemoryStore {
  test::MemoryRegistry backend;
  std::string key = "Software\\GlimmerdeckTests\\Contract";
  // Bytes of any type, as another program would have stored them.
  void PutRaw(const char* name, std::uint32_t type, Data data) { backend.Put(kUser, key, name, type, std::move(data)); }
  void SetVariable(const std::string& name, const std::string& value) { backend.environment[name] = value; }
};
#ifdef _WIN32
struct Win32Store {
  Win32Registry backend;
  std::string key = "Software\\GlimmerdeckTests\\Contract" + std::to_string(GetCurrentProcessId());
  ~Win32Store() { SHDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }
  void PutRaw(const char* name, std::uint32_t type, Data data) {
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), name, type, data.data(), static_cast<DWORD>(data.size()));
  }
  void SetVariable(const std::string& name, const std::string& value) { SetEnvironmentVariableA(name.c_str(), value.c_str()); }
};
using Stores = ::testing::Types<MemoryStore, Win32Store>;
#else
using Stores = ::testing::Types<MemoryStore>;
#endif

template <typename Store>
class RegistryContract : public ::testing::Test {
 protected:
  Store store;
  Registry reg{store.backend};
  std::string Key(const std::string& sub) { return store.key + "\\" + sub; }
};
TYPED_TEST_SUITE(RegistryContract, Stores);

TYPED_TEST(RegistryContract, MissingKeysAndValuesGiveTheSentinels) {
  const std::string text = this->reg.ReadText(kUser, this->Key("Nowhere"), "Value");
  const std::uint32_t number = this->reg.ReadNumber(kUser, this->Key("Nowhere"), "Value");
  std::uint8_t byte = 0;
  TextList list{"kept"};
  EXPECT_EQ(this->reg.ReadRegFirstByte(kUser, this->Key("Nowhere"), "Value", byte), 2);
  EXPECT_EQ(this->reg.ListRegSubkeys(kUser, this->Key("Nowhere"), list), 0);
  EXPECT_EQ(this->reg.RegKeyExists(kUser, this->Key("Nowhere")), 0);
  EXPECT_EQ(text + "," + std::to_string(number) + "," + std::to_string(byte) + "," + list.at(0), "ERROR,10,10,kept");
}

// The first opening fails, and that is what the write reports, but the value is there.
TYPED_TEST(RegistryContract, WritingCreatesEveryMissingParentAndReportsTheFirstOpening) {
  EXPECT_EQ(this->reg.WriteRegString(kUser, this->Key("A\\B\\C"), "Name", "value"), 2);
  EXPECT_EQ(this->reg.ReadText(kUser, this->Key("A\\B\\C"), "Name"), "value");
  EXPECT_EQ(this->reg.WriteRegNumber(kUser, this->Key("D\\E"), "N", 7), 2);
  EXPECT_EQ(this->reg.ReadNumber(kUser, this->Key("D\\E"), "N"), 7u);
  EXPECT_EQ(this->reg.WriteRegNumber(kUser, this->Key("A\\B\\C"), "Max", 0xFFFFFFFFu), 0);
  EXPECT_EQ(this->reg.ReadNumber(kUser, this->Key("A\\B\\C"), "Max"), 0xFFFFFFFFu);
}

TYPED_TEST(RegistryContract, TypesSizesAndTheTextBuffer) {
  this->reg.WriteRegString(kUser, this->store.key, "Fits", std::string(259, 'x'));
  this->reg.WriteRegString(kUser, this->store.key, "TooLong", std::string(260, 'y'));
  for (auto [name, type, data] : {std::tuple<const char*, std::uint32_t, Data>{"Dword", 4, {0, 0, 0, 0}},
                                  {"Text4", 1, {'a', 'b', 'c', 0}}, {"Short", 3, {1, 2}}, {"Long", 3, Data(8, 1)},
                                  {"Expand", 2, {'%', 'S', '%', 0}}, {"Embedded", 1, {'a', 'b', 0, 'c', 'd', 0}},
                                  {"Binary", 3, {1, 0, 0, 0}}, {"TooBig", 3, Data(150, 0x7F)},
                                  {"NoZero", 1, {'a', 'b', 'c'}}}) {
    this->store.PutRaw(name, type, data);
  }
  const auto text = [&](const char* name) { return this->reg.ReadText(kUser, this->store.key, name); };
  const auto number = [&](const char* name) { return this->reg.ReadNumber(kUser, this->store.key, name); };
  const auto firstByte = [&](const char* name, std::uint8_t byte = 0) {
    return this->reg.ReadRegFirstByte(kUser, this->store.key, name, byte), byte;
  };
  EXPECT_EQ(text("Fits"), std::string(259, 'x'));
  EXPECT_EQ(text("TooLong"), "ERROR");
  EXPECT_EQ(text("Dword"), "ERROR");
  EXPECT_EQ(text("Expand"), "%S%") << "read as stored";
  // As the shell takes it: expandable texts with their variables put in, others as stored.
  this->store.SetVariable("S", "C:\\Stuff");
  EXPECT_EQ(this->reg.ReadShellText(kUser, this->store.key, "Expand"), "C:\\Stuff");
  EXPECT_EQ(this->reg.ReadShellText(kUser, this->store.key, "Text4"), "abc");
  EXPECT_EQ(text("Embedded"), "ab");
  EXPECT_EQ(text("NoZero"), "abc") << "stored without its terminating zero";
  EXPECT_EQ(number("Text4"), 0x00636261u) << "four bytes of any type";
  EXPECT_EQ(number("Binary"), 1u) << "as installations keep \"Attributes\"";
  EXPECT_EQ(number("Short"), 10u);
  EXPECT_EQ(number("Long"), 10u);
  EXPECT_EQ(firstByte("Binary"), 1);
  EXPECT_EQ(firstByte("Dword"), 0);
  EXPECT_EQ(firstByte("TooBig"), 10) << "more than 100 bytes";
}

TYPED_TEST(RegistryContract, SubkeysListInReverseOrderAndDeleteOneLevelAtATime) {
  for (const char* name : {"Alpha", "Bravo", "Charlie"}) EXPECT_EQ(this->reg.CreateRegKey(kUser, this->Key(name)), 0);
  TextList list;
  EXPECT_EQ(this->reg.ListRegSubkeys(kUser, this->store.key, list), 1);
  EXPECT_EQ(list, (TextList{"Charlie", "Bravo", "Alpha"}));
  EXPECT_EQ(this->reg.RegKeyExists(kUser, this->Key("BRAVO")), 1);
  this->reg.WriteRegString(kUser, this->Key("Alpha\\Sub"), "V", "x");
  EXPECT_EQ(this->reg.DeleteRegValue(kUser, this->Key("Alpha\\Sub"), "V"), 0);
  EXPECT_NE(this->reg.DeleteRegValue(kUser, this->Key("Alpha\\Sub"), "V"), 0);
  EXPECT_EQ(this->reg.DeleteRegKey(kUser, this->Key("Alpha"), "Sub"), 0);
  EXPECT_EQ(this->reg.RegKeyExists(kUser, this->Key("Alpha\\Sub")), 0);
  EXPECT_EQ(this->reg.RegKeyExists(kUser, this->Key("Alpha")), 1);
}

// Access denied needs a key the test cannot write; the in-memory store refuses on purpose.
TEST(RegistryWrite, AccessDeniedWritesNothingAndCreatesNothing) {
  test::MemoryRegistry backend;
  Registry registry(backend);
  backend.DenyWrites(RegRoot::LocalMachine, "Locked");
  EXPECT_EQ(registry.WriteRegString(RegRoot::LocalMachine, "Locked", "V", "x"), 5);
  EXPECT_EQ(registry.ReadText(RegRoot::LocalMachine, "Locked", "V"), "ERROR");
  EXPECT_EQ(registry.WriteRegNumber(RegRoot::LocalMachine, "Locked\\Sub", "N", 1), 2) << "missing, and not made";
  EXPECT_EQ(registry.RegKeyExists(RegRoot::LocalMachine, "Locked\\Sub"), 0);
}

}  // namespace
}  // namespace gd
