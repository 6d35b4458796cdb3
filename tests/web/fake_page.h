// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmoran::testing {

// The page of the browser's edition as the native tests see it: it answers the boxes from a
// script and keeps what the game handed it.
struct FakePage {
  // The player's next line, as the terminal edition reads it: "" takes an input box's
  // default, "<cancel>" cancels it, "ano" answers Yes; none left cancels, or answers No.
  std::function<std::optional<std::string>()> answers = [] { return std::nullopt; };

  std::vector<std::string> states;  // every JSON state handed over
  std::vector<std::string> boxes;   // the title of every box, as it was shown
  std::vector<std::string> sounds;
  std::vector<std::string> links;
  std::vector<std::string> chronicles;
};

// The page the tests' WebUi talks to; cleared by each test.
FakePage& fakePage();

}  // namespace velmoran::testing
