#pragma once
// The output path's checks and splits, shared by Execute, Browse and the settings file. Paths are
// Windows-form code page 932 texts, searched by character so that the trail byte of a double-byte
// character is never taken for a backslash or a colon. No length limit: a path is handled whole.

#include <string>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

// FALSE when the text holds a doubled backslash (after a network path's leading pair) or, after
// the drive's colon (after the leading pair of a network path), one of / : , ; * ? " > < |.
BOOL IsValidPathText(const std::string& path);
// Whether the drive letter, or the share root of a network path, can be written to.
BOOL IsUsableDrive(const std::string& path);
// Whether the drive of `letter` is usable: no root directory counts as usable, CD-ROM and RAM
// disks do not, the other kinds when their root can be accessed with `mode`.
BOOL IsWritableDriveLetter(char letter, int mode);

// Makes the text end with a backslash (a trail byte 0x5C is not one); FALSE for an empty text.
BOOL AppendSeparator(std::string* text);
// Reduces a path to its drive and folder (the last component is taken as a file name), ending
// with a backslash; FALSE and the path unchanged when nothing is left.
BOOL ReduceToFolder(std::string* path);
// Whether the folder part of the path is an existing directory.
BOOL IsExistingFolder(const std::string& path);

// Up to and including the last backslash; empty when there is none.
std::string GetFolderPart(const std::string& path);
// After the last backslash; the whole text when there is none.
std::string GetFileNamePart(const std::string& path);
// Up to and including the last colon; empty when there is none.
std::string GetDrivePart(const std::string& path);
// After the last colon; the whole text when there is none.
std::string GetAfterDrivePart(const std::string& path);

}  // namespace ferrolin
