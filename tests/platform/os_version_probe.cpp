// Exits with the version code the running system reports, for the version tests to read.
#include "platform/os_version.h"

int main() { return gd::GetOsVersion(); }
