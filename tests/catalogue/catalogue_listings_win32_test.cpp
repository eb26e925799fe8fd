// The golden listings over the real registry: each fixture copied into this process's scratch
// registry roots must list exactly as its golden file, so every read the builders make (texts,
// expandable texts, binary and DWORD values, missing keys and values) means the same there.
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
    for (const CatalogueView view : {CatalogueView::LocalUpdate, CatalogueView::PackageBuilder}) {
      EXPECT_EQ(GoldenListingDifference(*machine, view, SystemRegistry()), "");
    }
  }
}

}  // namespace
}  // namespace gd::version_test
