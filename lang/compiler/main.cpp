// The resource compiler, run by the build:
//   tessera_rescomp --program|--library OUTPUT.cpp SCRIPT...
// reads the scripts in order (a later one replaces entries of an earlier one
// by identifier) and writes the resource table as C++ source. The output is
// rewritten only when it changes, so that an unchanged table does not make
// the build compile it again.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "lang/compiler/resource_script.h"
#include "lang/compiler/table_source.h"

namespace {

bool ReadFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int Usage() {
  std::fputs("usage: tessera_rescomp --program|--library OUTPUT.cpp SCRIPT...\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tessera::rescomp;
  if (argc < 4) return Usage();
  const std::string mode = argv[1];
  if (mode != "--program" && mode != "--library") return Usage();
  const std::string output = argv[2];

  ResourceScript script;
  std::string origin;
  for (int i = 3; i < argc; ++i) {
    std::string text;
    if (!ReadFile(argv[i], text)) {
      std::fprintf(stderr, "tessera_rescomp: cannot read %s\n", argv[i]);
      return 1;
    }
    const std::string error = ReadResourceScript(text, argv[i], script);
    if (!error.empty()) {
      std::fprintf(stderr, "tessera_rescomp: %s\n", error.c_str());
      return 1;
    }
    // Only the file names: the generated source does not depend on where
    // the tree was checked out.
    const std::string path = argv[i];
    origin += (origin.empty() ? "" : " + ") + path.substr(path.find_last_of('/') + 1);
  }

  const std::string source =
      TableSource(script, mode == "--program" ? TableOwner::Program : TableOwner::Library, origin);
  std::string existing;
  if (ReadFile(output, existing) && existing == source) return 0;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(output).parent_path(), ignored);
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out << source;
  out.close();
  if (!out) {
    std::fprintf(stderr, "tessera_rescomp: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}
