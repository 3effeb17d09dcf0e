// The files the subcommands write (ics --output): whole or not at all.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace quendal::cli {

// write(2), or a stand-in with its contract (the tests make one that fails
// midway).
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);

// Writes text to the file path so that path holds either its old content or
// all of text, never a part: the bytes go into a new file beside it (same
// folder, so that it can be renamed), are flushed to the disk, and only then
// is that file renamed over path. The new file gets the mode of the file it
// replaces, else the mode any new file gets (0666 less the umask); a file
// the user may not write is refused as before; a symbolic link stays and the
// file it names is replaced. A path that is
// neither a regular file nor missing (a device such as /dev/stdout, a FIFO)
// is written directly. On failure the new file is removed, path is left as
// it was and WriteError "path: reason" is thrown ("path: cannot create a new
// file in its folder: reason" when the folder takes none).
void writefilewhole(const std::string& path, std::string_view text, WriteCall writer = ::write);

}  // namespace quendal::cli
