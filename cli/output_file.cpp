// Files written whole or not at all; see output_file.h.
#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "cli/cli.h"

namespace quendal::cli {
namespace {

constexpr mode_t newfilemode = 0666;     // less the umask, which open(2) applies
constexpr mode_t permissionbits = 0777;  // what a replaced file passes on
constexpr int nameattempts = 100;        // names tried for the new file
constexpr std::size_t namekept = 200;    // bytes of the target's name in it (a name has at most 255)

[[noreturn]] void fail(const std::string& path, int error) { throw WriteError(path + ": " + std::strerror(error)); }

// Writes every byte (a write may take fewer than it is given); false with
// errno set when one fails.
bool writeall(int fd, std::string_view text, WriteCall writer) {
  while (!text.empty()) {
    const ssize_t n = writer(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A device or a FIFO: written as it is, there is nothing to replace.
void writedirectly(const std::string& path, std::string_view text, WriteCall writer) {
  const int fd = open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) fail(path, errno);
  const bool written = writeall(fd, text, writer);
  const int error = errno;
  if (close(fd) != 0 && written) fail(path, errno);
  if (!written) fail(path, error);
}

// The folder of a path ("dir/" of "dir/name", "" of "name").
std::string folderof(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a symbolic link names; other paths as they are.
std::string linktarget(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char* real = realpath(path.c_str(), nullptr);
  if (real == nullptr) return path;
  std::string target(real);
  std::free(real);
  return target;
}

// Creates a new empty file ".NAME.XXXXXXXX" beside target and names it in
// temporary: its descriptor, or -1 with errno set.
int createbeside(const std::string& target, std::string& temporary) {
  const std::string folder = folderof(target);
  const std::string name = target.substr(folder.size(), namekept);
  std::random_device entropy;
  for (int attempt = 0; attempt < nameattempts; ++attempt) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(entropy()));
    temporary = folder;
    temporary.append(".").append(name).append(".").append(suffix);
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, newfilemode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The rename on the disk too, as far as the folder's file system allows.
void syncfolder(const std::string& target) {
  const std::string folder = folderof(target);
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

void writefilewhole(const std::string& path, std::string_view text, WriteCall writer) {
  struct stat old {};
  const bool replacing = stat(path.c_str(), &old) == 0;
  if (replacing && !S_ISREG(old.st_mode)) {
    writedirectly(path, text, writer);
    return;
  }
  // A file the user may not write stays refused, as it would be when
  // written in place; the folder's permission alone does not decide.
  if (replacing && access(path.c_str(), W_OK) != 0) fail(path, errno);
  const std::string target = replacing ? linktarget(path) : path;
  std::string temporary;
  const int fd = createbeside(target, temporary);
  if (fd < 0) throw WriteError(path + ": cannot create a new file in its folder: " + std::strerror(errno));
  // A file system that cannot flush (EINVAL) still gets the file.
  bool done = writeall(fd, text, writer) && (!replacing || fchmod(fd, old.st_mode & permissionbits) == 0) &&
              (fsync(fd) == 0 || errno == EINVAL);
  int error = errno;
  if (close(fd) != 0 && done) {
    done = false;
    error = errno;
  }
  if (done && rename(temporary.c_str(), target.c_str()) != 0) {
    done = false;
    error = errno;
  }
  if (!done) {
    unlink(temporary.c_str());
    fail(path, error);
  }
  syncfolder(target);
}

}  // namespace quendal::cli
