// A machine of the version fixtures copied into this process's scratch registry roots, for the
// timing programs that build over the real registry.
#pragma once

#include <string>

#include "platform/registry_win32.h"
#include "support/memory_registry.h"
#include "support/scratch_roots_win32.h"
#include "support/windows_machines.h"

namespace gd::test {

class MachineOnRegistry {
 public:
  explicit MachineOnRegistry(const version_test::WindowsMachine& machine) {
    MemoryRegistry memory;
    error_ = machine.LoadInto(memory);
    if (error_.empty() && !roots_.ok()) error_ = "cannot redirect the registry roots";
    if (!error_.empty()) return;
    Win32Registry real;
    memory.CopyTo(real);
  }
  // Empty when the machine is in place, else what went wrong.
  const std::string& error() const { return error_; }

 private:
  ScratchRegistryRoots roots_;
  std::string error_;
};

}  // namespace gd::test
