// A catalogue over an in-memory system for the desktop, start-menu and plugin tests: each
// test picks the Windows version, shell and view, sets up the registry keys that decide which
// slots exist, and then builds.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/builders.h"
#include "catalogue/slot_catalogue.h"
#include "support/fake_shell.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "support/scripted_prompt.h"

namespace gd {
namespace {

constexpr RegRoot kHkcr = RegRoot::ClassesRoot;
constexpr RegRoot kHkcu = RegRoot::CurrentUser;
constexpr RegRoot kHklm = RegRoot::LocalMachine;

constexpr const char* kAppPath = "C:\\Program Files\\Glimmerdeck";
constexpr const char* kPluginDir = "C:\\Program Files\\Glimmerdeck\\Plugins";

class ShellCatalogueFixture : public ::testing::Test {
 protected:
  // The directories each family of Windows uses: the NT line keeps system32 under WINNT (XP
  // under WINDOWS), the 9x line keeps SYSTEM under WINDOWS.
  static PathContext PathsFor(int osVersion) {
    PathContext paths;
    const bool nt = osVersion >= 4;
    paths.windowsDir = (osVersion == 4 || osVersion == 5) ? "C:\\WINNT" : "C:\\WINDOWS";
    paths.systemDir = paths.windowsDir + (nt ? "\\system32" : "\\SYSTEM");
    paths.programFilesDir = "C:\\Program Files";
    paths.osVersion = osVersion;
    return paths;
  }

  // Makes (or remakes) the catalogue for a system; the registry and files stay as set up.
  SlotCatalogue& Make(int osVersion, bool newShell = true,
                      CatalogueView view = CatalogueView::LocalUpdate, bool silent = false) {
    CatalogueInputs inputs;
    inputs.osVersion = osVersion;
    inputs.newShell = newShell;
    inputs.view = view;
    inputs.paths = PathsFor(osVersion);
    inputs.appPath = kAppPath;
    inputs.silentStart = silent;
    inputs.ieVersion = ieVersion;
    catalogue_.reset();
    catalogue_.emplace(inputs, CatalogueSystem{registry, ini, shell, prompt, notice});
    return *catalogue_;
  }
  SlotCatalogue& catalogue() { return *catalogue_; }

  std::vector<std::string> Names(int category) {
    std::vector<std::string> names;
    for (const auto& entry : catalogue_->Entries(category)) names.push_back(entry.name);
    return names;
  }
  const IconSlot& Slot(int category, const std::string& name) {
    const IconSlot* slot = catalogue_->Find(category, name);
    if (slot == nullptr) {
      ADD_FAILURE() << "no slot \"" << name << "\" in category " << category;
      static const IconSlot none;
      return none;
    }
    return *slot;
  }
  bool Has(int category, const std::string& name) {
    return catalogue_->Find(category, name) != nullptr;
  }
  std::string Shell32() const {
    return catalogue_->inputs().paths.systemDir + "\\shell32.dll";
  }

  // A plugin file as a test wants it; the setters chain, so a test names only what matters.
  struct Plugin {
    explicit Plugin(std::string fileTitle) : title(std::move(fileTitle)) {}
    Plugin& Location(std::string v) { location = std::move(v); return *this; }
    Plugin& Clsid(std::string v) { clsid = std::move(v); return *this; }
    Plugin& Name(std::string v) { name = std::move(v); return *this; }
    Plugin& IconFile(std::string v) { iconFile = std::move(v); return *this; }
    Plugin& IconIndex(std::string v) { iconIndex = std::move(v); return *this; }
    Plugin& Comments(std::string v) { comments = std::move(v); return *this; }
    Plugin& Enabled(bool v) { enabled = v; return *this; }
    Plugin& Registered(bool v) { registered = v; return *this; }
    Plugin& Extension(std::string v) { extension = std::move(v); return *this; }

    std::string title;
    std::string location = "0";
    std::string clsid = "{11111111-2222-3333-4444-555555555555}";
    std::string name = "Tool";
    std::string iconFile = "C:\\Tools\\tool.exe";
    std::string iconIndex = "2";
    std::string comments;
    bool enabled = true;
    bool registered = true;  // its object stands in the namespace key of its location
    std::string extension = ".gdp";
  };
  // Writes a plugin file into the Plugins folder and, as asked, enables and registers it.
  void AddPlugin(const Plugin& p) {
    const std::string file = std::string(kPluginDir) + "\\" + p.title + p.extension;
    shell.files.insert(file);
    auto put = [&](const char* key, const std::string& value) {
      if (!value.empty()) ini.WriteString(file, "Application Info", std::string(key), value);
    };
    put("Name", p.name);
    put("Location", p.location);
    put("CLSID", p.clsid);
    put("IconFile", p.iconFile);
    put("IconIndex", p.iconIndex);
    put("Comments", p.comments);
    if (p.enabled) {
      backend.PutText(kHkcu, "Software\\Quillmoor\\Glimmerdeck\\Plugins", p.title + p.extension,
                      "");
    }
    if (p.registered) {
      const char* where = p.location == "1" ? "MyComputer" : "Desktop";
      backend.PutText(kHklm,
                      std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\") +
                          where + "\\NameSpace\\" + p.clsid,
                      "", "");
    }
  }

  std::string ieVersion = "6.0.2900.2180";
  test::MemoryRegistry backend;
  Registry registry{backend};
  test::MemoryIni ini;
  test::FakeShell shell;
  test::ScriptedPrompt prompt;
  test::RecordingNotice notice;

 private:
  std::optional<SlotCatalogue> catalogue_;
};

}  // namespace
}  // namespace gd
