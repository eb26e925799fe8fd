// Moved: the machines of each Windows version are shared from tests/support.
#pragma once
#include "support/windows_machines.h"
