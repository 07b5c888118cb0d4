#pragma once
// Creating an output or settings folder folder by folder, and undoing that when a step fails.

#include <string>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

// Creates every missing folder of the folder part of `folder` (which names a folder when it ends
// with a backslash). When one cannot be created, the folders made before it are removed again
// and FALSE is given; folders that existed before are never touched.
BOOL CreateFolderChain(const std::string& folder);

// Removes the folders between `failedFolder` (exclusive, it was not made) and `keepFolder`
// (exclusive, it existed before), deepest first. FALSE when the two do not lie on one chain or a
// removal failed.
BOOL RemoveCreatedFolders(const std::string& failedFolder, const std::string& keepFolder);

}  // namespace ferrolin
