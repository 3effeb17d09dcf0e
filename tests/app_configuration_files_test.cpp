// Configuration files that are not what the user meant to write: missing,
// empty, unreadable, a directory, a FIFO, a device, binary, 2 GB. Each reads
// as missing (result 0) or too large (-1), or as a file of no usable line
// (1), at once and without reading the file whole into memory.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "app/configuration.h"
#include "configuration_invariants.h"
#include "support.h"

namespace quendal {
namespace {

namespace fs = std::filesystem;

class ConfigurationFiles : public testsupport::TempDir {
 protected:
  // The result of reading the file, checked to take well under a second and
  // to leave the tables within their limits.
  int read(const std::string& path) {
    const auto start = std::chrono::steady_clock::now();
    const Configuration c = readConfigurationFile(path);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 1.0) << path;
    EXPECT_EQ(configurationfault(c), "") << path;
    return c.result;
  }
};

// Peak resident memory of the process, kilobytes.
long peakkilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST_F(ConfigurationFiles, MissingEmptyDirectoryFifoAndDevices) {
  const struct {
    const char* name;
    std::string path;
    int result;
  } cases[] = {
      {"missing", (dir / "QUENDAL6.INI").string(), 0},
      {"empty", write("empty.ini", ""), 1},
      {"directory", (dir / "directory.ini").string(), 0},
      {"FIFO without a writer", (dir / "fifo.ini").string(), 0},
      {"character device", (dir / "zero.ini").string(), 0},
      {"dangling link", (dir / "dangling.ini").string(), 0},
      // A regular file whose reading fails (EIO at address 0): missing.
      {"regular file that cannot be read", "/proc/self/mem", 0},
  };
  fs::create_directory(dir / "directory.ini");
  ASSERT_EQ(mkfifo((dir / "fifo.ini").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir / "zero.ini");
  fs::create_symlink(dir / "nowhere", dir / "dangling.ini");
  for (const auto& c : cases) EXPECT_EQ(read(c.path), c.result) << c.name;
}

// Without read permission: missing. As root (whom permissions do not stop)
// the file is read by a child process that has become nobody.
TEST_F(ConfigurationFiles, UnreadableFileIsMissing) {
  const std::string path = write("QUENDAL6.INI", "51 N 30     0W 07 London\n");
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
  if (geteuid() != 0) {
    EXPECT_EQ(read(path), 0);
    return;
  }
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
    _exit(readConfigurationFile(path).result == 0 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "3: could not become nobody, 1: the file was read";
}

// Binary content of every size around the limit: read (no usable line, or
// whatever the bytes happen to hold) up to 65,540 bytes, too large beyond.
TEST_F(ConfigurationFiles, BinaryFiles) {
  std::mt19937 random(2024);
  for (const std::size_t size :
       {std::size_t{1}, std::size_t{4096}, std::size_t{65540}, std::size_t{65541}, std::size_t{1} << 20}) {
    std::string bytes(size, '\0');
    for (char& b : bytes) b = static_cast<char>(random());
    EXPECT_EQ(read(write("binary.ini", bytes)), size > configurationmaxbytes ? -1 : 1) << size;
  }
}

// A sparse file of 2 GB is too large, found at once; the reader reads no
// more than one byte beyond the limit (the peak memory grows by far less
// than the file's size).
TEST_F(ConfigurationFiles, TwoGigabytesAreTooLarge) {
  const std::string path = (dir / "QUENDAL6.INI").string();
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, off_t{2} << 30), 0);
  close(fd);
  const long before = peakkilobytes();
  EXPECT_EQ(read(path), -1);
  EXPECT_LT(peakkilobytes() - before, 64 * 1024);

  // The same in the working directory, before QUENDAL5.INI.
  write("QUENDAL5.INI", "51 N 30     0W 07 London\n");
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  const Configuration c = readConfiguration();
  fs::current_path(previous);
  EXPECT_EQ(c.result, -1);
  EXPECT_EQ(configurationfault(c), "");
}

// A QUENDAL6.INI that is a directory, a FIFO or a device counts as missing:
// QUENDAL5.INI is read instead.
TEST_F(ConfigurationFiles, UnusableQuendal6FallsBackToQuendal5) {
  write("QUENDAL5.INI", "51 N 30     0W 07 London\n");
  const fs::path previous = fs::current_path();
  for (const char* kind : {"directory", "fifo", "device"}) {
    const fs::path six = dir / "QUENDAL6.INI";
    fs::remove_all(six);
    if (std::string(kind) == "directory") fs::create_directory(six);
    if (std::string(kind) == "fifo") {
      ASSERT_EQ(mkfifo(six.c_str(), 0600), 0);
    }
    if (std::string(kind) == "device") fs::create_symlink("/dev/zero", six);
    fs::current_path(dir);
    const Configuration c = readConfiguration();
    fs::current_path(previous);
    EXPECT_EQ(c.result, 1) << kind;
    EXPECT_EQ(c.locationTable[0].name, "London") << kind;
  }
}

}  // namespace
}  // namespace quendal
