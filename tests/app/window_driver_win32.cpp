// Drives the installed program from outside, as a user would, for the end-to-end check of the
// sandbox: starts glimmerdeck.exe, lists every tab of the Icons & Cursors page with the icon
// each slot will get (read from the status line), changes one slot through the icon picker,
// opens the icon browser with View Icon, and applies.
//
//   window_driver.exe list APP_DIR
//   window_driver.exe change APP_DIR TAB ITEM ICON_FILE
// Prints "tab<TAB>item<TAB>name<TAB>status" lines, or what the picker and browser showed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "picker_ids.h"
#include "ui/notice_box_ids.h"
#include "ui/resource_ids.h"

namespace {

constexpr int kLists[] = {IDC_LIST_DESKTOP, IDC_LIST_START, IDC_LIST_FOLDERS, IDC_LIST_DRIVES,
                          IDC_LIST_OTHERS,  IDC_LIST_FILES, IDC_LIST_CURSORS, IDC_LIST_QUICK_LAUNCH};

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The first top-level window, of the process or any when `process` is 0, that `accept` takes.
template <typename Accept>
HWND WaitForWindow(DWORD process, Accept accept, int seconds = 30) {
  struct Search {
    DWORD process;
    Accept* accept;
    HWND found;
  } search{process, &accept, nullptr};
  for (int tries = 0; tries < seconds * 20; ++tries) {
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(data);
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          if ((s.process != 0 && owner != s.process) || !IsWindowVisible(window) || !(*s.accept)(window)) return TRUE;
          s.found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

HWND Descendant(HWND parent, int id) {
  struct Search {
    int id;
    HWND found;
  } search{id, nullptr};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(window) != s.id) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct Program {
  PROCESS_INFORMATION process{};
  HWND main = nullptr;
  HWND page = nullptr;

  bool Start(const std::string& appDir) {
    std::string command = "\"" + appDir + "\\glimmerdeck.exe\"";
    STARTUPINFOA startup{sizeof startup};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, appDir.c_str(), &startup,
                        &process)) {
      return false;
    }
    WaitForInputIdle(process.hProcess, 30000);
    main = WaitForWindow(process.dwProcessId, [](HWND w) { return Descendant(w, IDC_CATEGORY_TABS) != nullptr; });
    if (main) page = GetParent(Descendant(main, IDC_CATEGORY_TABS));
    return page != nullptr;
  }
  HWND Item(int id) const { return GetDlgItem(page, id); }
  // As a click does: the tab control selects and tells the page. A tab control that never had
  // the focus takes it on the first request and selects on the second. A notice the page shows
  // on the way is read and closed, as a user would.
  void ShowTab(int tab) const {
    const HWND tabs = Item(IDC_CATEGORY_TABS);
    for (int tries = 0; tries < 400; ++tries) {
      DWORD_PTR ignored = 0;
      const bool answering = SendMessageTimeoutA(page, WM_NULL, 0, 0, SMTO_NORMAL, 50, &ignored) != 0;
      // A notice answers from its own message loop, while the tab's list is still unfilled.
      if (CloseNotices()) continue;
      if (answering && SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == tab) return;
      if (answering) PostMessageA(tabs, TCM_SETCURFOCUS, tab, 0);
      Sleep(50);
    }
    std::fprintf(stderr, "tab %d did not show\n", tab);
  }
  // Whether a notice was showing.
  bool CloseNotices() const {
    struct Search {
      DWORD process;
      bool found;
    } search{process.dwProcessId, false};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
          DWORD owner = 0;
          GetWindowThreadProcessId(window, &owner);
          auto& s = *reinterpret_cast<Search*>(data);
          if (owner != s.process || !IsWindowVisible(window) || !GetDlgItem(window, IDC_NOTICE_TEXT)) return TRUE;
          s.found = true;
          std::printf("notice: %s\n", TextOf(GetDlgItem(window, IDC_NOTICE_TEXT)).substr(0, 60).c_str());
          PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  void Select(int tab, int item) const {
    const HWND list = Item(kLists[tab]);
    SendMessageA(list, LB_SETCURSEL, item, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(kLists[tab], LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  }
  std::string ItemText(int tab, int item) const {
    // Wide: an owner-drawn list's strings cross processes as Unicode.
    wchar_t wide[300] = {};
    SendMessageW(Item(kLists[tab]), LB_GETTEXT, item, reinterpret_cast<LPARAM>(wide));
    char text[600] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
  }
  std::string Status() const { return TextOf(Item(IDC_SLOT_STATUS)); }
  // Apply, then close the window; the program's exit status.
  int ApplyAndClose() const {
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_APPLY, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, IDC_APPLY)));
    PostMessageA(main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) return -1;
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    return static_cast<int>(status);
  }
};

int List(const Program& program) {
  const int tabs = static_cast<int>(SendMessageA(program.Item(IDC_CATEGORY_TABS), TCM_GETITEMCOUNT, 0, 0));
  for (int tab = 0; tab < tabs; ++tab) {
    program.ShowTab(tab);
    const auto count = SendMessageA(program.Item(kLists[tab]), LB_GETCOUNT, 0, 0);
    for (int item = 0; item < count; ++item) {
      program.Select(tab, item);
      std::printf("%d\t%d\t%s\t%s\n", tab, item, program.ItemText(tab, item).c_str(), program.Status().c_str());
    }
  }
  return tabs > 0 ? 0 : 1;
}

// The picker, opened with Change, is given the file and chooses its first icon; View Icon then
// shows the slot's new icon in the browser.
int Change(const Program& program, int tab, int item, const std::string& icon) {
  program.ShowTab(tab);
  program.Select(tab, item);
  PostMessageA(program.page, WM_COMMAND, MAKEWPARAM(IDC_CHANGE, BN_CLICKED), 0);
  const HWND picker = WaitForWindow(program.process.dwProcessId, [](HWND w) {
    return GetDlgItem(w, IDC_PICK_FILE) != nullptr && GetDlgItem(w, IDC_PICK_RESTORE_CURRENT) != nullptr;
  });
  if (!picker) {
    std::fprintf(stderr, "the picker did not open\n");
    return 1;
  }
  std::printf("picker: %s\n", TextOf(picker).c_str());
  SendMessageA(GetDlgItem(picker, IDC_PICK_FILE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(icon.c_str()));
  // Enter after typing looks in the file; a second Enter takes its selected icon.
  SendMessageA(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  std::printf("picker lists %d icons\n",
              static_cast<int>(SendMessageA(GetDlgItem(picker, IDC_PICK_LIST), LVM_GETITEMCOUNT, 0, 0)));
  SendMessageA(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  for (int tries = 0; tries < 200 && IsWindow(picker); ++tries) Sleep(50);
  std::printf("status: %s\n", program.Status().c_str());

  PostMessageA(program.page, WM_COMMAND, IDM_SLOT_VIEW, 0);
  const HWND browser = WaitForWindow(0, [](HWND w) {
    const std::string title = TextOf(w);
    return title.size() > 12 && title.compare(title.size() - 12, 12, " - Glintview") == 0;
  });
  if (!browser) {
    std::fprintf(stderr, "the icon browser did not open\n");
    return 1;
  }
  std::printf("browser: %s\n", TextOf(browser).c_str());
  PostMessageA(browser, WM_CLOSE, 0, 0);
  const int status = program.ApplyAndClose();
  std::printf("exit: %d\n", status);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 2 ? argv[1] : "";
  Program program;
  if ((command != "list" && !(command == "change" && argc == 6)) || !program.Start(argv[2])) {
    std::fprintf(stderr, "usage: window_driver.exe list APP_DIR | change APP_DIR TAB ITEM ICON_FILE\n"
                         "(and the program's window must open)\n");
    return 2;
  }
  if (command == "list") {
    const int result = List(program);
    PostMessageA(program.main, WM_CLOSE, 0, 0);
    WaitForSingleObject(program.process.hProcess, 30000);
    return result;
  }
  return Change(program, std::atoi(argv[3]), std::atoi(argv[4]), argv[5]);
}
