// quendal-docs DIRECTORY: writes the manual pages quendal-report.1 and
// quendal.1 and the bash completion quendal-report.bash into the directory,
// made from quendal-report's own table of subcommands and options. Run by
// the build; the version and the release date come from it.
#include <cstdio>
#include <fstream>
#include <string>

#include "cli/docs/bash_completion.h"
#include "cli/docs/manual_page.h"

namespace {

bool write(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
  file.close();
  if (!file) std::fprintf(stderr, "quendal-docs: cannot write %s\n", path.c_str());
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quendal-docs DIRECTORY\n");
    return 2;
  }
  const std::string directory = argv[1];
  const bool written =
      write(directory + "/quendal-report.1", quendal::cli::reportmanualpage(QUENDAL_VERSION, QUENDAL_RELEASE_DATE)) &&
      write(directory + "/quendal.1", quendal::cli::desktopmanualpage(QUENDAL_VERSION, QUENDAL_RELEASE_DATE)) &&
      write(directory + "/quendal-report.bash", quendal::cli::bashcompletion());
  return written ? 0 : 1;
}
