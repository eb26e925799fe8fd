// pickicon.dll under Wine: the real dialog, driven by its control ids while ChangeIcon waits,
// and what the export leaves in the caller's buffer for every way out.
#include "companions/include/pickicon.h"
#include "companions/pickicon/picker_ids.h"
#include "iconfmt/icon_bytes.h"
#include "platform/unique_handle.h"

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "support/dialog_driver_win32.h"

namespace gd::test {
namespace {

PickIconChangeIcon ChangeIcon() {
  static const UniqueModule module = [] {
    char path[MAX_PATH];
    const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return UniqueModule(LoadLibraryA((program.substr(0, program.rfind('\\')) + "\\pickicon.dll").c_str()));
  }();
  return module ? reinterpret_cast<PickIconChangeIcon>(reinterpret_cast<void*>(GetProcAddress(module.get(), "ChangeIcon")))
                : nullptr;
}

// The caller's buffer and one canary byte past its end, filled with a pattern behind the name.
using Buffer = std::array<char, PICKICON_PATH_SIZE + 1>;
Buffer BufferOf(const std::string& file) {
  Buffer buffer;
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<char>('A' + i % 26);
  std::memcpy(buffer.data(), file.data(), std::min(file.size() + 1, std::size_t{PICKICON_PATH_SIZE}));
  return buffer;
}

// The dialog open on this thread: other test programs may show dialogs of their own meanwhile.
HWND FindPicker() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM out) -> BOOL {
    char name[8] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0 ? (*reinterpret_cast<HWND*>(out) = window, FALSE) : TRUE;
  }, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct Call {
  int result = 0;
  Buffer before, after;
  int index = 0;
};
Call Pick(const Buffer& buffer, int index, const char* slot, std::function<void(HWND)> act) {
  Call call{0, buffer, buffer, index};
  DialogDriver driver(FindPicker, std::move(act), IDCANCEL);
  const PickIconChangeIcon changeIcon = ChangeIcon();
  if (changeIcon == nullptr) return ADD_FAILURE() << "pickicon.dll beside the test program", call;
  call.result = changeIcon(call.after.data(), &call.index, slot);
  EXPECT_TRUE(driver.acted());
  return call;
}
Call Pick(const std::string& file, int index, std::function<void(HWND)> act) { return Pick(BufferOf(file), index, "", std::move(act)); }

std::string TextOf(HWND window) {
  char text[600] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}
HWND List(HWND dialog) { return GetDlgItem(dialog, IDC_PICK_LIST); }
// The labels of the list, a star after the selected one, and the images the list holds.
std::string Shown(HWND dialog) {
  std::string text;
  for (int i = 0; i < ListView_GetItemCount(List(dialog)); ++i) {
    char label[32] = {};
    ListView_GetItemText(List(dialog), i, 0, label, sizeof label);
    text += std::string(label) + (ListView_GetItemState(List(dialog), i, LVIS_SELECTED) ? "* " : " ");
  }
  return text + "/ " + std::to_string(ImageList_GetImageCount(ListView_GetImageList(List(dialog), LVSIL_NORMAL)));
}
void Select(HWND dialog, int item) { ListView_SetItemState(List(dialog), item, LVIS_SELECTED, LVIS_SELECTED); }
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
// Types into the file field and presses Enter there, through the dialog's own key handling.
void TypeFile(HWND dialog, const std::string& file) {
  const HWND field = GetDlgItem(dialog, IDC_PICK_FILE);
  SetWindowTextA(field, file.c_str());
  SetFocus(field);
  PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0);
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) {
    if (!IsDialogMessageA(dialog, &message)) TranslateMessage(&message), DispatchMessageA(&message);
  }
}

Bytes Image(std::int32_t side, std::uint16_t bits, std::uint8_t fill) { return BitmapImage({side, side, bits, 1, fill}); }
// A library of one group per entry, each holding the listed images.
Bytes Library(const std::vector<std::vector<Bytes>>& groups) {
  NeLayout layout;
  layout.shift = 4;  // addresses past 64 KiB
  std::uint16_t id = 0;
  for (const auto& images : groups) {
    std::vector<std::uint16_t> ids;
    for (const Bytes& image : images) ids.push_back(++id), layout.icons.push_back({static_cast<std::uint16_t>(0x8000 | id), image});
    Bytes directory = GroupDirectory(ids);
    for (std::size_t i = 0; i < images.size(); ++i) Set32(directory, 6 + 14 * i + 8, static_cast<std::uint32_t>(images[i].size()));
    layout.groups.push_back({static_cast<std::uint16_t>(0x8000 | (layout.groups.size() + 1)), directory});
  }
  return NeModule(layout);
}
std::string Text(const Bytes& bytes) { return {bytes.begin(), bytes.end()}; }
const Bytes kThreeGroups = Library({{Image(32, 4, 1)}, {Image(16, 8, 2), Image(48, 8, 3)}, {Image(32, 4, 4)}});

TEST(PickIcon, ListsEveryGroupOfLibrariesAndExecutablesWithTheGivenOneSelectedAndOkTakesTheSelection) {
  ScratchFolder folder;
  const std::string library = folder.Write("pack.icl", Text(kThreeGroups));
  std::string seen;
  Call call = Pick(BufferOf(library), 2, "My Computer", [&](HWND dialog) {
    seen = TextOf(dialog) + " | " + TextOf(GetDlgItem(dialog, IDC_PICK_FILE)) + " | " + Shown(dialog);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    Select(dialog, 1);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(seen, "Change Icon - My Computer | " + library + " | 0 1 2* / 3") << "the 16 and 48 pixel group has its image too";
  EXPECT_EQ(call.result, PICKICON_CHOSEN);
  EXPECT_EQ(std::string(call.after.data()), library);
  EXPECT_EQ(call.index, 1);
  EXPECT_EQ(call.after.back(), call.before.back());

  // A double click takes the icon under the pointer.
  call = Pick(library, 0, [&](HWND dialog) {
    seen = TextOf(dialog);
    RECT icon{LVIR_ICON, 0, 0, 0};
    SendMessageA(List(dialog), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&icon));
    SendMessageA(List(dialog), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM((icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2));
  });
  EXPECT_EQ(seen, "Change Icon");
  EXPECT_EQ(call.result, PICKICON_CHOSEN);
  EXPECT_EQ(call.index, 2);

  // Executables are read through the system loader, found by a bare name as it finds them.
  int shellIcons = 0;
  call = Pick("shell32.dll", 3, [&](HWND dialog) {
    shellIcons = ListView_GetItemCount(List(dialog));
    seen = std::to_string(ListView_GetNextItem(List(dialog), -1, LVNI_SELECTED));
    Click(dialog, IDOK);
  });
  EXPECT_GT(shellIcons, 3);
  EXPECT_EQ(seen, "3");
  EXPECT_EQ(std::string(call.after.data()) + "," + std::to_string(call.index), "shell32.dll,3");

  // A thousand groups: every one listed and imaged, the last one selected.
  const std::string large = folder.Write("large.icl", Text(Library(std::vector<std::vector<Bytes>>(1000, {Image(32, 4, 5)}))));
  call = Pick(large, 999, [&](HWND dialog) {
    seen = std::to_string(ListView_GetItemCount(List(dialog))) + " " +
           std::to_string(ListView_GetNextItem(List(dialog), -1, LVNI_SELECTED)) + " " +
           std::to_string(ImageList_GetImageCount(ListView_GetImageList(List(dialog), LVSIL_NORMAL)));
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(seen, "1000 999 1000");
}

TEST(PickIcon, CancelEscapeAndTheRestoreButtonsLeaveTheCallersBufferAsItWas) {
  ScratchFolder folder;
  const std::string library = folder.Write("pack.icl", Text(kThreeGroups));
  for (auto [way, expected] : {std::pair{IDCANCEL, PICKICON_CANCELLED}, {IDC_PICK_RESTORE_DEFAULT, PICKICON_RESTORE_DEFAULT},
                               {IDC_PICK_RESTORE_CURRENT, PICKICON_RESTORE_CURRENT}, {0, PICKICON_CANCELLED}}) {
    const Call call = Pick(library, 1, [way](HWND dialog) {
      Select(dialog, 2);
      if (way != 0) return Click(dialog, way);
      PostMessageA(List(dialog), WM_KEYDOWN, VK_ESCAPE, 0);  // left to the dialog's own loop
    });
    EXPECT_EQ(call.result, expected) << way;
    EXPECT_EQ(call.after, call.before) << way;
    EXPECT_EQ(call.index, 1) << way;
  }
}

TEST(PickIcon, EnterInTheFileFieldLoadsThatFileAndAnEmptyListSaysWhy) {
  ScratchFolder folder;
  const std::string noIcons = folder.Write("empty.icl", Text(NeModule(NeLayout())));
  const std::string damaged = folder.Write("damaged.icl", Text(kThreeGroups).substr(0, 700));
  const std::vector<std::string> oneIcon = {folder.Write("one.ico", Text(IcoFile({Image(32, 4, 6)}))),
                                            folder.Write("arrow.cur", Text(IcoFile({Image(32, 4, 7)}, 2))),
                                            folder.Write("busy.ani", Text(Riff({AniHeader(2, 2, 1), FrameList({IcoFile({Image(32, 4, 8)}), IcoFile({Image(16, 4, 9)})})})))};
  std::vector<std::string> seen;
  const auto state = [&](HWND dialog) {
    seen.push_back(Shown(dialog) + " " + (IsWindowEnabled(GetDlgItem(dialog, IDOK)) ? "ok " : "") + TextOf(GetDlgItem(dialog, IDC_PICK_MESSAGE)));
  };
  const Call call = Pick(folder / "missing.icl", 0, [&](HWND dialog) {
    state(dialog);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_PICK_FILE));
    for (const std::string& file : {noIcons, damaged, oneIcon[0], oneIcon[1], oneIcon[2]}) TypeFile(dialog, file), state(dialog);
    TypeFile(dialog, noIcons);
    // Shown as the modal loop shows it when idle: an ending dialog hides itself at once.
    ShowWindow(dialog, SW_SHOWNA);
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);  // as Enter does with nothing selected
    EXPECT_TRUE(IsWindowVisible(dialog)) << "OK without an icon ends nothing";
    TypeFile(dialog, oneIcon[2]);
    Click(dialog, IDOK);
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"/ 0 This file could not be found.", "/ 0 This file holds no icons.",
                                            "/ 0 No icons could be read from this file: it may be damaged.",
                                            "0* / 1 ok ", "0* / 1 ok ", "0* / 1 ok "}));
  EXPECT_EQ(call.result, PICKICON_CHOSEN);
  EXPECT_EQ(std::string(call.after.data()), oneIcon[2]);
}

TEST(PickIcon, APathOfTheBufferSizeLessOneIsWrittenWholeAndLongerOnesAreRefused) {
  ScratchFolder folder;
  const std::string prefix = folder.path() + "\\";
  const std::string longest = folder.Write(std::string(259 - prefix.size() - 4, 'n') + ".icl", Text(kThreeGroups));
  ASSERT_EQ(longest.size(), 259u);
  Call call = Pick(longest, 0, [](HWND dialog) { Select(dialog, 2), Click(dialog, IDOK); });
  EXPECT_EQ(call.result, PICKICON_CHOSEN);
  EXPECT_EQ(std::string(call.after.data()), longest);
  EXPECT_EQ(call.index, 2);
  EXPECT_EQ(call.after.back(), call.before.back());

  std::string seen;
  call = Pick(longest, 0, [&](HWND dialog) {
    TypeFile(dialog, longest + "x");
    seen = Shown(dialog) + " " + TextOf(GetDlgItem(dialog, IDC_PICK_MESSAGE));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    Click(dialog, IDOK);
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(seen, "/ 0 This path is longer than 259 characters. Choose a file with a shorter path.");
  EXPECT_EQ(call.result, PICKICON_CANCELLED);
  EXPECT_EQ(call.after, call.before);

  // A buffer without its NUL is read no further than its size, and refused as too long.
  Buffer unterminated;
  unterminated.fill('u');
  call = Pick(unterminated, 0, "", [&](HWND dialog) {
    seen = std::to_string(TextOf(GetDlgItem(dialog, IDC_PICK_FILE)).size()) + " " + TextOf(GetDlgItem(dialog, IDC_PICK_MESSAGE));
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(seen, "260 This path is longer than 259 characters. Choose a file with a shorter path.");
  EXPECT_EQ(call.after, call.before);
}

}  // namespace
}  // namespace gd::test
