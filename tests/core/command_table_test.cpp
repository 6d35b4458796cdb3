// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/command_table.h"

#include <gtest/gtest.h>

namespace velmoran {
namespace {

// The two entries of "Hra" belong to the session; every other entry has exactly one handler.
TEST(CommandTable, EveryEntryButHraHasExactlyOneHandler) {
  for (const MenuEntryInfo& info : kMenuEntries) {
    int handlers = 0;
    for (std::size_t i = 0; i < kCommandCount; ++i) handlers += kCommands[i].entry == info.entry;
    const bool hra = info.entry == MenuEntry::mnewgame || info.entry == MenuEntry::mkonec;
    EXPECT_EQ(handlers, hra ? 0 : 1) << info.command;
  }
}

}  // namespace
}  // namespace velmoran
