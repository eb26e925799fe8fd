// gdctl: the console program for package authors and scripts.
#include <iostream>
#include <string>
#include <vector>

#include "gdctl/command_group.h"
#include "gdctl/output_encoding.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const gd::gdctl::EncodedOutput out(std::cout, gd::gdctl::EncoderForStandardHandle(1));
  const gd::gdctl::EncodedOutput err(std::cerr, gd::gdctl::EncoderForStandardHandle(2));
  return gd::gdctl::RunCommandLine(args, std::cout, std::cerr);
}
