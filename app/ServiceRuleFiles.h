// The rule files in a folder ("services" beside the program, or getlink-cli --services DIR)
// and the catalog of services they make with the built-in ones.
#pragma once

#include <vector>

#include "app/ServiceCatalog.h"
#include "app/rules/ServiceRuleReader.h"

namespace getlink {

// The folder "services" beside the running program.
Text ServicesFolder();

// The built-in services and those of the folder's rule files (*.json, at most 64, in the
// order of their names): `faults` gets each file that cannot be used, with its line and
// fault, named "shownFolder\NAME.json" (shownFolder empty: NAME.json). A file larger than a
// rule may be is not read at all. A missing folder has no rules and no faults.
ServiceCatalog LoadServiceCatalog(std::string_view folder, std::string_view shownFolder, std::vector<FileFault>& faults);

// The rule in one file, named as given, or its fault.
ServiceRuleRead ReadServiceRuleFile(std::string_view path, std::string_view shownName);

}  // namespace getlink
