// Registry access as the program uses it: each operation opens and closes its key, failures
// become the fixed sentinels "ERROR" (texts) and 10 (numbers), writes create missing keys.
#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gd {

enum class RegRoot { ClassesRoot, CurrentUser, LocalMachine };

// Error codes are the platform's (0 success, 2 not found, 5 access denied, 234 more data,
// 259 no more items); the in-memory store for tests uses the same numbers.
namespace regerr {
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidParameter = 87;
inline constexpr long kMoreData = 234;
inline constexpr long kNoMoreItems = 259;
}  // namespace regerr

namespace regtype {
inline constexpr std::uint32_t kString = 1;  // REG_SZ
inline constexpr std::uint32_t kExpandString = 2;  // REG_EXPAND_SZ
inline constexpr std::uint32_t kBinary = 3;  // REG_BINARY
inline constexpr std::uint32_t kDword = 4;   // REG_DWORD
}  // namespace regtype

inline constexpr std::string_view kRegTextSentinel = "ERROR";
inline constexpr std::uint32_t kRegNumberSentinel = 10;

using TextList = std::deque<std::string>;

// The primitive store under the helpers: the real registry, or a map in tests.
class RegistryBackend {
 public:
  virtual ~RegistryBackend() = default;

  struct QueryResult {
    long error = regerr::kFileNotFound;
    std::uint32_t type = 0;
    std::uint32_t size = 0;  // bytes copied, or bytes needed when error is kMoreData
  };
  struct SetResult {
    long openError = regerr::kFileNotFound;  // of opening the existing key for writing
    long setError = regerr::kFileNotFound;   // of setting the value, when the key opened
  };

  // Opens the key for reading and reads the value into `buffer`.
  virtual QueryResult QueryValue(RegRoot root, std::string_view key, std::string_view name,
                                 std::span<std::uint8_t> buffer) = 0;
  // Opens an existing key for writing and sets the value; never creates the key.
  virtual SetResult SetValue(RegRoot root, std::string_view key, std::string_view name,
                             std::uint32_t type, std::span<const std::uint8_t> data) = 0;
  virtual long CreateKey(RegRoot root, std::string_view key) = 0;
  virtual long DeleteKey(RegRoot root, std::string_view parent, std::string_view subkey) = 0;
  virtual long DeleteValue(RegRoot root, std::string_view key, std::string_view name) = 0;
  virtual bool KeyExists(RegRoot root, std::string_view key) = 0;
  // Enumerates the key's subkeys in the platform's order with a 256-byte name buffer,
  // stopping at the first error; returns the error of opening the key.
  virtual long EnumSubkeys(RegRoot root, std::string_view key,
                           std::vector<std::string>& names) = 0;
  // A REG_EXPAND_SZ text with the environment's variables put in, as the system does it.
  virtual std::string ExpandEnvironment(std::string_view text) = 0;
};

// The registry operations of the program, over any backend.
class Registry {
 public:
  explicit Registry(RegistryBackend& backend) : backend_(backend) {}

  static constexpr std::size_t kTextBufferSize = 260;
  static constexpr std::size_t kFirstByteBufferSize = 100;

  // A text value of at most 259 characters, or "ERROR" when it is missing or no text.
  std::string ReadText(RegRoot root, std::string_view key, std::string_view name);
  // The same text as the shell takes it: a REG_EXPAND_SZ value with its environment variables
  // expanded (cut to 259 characters), any other text as stored.
  std::string ReadShellText(RegRoot root, std::string_view key, std::string_view name);
  // A REG_DWORD value, or 10 when it is missing or of another type.
  std::uint32_t ReadNumber(RegRoot root, std::string_view key, std::string_view name);

  long WriteRegString(RegRoot root, std::string_view key, std::string_view name,
                      std::string_view text);
  long WriteRegNumber(RegRoot root, std::string_view key, std::string_view name,
                      std::uint32_t value);
  long ReadRegFirstByte(RegRoot root, std::string_view key, std::string_view name,
                        std::uint8_t& out);
  long CreateRegKey(RegRoot root, std::string_view key);
  long DeleteRegKey(RegRoot root, std::string_view parent, std::string_view subkey);
  long DeleteRegValue(RegRoot root, std::string_view key, std::string_view name);
  int RegKeyExists(RegRoot root, std::string_view key);
  int ListRegSubkeys(RegRoot root, std::string_view key, TextList& out);

 private:
  struct TypedText {
    std::string text;
    std::uint32_t type = 0;
  };
  TypedText ReadTypedText(RegRoot root, std::string_view key, std::string_view name);

  long WriteValue(RegRoot root, std::string_view key, std::string_view name, std::uint32_t type,
                  std::span<const std::uint8_t> data);

  RegistryBackend& backend_;
};

}  // namespace gd
