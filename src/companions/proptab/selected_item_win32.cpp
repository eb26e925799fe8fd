// Reading the selection from the shell's data object.
#include "companions/proptab/selected_item_win32.h"

#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "platform/text_case.h"

namespace gd::proptab {
namespace {

// The storage medium that GetData filled, given back when done.
class Medium {
 public:
  Medium() = default;
  Medium(const Medium&) = delete;
  Medium& operator=(const Medium&) = delete;
  ~Medium() {
    if (filled_) ReleaseStgMedium(&medium_);
  }
  bool Fill(IDataObject* data, FORMATETC& format) {
    filled_ = SUCCEEDED(data->GetData(&format, &medium_));
    return filled_;
  }
  HGLOBAL global() const { return medium_.hGlobal; }

 private:
  STGMEDIUM medium_{};
  bool filled_ = false;
};

// Holds the global memory locked while the file list is read.
class LockedDrop {
 public:
  explicit LockedDrop(HGLOBAL memory) : memory_(memory), drop_(static_cast<HDROP>(GlobalLock(memory))) {}
  LockedDrop(const LockedDrop&) = delete;
  LockedDrop& operator=(const LockedDrop&) = delete;
  ~LockedDrop() {
    if (drop_) GlobalUnlock(memory_);
  }
  HDROP get() const { return drop_; }

 private:
  HGLOBAL memory_;
  HDROP drop_;
};

}  // namespace

ItemKind KindOfPath(const std::string& path) {
  if (PathIsRootA(path.c_str())) return ItemKind::Drive;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return ItemKind::Folder;
  }
  return EndsWithIgnoreCase(path, ".lnk") ? ItemKind::Shortcut : ItemKind::File;
}

std::optional<SelectedItem> ReadSelectedItem(IDataObject* data) {
  if (data == nullptr) return std::nullopt;
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  Medium medium;
  if (!medium.Fill(data, format)) return std::nullopt;
  const LockedDrop drop(medium.global());
  if (!drop.get() || DragQueryFileA(drop.get(), 0xFFFFFFFF, nullptr, 0) != 1) return std::nullopt;
  char path[MAX_PATH] = {};
  const UINT length = DragQueryFileA(drop.get(), 0, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  SelectedItem item;
  item.path.assign(path, length);
  item.kind = KindOfPath(item.path);
  return item;
}

}  // namespace gd::proptab
