#pragma once

#include "core/Text.h"

// The three file-system operations the backup core needs. Paths are the program's own:
// relative to the working directory at the moment of the call, with a backslash between
// folders. Each operation reports success or failure and nothing else.
namespace sorika::fs {

// The path as the operating system takes it: backslashes become slashes.
std::string NativePath(const Text& path);

// True for any existing entry (a file, a folder, a link, read-only or not); every failure
// to look, whatever its cause, counts as absent.
bool Exists(const Text& path);

// Makes one folder. Fails when the name exists already or its parent is missing.
bool CreateFolder(const Text& path);

// Copies a regular file over the destination, carrying its permission bits and its
// modification time. The destination is afterwards either exactly as it was or a complete
// copy, whatever fails. A destination that is read-only or a folder fails the copy; a
// destination that is a symbolic link stays one, and the file it points to is replaced.
bool CopyFile(const Text& source, const Text& destination);

} // namespace sorika::fs
