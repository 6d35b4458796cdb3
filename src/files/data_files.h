// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmoran {

// What shows a data text decides how it has to behave.
enum class DataFileRole {
  Welcome,   // the greeting of a new game, shown before the treasury is drawn
  Event,     // a monthly event, or the second text an event chains to
  FollowUp,  // shown by a Yes to the acquaintance, the plot or the assassination attempt
  Command,   // the player's move for the month
  Errand,    // a command that leaves the month open: a subsidy paid out at once
  Refusal,   // a command that came to nothing: a refused loan, a wedding without a partner
};

// A data text the game asks for.
struct DataFile {
  std::string name;
  DataFileRole role;
  // The caption of the menu entry whose command shows it, as the menu bar writes it, for a
  // command's text, errand or refusal; empty for the others.
  std::string_view command;
  // The widest amount the command appends to the text ("5100$"), empty if it appends none.
  std::string widestAmount;

  bool amountAppended() const { return !widestAmount.empty(); }
};

// Every data text the game asks for: the greeting, the events, the texts that answers lead
// to, then the commands' texts in menu order.
const std::vector<DataFile>& dataFiles();
// The file of that name, or null if the game never asks for it.
const DataFile* findDataFile(std::string_view name);

}  // namespace velmoran
