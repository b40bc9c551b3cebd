#include "platform/windowing/access_keys.h"

#include <gtest/gtest.h>

namespace curfew::ui {
namespace {

struct KeysCase {
  const char* description;
  std::vector<std::string> captions;
  std::vector<std::string> expected;
};

void PrintTo(const KeysCase& c, std::ostream* out) { *out << c.description; }

class AccessKeys : public testing::TestWithParam<KeysCase> {};

TEST_P(AccessKeys, MarkAFreeLetterOfEveryCaption) {
  EXPECT_EQ(WithAccessKeys(GetParam().captions), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, AccessKeys,
    testing::Values(
        KeysCase{"the main menu bar",
                 {"File", "Action", "View", "Languages", "Help", "About"},
                 {"&File", "&Action", "&View", "&Languages", "&Help", "A&bout"}},
        KeysCase{"a marked key is kept and counts as taken", {"Open", "&Exit", "Edit"}, {"&Open", "&Exit", "E&dit"}},
        KeysCase{"letter case does not matter", {"new", "Next"}, {"&new", "N&ext"}},
        KeysCase{"other scripts", {"Файл", "Фильтр", "Вид"}, {"&Файл", "Ф&ильтр", "&Вид"}},
        KeysCase{"separators and literal ampersands", {"-", "A && B", "a"}, {"-", "&A && B", "a"}},
        KeysCase{"a caption without a free letter stays", {"ab", "ba", "ab"}, {"&ab", "&ba", "ab"}}));

}  // namespace
}  // namespace curfew::ui
