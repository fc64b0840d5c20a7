// Writes a resource script as C++ source that defines its resource table.
#pragma once

#include <string>

#include "lang/compiler/resource_script.h"

namespace tessera::rescomp {

enum class TableOwner {
  Program,  // defines tessera::kProgramResources, linked into the program
  Library,  // defines the exported data symbol TesseraResources of a language library
};

std::string TableSource(const ResourceScript& script, TableOwner owner, const std::string& origin);

}  // namespace tessera::rescomp
