// The real registry against the in-memory one: each Windows version's .reg fixture is copied
// into this process's scratch registry roots, and every category built over the real registry
// must come out exactly as over the in-memory registry, slot for slot and field for field, so
// every read the builders make (texts, expandable texts, binary and DWORD policies, missing
// keys and values, key existence) means the same on both.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/registry_win32.h"
#include "support/memory_ini.h"
#include "support/memory_registry.h"
#include "support/reg_file.h"
#include "support/scratch_roots_win32.h"
#include "support/scripted_prompt.h"
#include "version_fixture.h"

namespace gd::version_test {
namespace {

struct Machine {
  FakeShell shell;
  test::MemoryIni ini;
  test::ScriptedPrompt prompt;
  test::RecordingNotice notice;
};

class VersionFixturesOnWindows : public ::testing::TestWithParam<int> {};

TEST_P(VersionFixturesOnWindows, RealRegistryBuildsWhatTheMemoryRegistryBuilds) {
  const WindowsMachine& machine = AllMachines().at(static_cast<std::size_t>(GetParam()));
  SCOPED_TRACE(machine.file);
  test::MemoryRegistry memory;
  ASSERT_EQ(test::LoadRegFile(memory, FixturePath(machine.file)), "");
  Registry memoryRegistry{memory};

  test::ScratchRegistryRoots roots;
  ASSERT_TRUE(roots.ok());
  Win32Registry real;
  memory.CopyTo(real);

  const CatalogueInputs inputs = MachineInputs(machine, memoryRegistry);
  const CatalogueInputs realInputs = MachineInputs(machine, SystemRegistry());
  EXPECT_EQ(realInputs.ieVersion, inputs.ieVersion);
  EXPECT_EQ(realInputs.paths.programFilesDir, inputs.paths.programFilesDir);

  Machine overReal;
  Machine overMemory;
  machine.setUpShell(overReal.shell);
  machine.setUpShell(overMemory.shell);
  const auto realCatalogue = BuildEverything(
      inputs, CatalogueSystem{SystemRegistry(), overReal.ini, overReal.shell, overReal.prompt,
                              overReal.notice});
  const auto memoryCatalogue = BuildEverything(
      inputs, CatalogueSystem{memoryRegistry, overMemory.ini, overMemory.shell,
                              overMemory.prompt, overMemory.notice});

  const std::vector<std::string> realLines = AllSlotLines(*realCatalogue);
  const std::vector<std::string> memoryLines = AllSlotLines(*memoryCatalogue);
  // Every version offers at least its desktop, drives, others, files and cursors.
  EXPECT_GT(memoryLines.size(), 45u);
  EXPECT_EQ(realLines.size(), memoryLines.size());
  for (std::size_t i = 0; i < std::min(realLines.size(), memoryLines.size()); ++i) {
    EXPECT_EQ(realLines[i], memoryLines[i]) << "slot " << i;
  }
  EXPECT_EQ(overReal.notice.shown.size(), overMemory.notice.shown.size());
}

INSTANTIATE_TEST_SUITE_P(Machines, VersionFixturesOnWindows,
                         ::testing::Range(0, static_cast<int>(AllMachines().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                           std::string name = AllMachines()[info.param].file;
                           name = name.substr(0, name.find('.'));
                           name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
                           return name;
                         });

}  // namespace
}  // namespace gd::version_test
