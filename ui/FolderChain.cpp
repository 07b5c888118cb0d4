#include "ui/FolderChain.h"

#include <optional>
#include <string_view>
#include <vector>

#include "platform/paths/PathServices.h"
#include "platform/text/Cp932.h"
#include "ui/OutputPath.h"

namespace ferrolin {
namespace {

struct RootAndRest {
    std::string root;  // ends with a backslash
    std::string rest;  // the part after the root
};

// A folder reduced to its drive and folder with a trailing backslash, split at its root.
std::optional<RootAndRest> SplitFolder(const std::string& path) {
    std::string folder = path;
    if (folder.empty() || !ReduceToFolder(&folder) || !AppendSeparator(&folder)) {
        return std::nullopt;
    }
    const auto afterRoot = PathSkipRootA(folder);
    if (!afterRoot) return std::nullopt;
    RootAndRest split{folder, folder.substr(*afterRoot)};
    if (!PathStripToRootA(&split.root) || !AppendSeparator(&split.root)) return std::nullopt;
    return split;
}

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether the first `count` bytes of both texts are equal, single-byte letters ignoring case
// (the bytes of double-byte characters compared as they are).
bool EqualPrefixIgnoringCase(std::string_view a, std::string_view b, std::size_t count) {
    if (a.size() < count || b.size() < count) return false;
    for (std::size_t pos = 0; pos < count;) {
        const std::size_t length = CharLengthAt(a, pos);
        if (length == 1) {
            if (FoldAscii(a[pos]) != FoldAscii(b[pos])) return false;
        } else if (a.substr(pos, length) != b.substr(pos, length)) {
            return false;
        }
        pos += length;
    }
    return true;
}

// Byte indexes of the single-byte backslashes of a text, by character.
std::vector<std::size_t> BackslashPositions(std::string_view text) {
    std::vector<std::size_t> positions;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (CharLengthAt(text, pos) == 1 && text[pos] == '\\') positions.push_back(pos);
    }
    return positions;
}

}  // namespace

BOOL CreateFolderChain(const std::string& folder) {
    const auto split = SplitFolder(folder);
    if (!split) return 0;
    // The deepest folder that existed before we began: what a clean-up must leave.
    std::string keep = split->root;
    for (const std::size_t i : BackslashPositions(split->rest)) {
        const std::string step = split->root + split->rest.substr(0, i) + '\\';
        if (PathIsDirectoryA(step)) {
            keep = step;
            continue;
        }
        if (!CreateDirectoryA(step)) {
            RemoveCreatedFolders(step, keep);
            return 0;
        }
    }
    return 1;
}

BOOL RemoveCreatedFolders(const std::string& failedFolder, const std::string& keepFolder) {
    const auto failed = SplitFolder(failedFolder);
    const auto keep = SplitFolder(keepFolder);
    if (!failed || !keep) return 0;
    if (failed->root.size() != keep->root.size() ||
        !EqualPrefixIgnoringCase(failed->root, keep->root, failed->root.size()) ||
        !EqualPrefixIgnoringCase(failed->rest, keep->rest, keep->rest.size())) {
        return 0;
    }
    const std::vector<std::size_t> positions = BackslashPositions(failed->rest);
    for (auto it = positions.rbegin(); it != positions.rend(); ++it) {
        const std::size_t n = *it;
        if (n == 0) break;  // the walk goes down to the rest's second byte
        if (EqualPrefixIgnoringCase(keep->rest, failed->rest, n)) return 1;
        const std::string step = failed->root + failed->rest.substr(0, n) + '\\';
        if (PathIsDirectoryA(step) && !RemoveDirectoryA(step)) return 0;
    }
    return 1;
}

}  // namespace ferrolin
