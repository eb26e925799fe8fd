// The catalogue's inputs read from the running system.
#pragma once

#include "catalogue/catalogue_inputs.h"

namespace gd {

// Windows version, shell, Internet Explorer version and directories of this system; the view
// and application directory are the caller's.
CatalogueInputs SystemCatalogueInputs(Registry& registry, ShellQueries& shell,
                                      CatalogueView view, const std::string& appPath);

}  // namespace gd
