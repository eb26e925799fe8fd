// A record of every place a run writes (registry values and keys, INI entries, shortcuts,
// system images), with old and new value and whether the write took, for the console's
// listing; in a dry run the same record is made and nothing is written.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ini.h"
#include "platform/registry.h"
#include "platform/shell_queries.h"
#include "system/system_effects.h"

namespace gd {

enum class WriteOutcome {
  Done,    // written
  Failed,  // the store refused; the place keeps its old value
  DryRun,  // not written: the run only lists what it would do
};

struct JournalEntry {
  std::string place;  // "HKEY_LOCAL_MACHINE\<key>", an INI or shortcut file, or an image list
  std::string item;   // the value name ("@" for the key's default value), "[section] key", ...
  std::optional<std::string> oldValue;  // none: the place held nothing
  std::optional<std::string> newValue;  // none: the write removes the place
  WriteOutcome outcome = WriteOutcome::Done;
};

class WriteJournal {
 public:
  explicit WriteJournal(bool dryRun = false) : dryRun_(dryRun) {}
  bool dryRun() const { return dryRun_; }

  std::size_t Add(JournalEntry entry);
  JournalEntry& at(std::size_t index) { return entries_.at(index); }
  const std::vector<JournalEntry>& entries() const { return entries_; }
  // Entries with that outcome.
  std::size_t Count(WriteOutcome outcome) const;

 private:
  bool dryRun_;
  std::vector<JournalEntry> entries_;
};

// "<place>\t<item>\t<old>\t<new>\t<outcome>", one line without its line end: a missing old or
// new value shows as "(none)", the outcome as "done", "FAILED" or "dry run"; a tab or line
// break inside a field is written as \t, \n or \r, so that a line stays one line.
std::string FormatJournalLine(const JournalEntry& entry);

std::string RegRootName(RegRoot root);

// Records the writes made through it into the journal and forwards them to `inner`, or in a
// dry run keeps them to itself. Reads go to `inner`, except that in a dry run a value this
// decorator pretended to write (or delete) reads back as written, so later steps of the same
// run decide as they would after a real write. Listing subkeys is not overlaid.
//
// A write to a missing key is one entry: the registry operations try the existing key, create
// it and try again, and the retry completes the entry of the first try.
class JournalRegistry final : public RegistryBackend {
 public:
  JournalRegistry(RegistryBackend& inner, WriteJournal& journal)
      : inner_(inner), journal_(journal) {}

  QueryResult QueryValue(RegRoot root, std::string_view key, std::string_view name,
                         std::span<std::uint8_t> buffer) override;
  SetResult SetValue(RegRoot root, std::string_view key, std::string_view name, std::uint32_t type,
                     std::span<const std::uint8_t> data) override;
  long CreateKey(RegRoot root, std::string_view key) override;
  long DeleteKey(RegRoot root, std::string_view parent, std::string_view subkey) override;
  long DeleteValue(RegRoot root, std::string_view key, std::string_view name) override;
  bool KeyExists(RegRoot root, std::string_view key) override;
  long EnumSubkeys(RegRoot root, std::string_view key, std::vector<std::string>& names) override;
  std::string ExpandEnvironment(std::string_view text) override;

 private:
  using Place = std::tuple<RegRoot, std::string, std::string>;  // folded key and value name
  struct Stored {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    bool deleted = false;
  };
  static Place PlaceOf(RegRoot root, std::string_view key, std::string_view name);
  std::optional<std::string> ReadForJournal(RegRoot root, std::string_view key,
                                            std::string_view name);
  bool UnderDeletedKey(RegRoot root, std::string_view key) const;

  RegistryBackend& inner_;
  WriteJournal& journal_;
  std::map<Place, Stored> overlay_;                        // dry run only
  std::set<std::pair<RegRoot, std::string>> deletedKeys_;  // dry run only, folded paths
  std::optional<std::size_t> awaitingRetry_;
  Place retryPlace_;
};

// The same for INI files: value writes, key and section removals. In a dry run a value read
// by section and key sees what the run pretended to write; listings are not overlaid.
class JournalIni final : public IniStore {
 public:
  JournalIni(IniStore& inner, WriteJournal& journal) : inner_(inner), journal_(journal) {}

  std::size_t GetString(const std::string& file, const std::optional<std::string>& section,
                        const std::optional<std::string>& key, const std::string& fallback,
                        std::span<char> buffer) override;
  bool WriteString(const std::string& file, const std::string& section,
                   const std::optional<std::string>& key,
                   const std::optional<std::string>& value) override;

 private:
  using Place = std::tuple<std::string, std::string, std::string>;  // folded
  std::optional<std::string> Lookup(const std::string& file, const std::string& section,
                                    const std::string& key);

  IniStore& inner_;
  WriteJournal& journal_;
  std::map<Place, std::optional<std::string>> overlay_;            // dry run only; none: deleted
  std::set<std::pair<std::string, std::string>> deletedSections_;  // dry run only
};

// Shortcut icons and system images through the journal; the notifications go on only in a
// real run. The old icon of a shortcut is read through `shell`.
class JournalEffects final : public SystemEffects {
 public:
  JournalEffects(SystemEffects& inner, ShellQueries& shell, WriteJournal& journal)
      : inner_(inner), shell_(shell), journal_(journal) {}

  bool ReplaceSystemImage(int imageIndex, const std::string& iconFile, int iconIndex) override;
  bool SetShortcutIcon(const std::string& shortcut, const std::string& iconFile,
                       int iconIndex) override;
  void NotifyAssociationsChanged() override;
  void ReloadCursors() override;

 private:
  SystemEffects& inner_;
  ShellQueries& shell_;
  WriteJournal& journal_;
};

}  // namespace gd
