// gdctl: the console program for package authors and scripts.
#include <iostream>
#include <string>
#include <vector>

#include "gdctl/command_group.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return gd::gdctl::RunCommandLine(args, std::cout, std::cerr);
}
