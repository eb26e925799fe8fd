// Times the package library and loading on real files: a scratch Themes folder with 1,000
// generated packages (icons, authors, a few nested) is scanned by name, icon count and author;
// then a package naming every slot of the Windows XP fixture catalogue is loaded into a fresh
// catalogue. Prints the minimum and median in ms of each.
//
//   package_bench.exe [REPETITIONS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "package/package_host_win32.h"
#include "package/package_library.h"
#include "package/package_loader.h"
#include "package/slot_aliases.h"
#include "platform/shell_queries.h"
#include "platform/ini_win32.h"
#include "support/memory_ini.h"
#include "support/reg_file.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompt.h"
#include "support/windows_machines.h"

namespace {

using namespace gd;

constexpr int kPackages = 1000;

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const std::size_t n = times.size();
  const double median = n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  std::printf("%-34s min %9.3f ms, median %9.3f ms\n", what, times.front(), median);
}

std::vector<double> Time(int repetitions, const std::function<void()>& prepare,
                         const std::function<void()>& run) {
  std::vector<double> times;
  for (int i = 0; i < repetitions; ++i) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    run();
    const auto stop = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
  }
  return times;
}

// Package n: its own folder (every tenth one level deeper), n % 23 icon files, an author of
// one of five names or none.
void GeneratePackages(const test::ScratchFolder& scratch) {
  static const char* const kAuthors[] = {"Sam", "zoe", "", "Ann", "Unknown"};
  for (int n = 0; n < kPackages; ++n) {
    const std::string name = "Pack " + std::to_string(n);
    const std::string folder = (n % 10 == 0 ? "Themes\\Group\\" : "Themes\\") + name + "\\";
    scratch.Write(folder + name + ".gdtheme",
                  std::string("[Package Info]\r\nAuthor=") + kAuthors[n % 5] + "\r\n");
    for (int i = 0; i < n % 23; ++i) scratch.Write(folder + std::to_string(i) + ".ico", "i");
  }
}

class QuietHost final : public PackageHost {
 public:
  void RestoreAllIcons(bool) override {}
  void RestoreAllCursors(bool) override {}
  std::optional<std::string> InstallZippedPackage(const std::string&) override {
    return std::nullopt;
  }
  bool CreateShortcut(const std::string&, const std::string&) override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
  using namespace gd::version_test;
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  test::ScratchFolder scratch;
  test::ScriptedPrompt prompt;

  GeneratePackages(scratch);
  test::MemoryRegistry settings;
  Registry settingsRegistry(settings);
  Win32PackageFiles files;
  LibrarySystem library{SystemShell(), SystemIni(), files, settingsRegistry, prompt,
                        scratch / "Themes"};
  std::size_t listed = 0;
  for (const auto& [sort, label] : {std::pair{PackageSort::ByName, "scan 1,000 packages by name"},
                                    std::pair{PackageSort::ByIconCount, "scan by icon count"},
                                    std::pair{PackageSort::ByAuthor, "scan by author"}}) {
    Report(label, Time(repetitions, [] {}, [&] {
             listed = ScanLibrary(library, sort, "").entries.size();
           }));
  }

  // The XP machine's catalogue, and a package that names every slot of categories 0 to 6.
  test::MemoryRegistry machine;
  if (const std::string error = test::LoadRegFile(machine, FixturePath(kWinXp.file));
      !error.empty()) {
    std::fprintf(stderr, "cannot load %s: %s\n", kWinXp.file, error.c_str());
    return 1;
  }
  Registry registry(machine);
  FakeShell shell;
  kWinXp.setUpShell(shell);
  test::MemoryIni backups;
  test::RecordingNotice notice;
  const CatalogueInputs inputs = MachineInputs(kWinXp, registry);
  const std::string packageFile = scratch / "Every\\Every.gdtheme";
  CreateDirectoryA((scratch / "Every").c_str(), nullptr);
  shell.files.insert(packageFile);
  std::size_t slots = 0;
  {
    const auto full = BuildEverything(inputs, CatalogueSystem{registry, backups, shell, prompt, notice});
    for (Category c : kPackageCategories) {
      int n = 0;
      for (const CatalogueEntry& entry : full->Entries(c)) {
        std::string key = entry.name;
        TranslateSlotName(key, SlotNameDirection::PackageForm, inputs.osVersion, inputs.view);
        SystemIni().WriteString(packageFile, std::string(CategorySection(c)), key,
                                "%ThemeDir%Every.icl," + std::to_string(n++));
        ++slots;
      }
    }
  }
  std::unique_ptr<SlotCatalogue> catalogue;
  EditState state;
  state.themesDir = scratch / "Every";
  CatalogueSystem system{registry, SystemIni(), shell, prompt, notice};
  QuietHost host;
  CatalogueEvents events;
  std::size_t changed = 0;
  Report("load a package setting every slot", Time(repetitions, [&] {
           catalogue = BuildEverything(inputs, system);
           state.packageFile = packageFile;
         }, [&] { LoadPackage(*catalogue, state, events, host); }));
  for (Category c : kPackageCategories) {
    for (const CatalogueEntry& entry : catalogue->Entries(c)) changed += entry.slot->IsChanged();
  }
  std::printf("%zu library entries, %zu of %zu named slots changed, %d repetitions\n", listed,
              changed, slots, repetitions);
  return listed == kPackages + 1 && changed > 0 ? 0 : 1;
}
