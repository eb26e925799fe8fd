// Times building the whole catalogue over the real registry: the Windows XP fixture is copied
// into this process's scratch registry roots, then every category (drives shared, cursors and
// Quick Launch included) is built from nothing N times. Prints the minimum and median in ms.
//
//   catalogue_bench.exe [REPETITIONS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "support/machine_on_registry_win32.h"
#include "support/memory_ini.h"
#include "support/scripted_prompt.h"
#include "support/windows_machines.h"

int main(int argc, char** argv) {
  using namespace gd;
  using namespace gd::version_test;
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

  const test::MachineOnRegistry machine(kWinXp);
  if (!machine.error().empty()) {
    std::fprintf(stderr, "%s: %s\n", kWinXp.file, machine.error().c_str());
    return 1;
  }

  const CatalogueInputs inputs = MachineInputs(kWinXp, SystemRegistry());
  FakeShell shell;
  kWinXp.setUpShell(shell);
  test::MemoryIni ini;
  test::ScriptedPrompt prompt;
  test::RecordingNotice notice;

  std::vector<double> times;
  std::size_t slots = 0;
  for (int i = 0; i < repetitions; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const auto catalogue =
        BuildEverything(inputs, CatalogueSystem{SystemRegistry(), ini, shell, prompt, notice});
    const auto stop = std::chrono::steady_clock::now();
    times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    slots = 0;
    for (Category c : kAllCategories) slots += catalogue->Entries(c).size();
  }
  std::sort(times.begin(), times.end());
  const double median = times.size() % 2 == 1
                             ? times[times.size() / 2]
                             : (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
  std::printf("catalogue of %s over the real registry: %zu slots, %d builds\n", kWinXp.file,
              slots, repetitions);
  std::printf("min %.3f ms, median %.3f ms\n", times.front(), median);
  return slots == 0 ? 1 : 0;
}
