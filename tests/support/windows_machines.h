// Whole machines of each Windows version for the catalogue, one .reg file each in
// tests/catalogue/fixtures: the registry, and in its "; shell ..." comment lines what a
// registry cannot hold (files that exist, special folders, Quick Launch shortcuts); their
// golden listings beside them (see the README there). Also the inputs of any version.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/printers.h"
#include "catalogue/builders.h"
#include "catalogue/slot_listing.h"
#include "platform/os_version.h"
#include "plugins/plugins.h"
#include "support/fake_shell.h"
#include "support/memory_ini.h"
#include "support/reg_file.h"
#include "support/scripted_prompt.h"

#ifndef GD_VERSION_FIXTURES_DIR
#error "GD_VERSION_FIXTURES_DIR must name the directory of the version .reg files"
#endif

namespace gd::version_test {

using test::FakeShell;

constexpr const char* kAppPath = "C:\\Program Files\\Glimmerdeck";

// The directories a fresh installation of each version has (0, unknown, as XP).
inline CatalogueInputs VersionInputs(Os os, bool newShell = true,
                                     CatalogueView view = CatalogueView::LocalUpdate) {
  CatalogueInputs inputs;
  inputs.osVersion = os;
  inputs.newShell = newShell;
  inputs.view = view;
  const std::string windows =
      os == Os::WindowsNt4 || os == Os::Windows2000 ? "C:\\WINNT" : "C:\\WINDOWS";
  const bool nineX = os >= Os::Windows95 && os <= Os::WindowsMe;
  inputs.paths = {windows, windows + (nineX ? "\\SYSTEM" : "\\system32"), "C:\\Program Files", os};
  inputs.appPath = kAppPath;
  return inputs;
}

// A file of the fixture directory; under Wine through the drive that maps the Linux root.
inline std::string FixturePath(const std::string& file) {
  std::string path = std::string(GD_VERSION_FIXTURES_DIR) + "/" + file;
#ifdef _WIN32
  std::replace(path.begin(), path.end(), '/', '\\');
  if (path.front() == '\\') path = "Z:" + path;
#endif
  return path;
}

// Its lines, without line ends.
inline std::vector<std::string> FixtureLines(const std::string& file) {
  std::ifstream in(FixturePath(file), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

struct WindowsMachine {
  const char* file;  // the .reg file in the fixture directory
  Os osVersion;
  bool newShell;
  std::uint32_t shellVersion;            // (major << 16) | minor
  const WindowsMachine* base = nullptr;  // a machine this file is laid over

  // Loads the base machine's registry, then this file; the first line that could not be read.
  std::string LoadInto(test::MemoryRegistry& registry) const {
    const std::string error = base ? base->LoadInto(registry) : "";
    return error.empty() ? test::LoadRegFile(registry, FixturePath(file)) : error;
  }
  // From its comment lines: "; shell file PATH", "; shell folder NUMBER PATH",
  // "; shell shortcut PATH|TARGET|ICON|INDEX", "; shell drive ROOT|TYPE|NAME" and
  // "; ini FILE|SECTION|KEY|VALUE".
  void setUpShell(FakeShell& shell, test::MemoryIni* ini = nullptr) const {
    if (base) base->setUpShell(shell, ini);
    for (std::string line : FixtureLines(file)) {
      const auto cut = [&line](const std::string& prefix) {
        return line.rfind(prefix, 0) == 0 && !line.erase(0, prefix.size()).empty();
      };
      std::vector<std::string> parts{""};
      for (char c : line) (c == '|') ? void(parts.emplace_back()) : void(parts.back() += c);
      if (cut("; shell file ")) {
        shell.files.insert(line);
      } else if (cut("; shell folder ")) {
        shell.specialFolders[std::stoi(line)] = line.substr(line.find(' ') + 1);
      } else if (cut("; shell shortcut ")) {
        shell.shortcuts[parts[0].substr(17)] = {parts[1], parts[2], std::stoi(parts[3])};
      } else if (cut("; shell drive ")) {
        shell.drives.push_back(
            {parts[0].substr(14), static_cast<unsigned>(std::stoi(parts[1])), parts[2]});
      } else if (ini && cut("; ini ")) {
        ini->WriteString(parts[0].substr(6), parts[1], parts[2], parts[3]);
      }
    }
  }
};

inline const WindowsMachine kWin95{"win95.reg", Os::Windows95, false, 0x40000};
inline const WindowsMachine kWin98{"win98.reg", Os::Windows98, true, 0x40048};
inline const WindowsMachine kWinMe{"winme.reg", Os::WindowsMe, true, 0x50032};
inline const WindowsMachine kNt4{"nt4.reg", Os::WindowsNt4, false, 0x40000};
inline const WindowsMachine kNt4NewShell{"nt4-newshell.reg", Os::WindowsNt4, true, 0x40047};
inline const WindowsMachine kWin2000{"win2000.reg", Os::Windows2000, true, 0x50000};
inline const WindowsMachine kWinXp{"winxp.reg", Os::WindowsXp, true, 0x60000};
// Machines as users, tools and later programs left them, with junk and odd values.
inline const WindowsMachine kNt4Tuned{"nt4-tuned.reg", Os::WindowsNt4, false, 0x40048, &kNt4};
inline const WindowsMachine kWin98Tuned{"win98-tuned.reg", Os::Windows98, true, 0x40048, &kWin98};
inline const WindowsMachine kWinXpTuned{"winxp-tuned.reg", Os::WindowsXp, true, 0x60000, &kWinXp};
inline const WindowsMachine kWinXpJunk{"winxp-junk.reg", Os::WindowsXp, true, 0x60000, &kWinXp};
inline const WindowsMachine* const kMachines[] = {
    &kWin95, &kWin98,    &kWinMe,      &kNt4,        &kNt4NewShell, &kWin2000,
    &kWinXp, &kNt4Tuned, &kWin98Tuned, &kWinXpTuned, &kWinXpJunk};
inline void ShellXp(FakeShell& shell) { kWinXp.setUpShell(shell); }

// The inputs as the program computes them at start: the version and shell from the machine,
// the browser version and program files directory from its registry.
inline CatalogueInputs MachineInputs(const WindowsMachine& machine, Registry& registry,
                                     CatalogueView view = CatalogueView::LocalUpdate) {
  CatalogueInputs inputs = VersionInputs(machine.osVersion, machine.newShell, view);
  inputs.shellVersion = machine.shellVersion;
  inputs.ieVersion =
      registry.ReadText(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer", "Version")
          .substr(0, 20);
  inputs.paths.programFilesDir = registry.ReadText(
      RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
  return inputs;
}

// Every category as loading a package builds them (drives shared, cursors included), and the
// Quick Launch list.
inline std::unique_ptr<SlotCatalogue> BuildEverything(const CatalogueInputs& inputs,
                                                      const CatalogueSystem& system) {
  auto catalogue = std::make_unique<SlotCatalogue>(inputs, system);
  InstallBuilders(*catalogue);
  catalogue->BuildAll(true);
  catalogue->BuildCategory(Category::QuickLaunch);
  return catalogue;
}

// What "gdctl catalogue" prints for the machine over `registry`: every category with the
// plugins' slots, drives in the remembered mode.
inline std::vector<std::string> Listing(const WindowsMachine& machine, CatalogueView view,
                                        Registry& registry) {
  FakeShell shell;
  test::MemoryIni ini;
  machine.setUpShell(shell, &ini);
  test::ScriptedPrompt prompt;
  test::RecordingNotice notice;
  PluginSlots plugins;
  SlotCatalogue catalogue(MachineInputs(machine, registry, view),
                          CatalogueSystem{registry, ini, shell, prompt, notice, &plugins});
  InstallBuilders(catalogue);
  std::vector<std::string> listed;
  for (Category c : kAllCategories) {
    if (c == Category::Drives) BuildDriveIcons(catalogue);
    catalogue.BuildCategory(c);
    for (const CatalogueEntry& entry : catalogue.Entries(c)) listed.push_back(SlotLine(c, entry));
  }
  return listed;
}

inline std::string GoldenFile(const WindowsMachine& machine, CatalogueView view) {
  const std::string reg = machine.file;
  return reg.substr(0, reg.find('.')) +
         (view == CatalogueView::LocalUpdate ? ".local.txt" : ".builder.txt");
}

// Where the listing first differs from the golden file beside the fixture; empty when equal.
inline std::string GoldenListingDifference(const WindowsMachine& machine, CatalogueView view,
                                           Registry& registry) {
  const std::string file = GoldenFile(machine, view);
  const std::vector<std::string> listed = Listing(machine, view, registry);
  const std::vector<std::string> golden = FixtureLines(file);
  const auto [want, got] =
      std::mismatch(golden.begin(), golden.end(), listed.begin(), listed.end());
  if (golden.empty() || want != golden.end() || got != listed.end()) {
    return file + " line " + std::to_string(want - golden.begin() + 1) +
           ":\n  golden: " + (want == golden.end() ? "(end)" : *want) +
           "\n  listed: " + (got == listed.end() ? "(end)" : *got);
  }
  return "";
}

}  // namespace gd::version_test
