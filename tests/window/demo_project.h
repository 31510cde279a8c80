#pragma once
// The bundled example project, copied so a compile can write beside it.

#include <string>

#include "support/test_support.h"

namespace qv::test {

// demo.asm and demo_waves.inc in the folder; returns the path of demo.asm.
inline std::string CopyDemoProject(const TempFolder& folder) {
  std::string demo = sourceDir() + "/examples/demo/";
  folder.write("demo_waves.inc", readFile(demo + "demo_waves.inc"));
  return folder.write("demo.asm", readFile(demo + "demo.asm"));
}

// Line of demo.asm that defines a label, counted from 1.
inline constexpr int kChuffTopLine = 48;

}  // namespace qv::test
