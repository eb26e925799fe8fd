// What a builder test runs a catalogue against: an in-memory registry and INI files, a fixed
// shell, and a prompt and notice box that record what they are asked.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/slot_catalogue.h"
#include "support/fake_shell.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "support/scripted_prompt.h"

namespace gd::test {

class CatalogueHarness {
 protected:
  // A new, empty catalogue over this harness's system.
  SlotCatalogue& MakeCatalogue(const CatalogueInputs& inputs) {
    catalogue = std::make_unique<SlotCatalogue>(inputs, CatalogueSystem{registry, ini, shell, prompt, notice});
    return *catalogue;
  }
  std::vector<std::string> NamesIn(Category category) const {
    std::vector<std::string> names;
    for (const auto& entry : catalogue->Entries(category)) names.push_back(entry.name);
    return names;
  }
  // The slot of that name; a test failure (and an empty record) when there is none.
  const IconSlot& SlotIn(Category category, std::string_view name) {
    const IconSlot* slot = catalogue->Find(category, name);
    EXPECT_NE(slot, nullptr) << name;
    static const IconSlot none;
    return slot ? *slot : none;
  }

  MemoryRegistry backend;
  Registry registry{backend};
  MemoryIni ini;
  FakeShell shell;
  ScriptedPrompt prompt;
  RecordingNotice notice;
  std::unique_ptr<SlotCatalogue> catalogue;
};

}  // namespace gd::test
