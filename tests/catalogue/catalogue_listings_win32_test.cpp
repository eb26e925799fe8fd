// The golden listings over the real registry: each fixture copied into this process's scratch
// registry roots must list exactly as its golden file, so every read the builders make (texts,
// expandable texts, binary and DWORD values, missing keys and values) means the same there.
// Expandable texts are expanded as the shell does, with the machine's directories.
#include <gtest/gtest.h>

#include "platform/registry_win32.h"
#include "support/scratch_roots_win32.h"
#include "support/windows_machines.h"

namespace gd::version_test {
namespace {

TEST(CatalogueListingsOnWindows, TheRealRegistryListsEachGoldenFile) {
  for (const WindowsMachine* machine : kMachines) {
    test::MemoryRegistry memory;
    ASSERT_EQ(machine->LoadInto(memory), "") << machine->file;
    test::ScratchRegistryRoots roots;
    ASSERT_TRUE(roots.ok());
    Win32Registry real;
    memory.CopyTo(real);
    // Expandable texts take this process's environment: the machine's own directories.
    const PathContext paths = VersionInputs(machine->osVersion).paths;
    SetEnvironmentVariableA("SystemRoot", paths.windowsDir.c_str());
    SetEnvironmentVariableA("ProgramFiles", paths.programFilesDir.c_str());
    for (const CatalogueView view : {CatalogueView::LocalUpdate, CatalogueView::PackageBuilder}) {
      EXPECT_EQ(GoldenListingDifference(*machine, view, SystemRegistry()), "");
    }
  }
}

}  // namespace
}  // namespace gd::version_test
