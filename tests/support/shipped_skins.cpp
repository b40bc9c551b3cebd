#include "support/shipped_skins.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/program_folder.h"

namespace curfew::test {

std::string ShippedSkinText(const std::string& name) {
  std::ifstream file(TestProgramFolder() + "/skins/" + name + ".skin", std::ios::binary);
  if (!file) throw std::runtime_error("the skin " + name + " is not beside the test program");
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace curfew::test
