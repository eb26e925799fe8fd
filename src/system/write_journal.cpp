// The write journal and its recording decorators over the registry, INI files and effects.
#include "system/write_journal.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/path_text.h"
#include "platform/text_case.h"

namespace gd {
namespace {

constexpr std::size_t kJournalReadSize = 4096;
// What a profile read returns for a missing key; no INI value can hold these bytes.
const std::string kMissingMark = "\x01\x02missing\x02\x01";

std::string ValueItem(std::string_view name) {
  return name.empty() ? std::string("@") : std::string(name);
}

std::string IniItem(const std::string& section, const std::optional<std::string>& key) {
  return "[" + section + "]" + (key ? " " + *key : std::string());
}

// A value's bytes as the journal shows them: texts up to their NUL, numbers in decimal,
// anything else as hexadecimal bytes.
std::string DescribeValue(std::uint32_t type, std::span<const std::uint8_t> data) {
  if (type == regtype::kString || type == regtype::kExpandString) {
    const auto* text = reinterpret_cast<const char*>(data.data());
    return std::string(text, strnlen(text, data.size()));
  }
  if (type == regtype::kDword && data.size() == 4) {
    const std::uint32_t number = std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                                 std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24;
    return std::to_string(number);
  }
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex = "hex:";
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (i > 0) hex += ',';
    hex += kDigits[data[i] >> 4];
    hex += kDigits[data[i] & 0x0f];
  }
  return hex;
}

std::string Escaped(std::string_view field) {
  std::string out;
  for (char c : field) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string OutcomeText(WriteOutcome outcome) {
  switch (outcome) {
    case WriteOutcome::Done:
      return "done";
    case WriteOutcome::Failed:
      return "FAILED";
    case WriteOutcome::DryRun:
      return "dry run";
  }
  return "";
}

bool IsUnder(std::string_view folded, std::string_view foldedParent) {
  return folded == foldedParent ||
         (folded.size() > foldedParent.size() && folded.starts_with(foldedParent) &&
          folded[foldedParent.size()] == '\\');
}

}  // namespace

std::size_t WriteJournal::Add(JournalEntry entry) {
  entries_.push_back(std::move(entry));
  return entries_.size() - 1;
}

std::size_t WriteJournal::Count(WriteOutcome outcome) const {
  return static_cast<std::size_t>(
      std::count_if(entries_.begin(), entries_.end(),
                    [&](const JournalEntry& e) { return e.outcome == outcome; }));
}

std::string RegRootName(RegRoot root) {
  switch (root) {
    case RegRoot::ClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case RegRoot::CurrentUser:
      return "HKEY_CURRENT_USER";
    case RegRoot::LocalMachine:
      return "HKEY_LOCAL_MACHINE";
  }
  return "";
}

std::string FormatJournalLine(const JournalEntry& entry) {
  const auto shown = [](const std::optional<std::string>& value) {
    return value ? Escaped(*value) : std::string("(none)");
  };
  return Escaped(entry.place) + '\t' + Escaped(entry.item) + '\t' + shown(entry.oldValue) + '\t' +
         shown(entry.newValue) + '\t' + OutcomeText(entry.outcome);
}

// --- registry ---------------------------------------------------------------------------

JournalRegistry::Place JournalRegistry::PlaceOf(RegRoot root, std::string_view key,
                                                std::string_view name) {
  return {root, FoldCase(key), FoldCase(name)};
}

bool JournalRegistry::UnderDeletedKey(RegRoot root, std::string_view key) const {
  const std::string folded = FoldCase(key);
  return std::any_of(deletedKeys_.begin(), deletedKeys_.end(), [&](const auto& deleted) {
    return deleted.first == root && IsUnder(folded, deleted.second);
  });
}

RegistryBackend::QueryResult JournalRegistry::QueryValue(RegRoot root, std::string_view key,
                                                         std::string_view name,
                                                         std::span<std::uint8_t> buffer) {
  const auto stored = overlay_.find(PlaceOf(root, key, name));
  if (stored == overlay_.end()) {
    if (UnderDeletedKey(root, key)) return {};
    return inner_.QueryValue(root, key, name, buffer);
  }
  if (stored->second.deleted) return {};
  const auto& data = stored->second.data;
  QueryResult result{regerr::kSuccess, stored->second.type,
                     static_cast<std::uint32_t>(data.size())};
  if (data.size() > buffer.size()) {
    result.error = regerr::kMoreData;
    return result;
  }
  std::copy(data.begin(), data.end(), buffer.begin());
  return result;
}

std::optional<std::string> JournalRegistry::ReadForJournal(RegRoot root, std::string_view key,
                                                           std::string_view name) {
  std::vector<std::uint8_t> buffer(kJournalReadSize);
  auto result = QueryValue(root, key, name, buffer);
  if (result.error == regerr::kMoreData && result.size > buffer.size()) {
    buffer.resize(result.size);
    result = QueryValue(root, key, name, buffer);
  }
  if (result.error != regerr::kSuccess) return std::nullopt;
  return DescribeValue(result.type,
                       std::span<const std::uint8_t>(
                           buffer.data(), std::min<std::size_t>(result.size, buffer.size())));
}

RegistryBackend::SetResult JournalRegistry::SetValue(RegRoot root, std::string_view key,
                                                     std::string_view name, std::uint32_t type,
                                                     std::span<const std::uint8_t> data) {
  const Place place = PlaceOf(root, key, name);
  const bool retry = awaitingRetry_ && retryPlace_ == place;
  const std::optional<std::size_t> retryEntry = std::exchange(awaitingRetry_, std::nullopt);
  if (journal_.dryRun()) {
    journal_.Add({RegRootName(root) + "\\" + std::string(key), ValueItem(name),
                  ReadForJournal(root, key, name), DescribeValue(type, data),
                  WriteOutcome::DryRun});
    overlay_[place] = Stored{type, std::vector<std::uint8_t>(data.begin(), data.end()), false};
    return {regerr::kSuccess, regerr::kSuccess};
  }
  std::optional<std::string> old;
  if (!retry) old = ReadForJournal(root, key, name);
  const SetResult result = inner_.SetValue(root, key, name, type, data);
  const bool done = result.openError == regerr::kSuccess && result.setError == regerr::kSuccess;
  if (retry) {
    journal_.at(*retryEntry).outcome = done ? WriteOutcome::Done : WriteOutcome::Failed;
    return result;
  }
  const std::size_t entry =
      journal_.Add({RegRootName(root) + "\\" + std::string(key), ValueItem(name), std::move(old),
                    DescribeValue(type, data), done ? WriteOutcome::Done : WriteOutcome::Failed});
  if (result.openError == regerr::kFileNotFound) {
    // The caller makes the key and tries once more; that try decides this entry.
    awaitingRetry_ = entry;
    retryPlace_ = place;
  }
  return result;
}

long JournalRegistry::CreateKey(RegRoot root, std::string_view key) {
  const bool forRetry = awaitingRetry_ && std::get<0>(retryPlace_) == root &&
                        std::get<1>(retryPlace_) == FoldCase(key);
  if (journal_.dryRun()) {
    if (!forRetry) {
      journal_.Add({RegRootName(root) + "\\" + std::string(key), "(key)", std::nullopt,
                    std::string("(created)"), WriteOutcome::DryRun});
    }
    return regerr::kSuccess;
  }
  const long error = inner_.CreateKey(root, key);
  if (!forRetry) {
    journal_.Add({RegRootName(root) + "\\" + std::string(key), "(key)", std::nullopt,
                  std::string("(created)"),
                  error == regerr::kSuccess ? WriteOutcome::Done : WriteOutcome::Failed});
  }
  return error;
}

long JournalRegistry::DeleteKey(RegRoot root, std::string_view parent, std::string_view subkey) {
  awaitingRetry_.reset();
  const std::string path = std::string(parent) + "\\" + std::string(subkey);
  const bool existed = KeyExists(root, path);
  JournalEntry entry{RegRootName(root) + "\\" + path, "(key)",
                     existed ? std::optional<std::string>("(exists)") : std::nullopt, std::nullopt,
                     WriteOutcome::DryRun};
  if (journal_.dryRun()) {
    journal_.Add(std::move(entry));
    const std::string folded = FoldCase(path);
    std::erase_if(overlay_, [&](const auto& stored) {
      return std::get<0>(stored.first) == root && IsUnder(std::get<1>(stored.first), folded);
    });
    deletedKeys_.insert({root, folded});
    return existed ? regerr::kSuccess : regerr::kFileNotFound;
  }
  const long error = inner_.DeleteKey(root, parent, subkey);
  entry.outcome = error == regerr::kSuccess ? WriteOutcome::Done : WriteOutcome::Failed;
  journal_.Add(std::move(entry));
  return error;
}

long JournalRegistry::DeleteValue(RegRoot root, std::string_view key, std::string_view name) {
  awaitingRetry_.reset();
  std::optional<std::string> old = ReadForJournal(root, key, name);
  JournalEntry entry{RegRootName(root) + "\\" + std::string(key), ValueItem(name), old,
                     std::nullopt, WriteOutcome::DryRun};
  if (journal_.dryRun()) {
    journal_.Add(std::move(entry));
    overlay_[PlaceOf(root, key, name)] = Stored{0, {}, true};
    return old ? regerr::kSuccess : regerr::kFileNotFound;
  }
  const long error = inner_.DeleteValue(root, key, name);
  entry.outcome = error == regerr::kSuccess ? WriteOutcome::Done : WriteOutcome::Failed;
  journal_.Add(std::move(entry));
  return error;
}

bool JournalRegistry::KeyExists(RegRoot root, std::string_view key) {
  const std::string folded = FoldCase(key);
  const bool written = std::any_of(overlay_.begin(), overlay_.end(), [&](const auto& stored) {
    return !stored.second.deleted && std::get<0>(stored.first) == root &&
           IsUnder(std::get<1>(stored.first), folded);
  });
  if (written) return true;
  if (UnderDeletedKey(root, key)) return false;
  return inner_.KeyExists(root, key);
}

std::string JournalRegistry::ExpandEnvironment(std::string_view text) {
  return inner_.ExpandEnvironment(text);
}

long JournalRegistry::EnumSubkeys(RegRoot root, std::string_view key,
                                  std::vector<std::string>& names) {
  return inner_.EnumSubkeys(root, key, names);
}

// --- INI files --------------------------------------------------------------------------

std::optional<std::string> JournalIni::Lookup(const std::string& file, const std::string& section,
                                              const std::string& key) {
  const auto stored = overlay_.find({FoldCase(file), FoldCase(section), FoldCase(key)});
  if (stored != overlay_.end()) return stored->second;
  if (deletedSections_.count({FoldCase(file), FoldCase(section)}) > 0) return std::nullopt;
  std::vector<char> buffer(kJournalReadSize, '\0');
  inner_.GetString(file, section, key, kMissingMark, buffer);
  std::string value(buffer.data());
  if (value == kMissingMark) return std::nullopt;
  return value;
}

std::size_t JournalIni::GetString(const std::string& file,
                                  const std::optional<std::string>& section,
                                  const std::optional<std::string>& key,
                                  const std::string& fallback, std::span<char> buffer) {
  if (!journal_.dryRun() || !section || !key || buffer.empty()) {
    return inner_.GetString(file, section, key, fallback, buffer);
  }
  const std::string value = Lookup(file, *section, *key).value_or(fallback);
  const std::size_t n = std::min(value.size(), buffer.size() - 1);
  std::copy_n(value.data(), n, buffer.data());
  buffer[n] = '\0';
  return n;
}

bool JournalIni::WriteString(const std::string& file, const std::string& section,
                             const std::optional<std::string>& key,
                             const std::optional<std::string>& value) {
  JournalEntry entry{file, IniItem(section, key), key ? Lookup(file, section, *key) : std::nullopt,
                     value, WriteOutcome::DryRun};
  if (!key) entry.newValue.reset();  // a whole section goes
  if (journal_.dryRun()) {
    journal_.Add(std::move(entry));
    const std::string foldedFile = FoldCase(file);
    const std::string foldedSection = FoldCase(section);
    if (key) {
      overlay_[{foldedFile, foldedSection, FoldCase(*key)}] = value;
    } else {
      std::erase_if(overlay_, [&](const auto& stored) {
        return std::get<0>(stored.first) == foldedFile &&
               std::get<1>(stored.first) == foldedSection;
      });
      deletedSections_.insert({foldedFile, foldedSection});
    }
    return true;
  }
  const bool done = inner_.WriteString(file, section, key, value);
  entry.outcome = done ? WriteOutcome::Done : WriteOutcome::Failed;
  journal_.Add(std::move(entry));
  return done;
}

// --- shortcuts, images and notifications ----------------------------------------------------

bool JournalEffects::ReplaceSystemImage(int imageIndex, const std::string& iconFile,
                                        int iconIndex) {
  JournalEntry entry{"system image lists", std::to_string(imageIndex), std::nullopt,
                     MakeIconRef(iconFile, iconIndex), WriteOutcome::DryRun};
  if (journal_.dryRun()) {
    journal_.Add(std::move(entry));
    return true;
  }
  const bool done = inner_.ReplaceSystemImage(imageIndex, iconFile, iconIndex);
  entry.outcome = done ? WriteOutcome::Done : WriteOutcome::Failed;
  journal_.Add(std::move(entry));
  return done;
}

bool JournalEffects::SetShortcutIcon(const std::string& shortcut, const std::string& iconFile,
                                     int iconIndex) {
  std::string target;
  std::string oldFile;
  int oldIndex = 0;
  std::optional<std::string> old;
  if (shell_.ReadShortcut(shortcut, target, oldFile, oldIndex))
    old = MakeIconRef(oldFile, oldIndex);
  JournalEntry entry{shortcut, "IconLocation", std::move(old), MakeIconRef(iconFile, iconIndex),
                     WriteOutcome::DryRun};
  if (journal_.dryRun()) {
    journal_.Add(std::move(entry));
    return true;
  }
  const bool done = inner_.SetShortcutIcon(shortcut, iconFile, iconIndex);
  entry.outcome = done ? WriteOutcome::Done : WriteOutcome::Failed;
  journal_.Add(std::move(entry));
  return done;
}

void JournalEffects::NotifyAssociationsChanged() {
  if (!journal_.dryRun()) inner_.NotifyAssociationsChanged();
}

void JournalEffects::ReloadCursors() {
  if (!journal_.dryRun()) inner_.ReloadCursors();
}

}  // namespace gd
