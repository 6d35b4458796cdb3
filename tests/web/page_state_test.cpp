// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/page_state.h"

#include <gtest/gtest.h>

namespace velmoran {
namespace {

TEST(PageState, TextsAreJsonStringsWhateverTheyHold) {
  const struct {
    std::string text;
    const char* json;
  } cases[] = {
      {"", R"("")"},
      {"Kačerov", R"("Kačerov")"},
      {"a \"b\" \\ c", R"("a \"b\" \\ c")"},
      {"řádek\nřádek\r\t", R"("řádek\u000ařádek\u000d\u0009")"},
      {std::string("\x1b[31m", 5), R"("\u001b[31m")"},
      {"</script>", R"("</script>")"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    EXPECT_EQ(jsonString(c.text), c.json);
  }
}

TEST(PageState, TheMenuBarIsTheGameScreensTable) {
  const std::string bar = menuBarJson();
  EXPECT_EQ(
      bar.rfind(R"([{"name":"mhra","caption":"Hra","entries":[{"index":0,"name":"mnewgame")", 0),
      0u);
  EXPECT_NE(bar.find(R"({"index":18,"name":"povýšení","command":"povyseni")"), std::string::npos);
  EXPECT_NE(bar.find(R"("caption":"Dotace pro armádu    600$","shortcut":"")"), std::string::npos);
  EXPECT_NE(bar.find(R"({"name":"noo","caption":"Nic","entries":[{"index":29)"), std::string::npos);
}

TEST(PageState, AChronicleCarriesItsFiguresAndLines) {
  ReignChronicle chronicle;
  chronicle.ruler = "Jan";
  chronicle.country = "Ruritánie";
  chronicle.months = 2;
  chronicle.figures.push_back({1, 100, -50, 20, 5, 1, 2, {1, 2, 3, 4, 5, 6}});
  EXPECT_EQ(
      chronicleJson(chronicle, {{2, "Válka."}}),
      R"({"heading":"Jan, vládce země Ruritánie: 2 měsíce","ruler":"Jan","country":"Ruritánie",)"
      R"("months":2,)"
      R"("figures":[[1,100,-50,20,5,1,2,1,2,3,4,5,6]],"lines":[{"month":2,"text":"Válka."}]})");
}

}  // namespace
}  // namespace velmoran
