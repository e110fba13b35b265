#include "file_utils/mdlGlobalFunctions.h"

namespace vexar {

// Placeholder until the tree removal lands: refuses every path.
std::int32_t DeleteFolderTree(platform::FileSystem& /*files*/, std::string_view /*strFolder*/) {
    return kInvalidFolder;
}

void RemoveDataFolder(platform::Services /*services*/, std::string_view /*strFolder*/) {}

}  // namespace vexar
