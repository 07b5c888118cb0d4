#pragma once
// Whole-file reading and atomic replacement on Windows-form paths, for small files the system
// rewrites in one piece (the remembered settings).

#include <optional>
#include <string>
#include <string_view>

namespace ferrolin {

// The file's bytes; none when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& windowsPath);

// Replaces (or creates) the file with `bytes` so that a reader sees either the old file or the
// new one, never a part: a temporary file in the same folder is written whole, flushed to disk
// and renamed over the old one, then the folder is flushed. FALSE leaves the old file as it was
// and no temporary file behind.
bool ReplaceFileAtomically(const std::string& windowsPath, std::string_view bytes);

}  // namespace ferrolin
