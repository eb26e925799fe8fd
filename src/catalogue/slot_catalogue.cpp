// Adding slots with their current and default icons, and changing their pending icons.
#include "catalogue/slot_catalogue.h"

#include <utility>

#include "platform/program_identity.h"
#include "platform/text_case.h"
#include "settings/settings_store.h"

namespace gd {
namespace {

constexpr std::string_view kShellIconsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Icons";

bool Unset(const std::string& text) { return text.empty() || text == kRegTextSentinel; }

// The leading number of a text as atoi reads it, for value names and INI indexes.
int NumberIn(std::string_view text) {
  std::string probe = "x," + std::string(text);
  return ParseIconRef(probe, "", PathContext{});
}

bool SamePlace(std::string_view pathA, int indexA, std::string_view pathB, int indexB) {
  return indexA == indexB && EqualsIgnoreCase(pathA, pathB);
}

}  // namespace

bool IsNewShell(Os osVersion, int shell32IconCount) {
  return (osVersion != Os::Windows95 && osVersion != Os::WindowsNt4) || shell32IconCount >= 78;
}

SlotCatalogue::SlotCatalogue(CatalogueInputs inputs, CatalogueSystem system)
    : inputs_(std::move(inputs)), system_(std::move(system)) {}

std::string SlotCatalogue::SystemShell32() const { return inputs_.paths.systemDir + "\\shell32.dll"; }

std::string SlotCatalogue::ReadText(RegRoot root, const std::string& key, std::string_view value) {
  // As the shell reads its icon places: expandable texts with their variables put in.
  return system_.registry.ReadShellText(root, key, value);
}

SlotCatalogue::Reference SlotCatalogue::ResolveDefault(std::string_view name,
                                                       std::string_view defaultRef) const {
  if (defaultRef.empty()) {
    return {name == "Zip File" ? std::string() : SystemShell32(), 0};
  }
  // A quoted default (a plugin may write one) means the path between the quotes.
  std::string path(defaultRef);
  if (path.front() == '"') {
    path.erase(0, 1);
    if (const auto closing = path.find('"'); closing != std::string::npos) path.erase(closing);
  }
  if (!path.empty() && path.front() == '%') path = ExpandCatalogueVariables(path, inputs_.paths);
  return {path, 0};
}

int SlotCatalogue::AddSlot(Category category, std::string_view name, std::optional<RegRoot> root,
                           std::string_view key, std::string_view valueName,
                           std::string_view defaultRef, int defaultIndex, SlotKind kind,
                           std::uint32_t flags) {
  if (name.empty() && kind != SlotKind::ExtensionDefaultIcon) return -1;
  // The record's fixed-size texts: a place that does not fit is no place the slot can use.
  if (key.size() > kMaxSlotPath || valueName.size() > kMaxValueName) return -1;
  const bool keepsFileType =
      kind == SlotKind::ClassDefaultIcon || kind == SlotKind::ExtensionDefaultIcon;
  if (keepsFileType && key.size() > kMaxFileType) return -1;

  std::string displayName(name);
  std::string keyPath(key);
  Reference fallback = ResolveDefault(name, defaultRef);
  if (defaultIndex == -1) defaultIndex = NumberIn(valueName);
  fallback.index = defaultIndex;
  Reference current = fallback;
  const PathContext& paths = inputs_.paths;

  // Parses a reference read from the system; a missing one leaves the default.
  auto takeCurrent = [&](std::string text) {
    if (Unset(text)) return;
    current.index = ParseIconRef(text, "", paths);
    current.path = std::move(text);
  };

  switch (kind) {
    case SlotKind::ClsidDefaultIcon:
      keyPath += "\\DefaultIcon";
      if (root) takeCurrent(ReadText(*root, keyPath, valueName));
      break;
    case SlotKind::FolderDesktopIni: {
      std::string iconFile;
      if (ReadIniValue(system_.ini, ".ShellClassInfo", "IconFile", iconFile, keyPath)) {
        ParseIconRef(iconFile, "", paths);
        std::string iconIndex;
        ReadIniValue(system_.ini, ".ShellClassInfo", "IconIndex", iconIndex, keyPath);
        current = {iconFile, NumberIn(iconIndex)};
      }
      root.reset();
      break;
    }
    case SlotKind::ClassDefaultIcon: {
      if (!root) return -1;
      const std::string cls = ReadText(*root, keyPath, "");
      if (Unset(cls)) return -1;  // an extension without a class: the type is not shown
      keyPath = cls + "\\DefaultIcon";
      std::string value = ReadText(*root, keyPath, "");
      if (value == "%1") value.clear();
      if (!value.empty() && value.front() == '"') {
        value.erase(0, 1);
        if (const auto closing = value.find('"'); closing != std::string::npos) {
          value.erase(closing, 1);
        }
      }
      takeCurrent(value);
      break;
    }
    case SlotKind::ShellIconFallback:
      if (root) {
        std::string value = ReadText(*root, keyPath, valueName);
        if (Unset(value)) {
          value = ReadText(*root, std::string(kShellIconsKey), std::to_string(defaultIndex));
        }
        takeCurrent(value);
      }
      break;
    case SlotKind::BuiltIn:
      current = {std::string(defaultRef), defaultIndex};
      root.reset();
      break;
    case SlotKind::ExtensionDefaultIcon: {
      root = RegRoot::ClassesRoot;
      const std::string extension(key);
      const std::string bare = extension.empty() ? extension : extension.substr(1);
      std::string cls = ReadText(RegRoot::ClassesRoot, extension, "");
      if (Unset(cls)) cls = FoldCase(bare) + "file";
      if (displayName.empty()) {
        displayName = ReadText(RegRoot::ClassesRoot, cls, "");
        if (Unset(displayName)) displayName = UpperCase(bare) + " File";
      }
      if (SettingsStore(system_.registry).ShowExtension()) {
        displayName += " (" + FoldCase(extension) + ")";
      }
      std::vector<char> buffer(kIniValueBufferSize, '\0');
      system_.ini.GetString(inputs_.appPath + "\\backup.ini",
                            "HKEY_CLASSES_ROOT\\" + cls + "\\DefaultIcon", std::string("Default"),
                            "NOTEXIST", buffer);
      std::string backup(buffer.data());
      Reference fromBackup;
      if (backup != "NOTEXIST") {
        if (Unset(backup) || backup == "%1") backup = SystemShell32();
        fromBackup.index = ParseIconRef(backup, "", paths);
        fromBackup.path = backup;
      }
      keyPath = cls + "\\DefaultIcon";
      if (keyPath.size() > kMaxSlotPath) return -1;
      if (defaultRef.empty()) {
        current = {SystemShell32(), 0};
        takeCurrent(ReadText(RegRoot::ClassesRoot, keyPath, ""));
      } else {
        current = {std::string(defaultRef), defaultIndex};
      }
      if (fromBackup.path.empty()) {
        if (system_.shell.FileExists(current.path)) {
          fromBackup = current;
        } else {
          current = {SystemShell32(), 0};
        }
      }
      fallback = fromBackup;
      break;
    }
    case SlotKind::RegistryValue:
    default:
      if (root) takeCurrent(ReadText(*root, keyPath, valueName));
      break;
  }
  if (keyPath.size() > kMaxSlotPath || fallback.path.size() > kMaxSlotPath) return -1;
  if (current.path.size() > kMaxSlotPath) current = fallback;

  auto slot = std::make_unique<IconSlot>();
  slot->kind = kind;
  slot->fileType = keepsFileType ? std::string(key) : std::string();
  slot->flags = flags;
  slot->iconPath = current.path;
  slot->iconIndex = current.index;
  slot->currentPath = current.path;
  slot->currentIndex = current.index;
  slot->defaultPath = fallback.path;
  slot->defaultIndex = fallback.index;
  slot->rootKey = root;
  slot->keyPath = keyPath;
  slot->valueName = std::string(valueName);
  return Insert(category, std::move(displayName), std::move(slot));
}

int SlotCatalogue::Insert(Category category, std::string name, std::unique_ptr<IconSlot> slot) {
  auto& list = lists_[Index(category)];
  auto position = list.end();
  if (category == Category::QuickLaunch) {
    // The Quick Launch list stays sorted by name, as a sorted list box keeps it.
    position = list.begin();
    while (position != list.end() && FoldCase(position->name) <= FoldCase(name)) ++position;
  }
  position = list.insert(position, CatalogueEntry{std::move(name), std::move(slot)});
  return static_cast<int>(position - list.begin());
}

void SlotCatalogue::ClearCategory(Category category) { lists_[Index(category)].clear(); }

void SlotCatalogue::ClearPackageCategories() {
  for (Category category : kPackageCategories) ClearCategory(category);
}

void SlotCatalogue::SetView(CatalogueView view) {
  if (inputs_.view == view) return;
  inputs_.view = view;
  for (Category category : kAllCategories) ClearCategory(category);
}

void SlotCatalogue::SetBuilder(Category category, Builder builder) {
  builders_[Index(category)] = std::move(builder);
}

void SlotCatalogue::BuildCategory(Category category) {
  const std::size_t index = Index(category);
  if (lists_[index].empty() && builders_[index]) builders_[index](*this);
}

void SlotCatalogue::BuildAll(bool includeCursors) {
  for (Category category : kPackageCategories) {
    if (category != Category::Cursors || includeCursors) BuildCategory(category);
  }
}

const std::vector<CatalogueEntry>& SlotCatalogue::Entries(Category category) const {
  return lists_[Index(category)];
}

std::vector<CatalogueEntry>& SlotCatalogue::Entries(Category category) {
  return lists_[Index(category)];
}

IconSlot* SlotCatalogue::Find(Category category, std::string_view name) {
  for (auto& entry : lists_[Index(category)]) {
    if (EqualsIgnoreCase(entry.name, name)) return entry.slot.get();
  }
  return nullptr;
}

int SlotCatalogue::SetSlotIcon(IconSlot& slot, std::string_view path, int index) {
  if (path.size() > kMaxSlotPath) return 0;  // no record could hold it
  if (SamePlace(slot.iconPath, slot.iconIndex, path, index)) return 0;
  if (SamePlace(path, index, slot.currentPath, slot.currentIndex)) {
    slot.iconPath = slot.currentPath;
    slot.iconIndex = slot.currentIndex;
    slot.flags &= ~slotflag::kChanged;
  } else {
    slot.iconPath = std::string(path);
    slot.iconIndex = index;
    slot.flags |= slotflag::kChanged;
  }
  slot.flags &= ~slotflag::kMissingImage;
  return 1;
}

int SlotCatalogue::RestoreSlot(IconSlot& slot, bool toCurrent, bool markChanged) {
  const std::string& targetPath = toCurrent ? slot.currentPath : slot.defaultPath;
  const int targetIndex = toCurrent ? slot.currentIndex : slot.defaultIndex;
  if (SamePlace(slot.iconPath, slot.iconIndex, targetPath, targetIndex)) return 0;
  slot.iconPath = targetPath;
  slot.iconIndex = targetIndex;
  slot.flags &= ~slotflag::kMissingImage;
  if (toCurrent) {
    slot.flags &= ~slotflag::kChanged;
  } else if (SamePlace(slot.iconPath, slot.iconIndex, slot.currentPath, slot.currentIndex)) {
    slot.flags &= ~slotflag::kChanged;
  } else if (!markChanged || inputs_.view == CatalogueView::PackageBuilder) {
    slot.flags = 0;
  } else {
    slot.flags |= slotflag::kChanged;
  }
  return 1;
}

}  // namespace gd
