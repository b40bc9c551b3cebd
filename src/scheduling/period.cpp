#include "scheduling/period.h"

namespace curfew {

std::vector<std::string> SplitPeriod(std::string_view text) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    pieces.emplace_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) return pieces;
    start = comma + 1;
  }
}

}  // namespace curfew
