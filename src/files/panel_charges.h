// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/data_files.h"
#include "files/data_text.h"

namespace velmoran {

// How many times the info panel charges a text's money amount, from showing it until the
// player may act again or the month turns. A question may cost by its answer: a No to the
// acquaintance brings "Hlupáku" and its Ok, one change of the panel more than a Yes.
struct Charges {
  int least;
  int most;
};

// Once when the text is shown, once more when its command appends an amount, and once more at
// every later change of the panel's text: an Ok that clears a plain text, an answer, the
// "Hlupáku" of a No to the acquaintance and the Ok that clears it. An Ok on a month-end text
// turns the month instead and an Ok on code 99 reads the next text, which brings its own
// amount. The greeting is charged before the treasury is drawn, so that charge comes to nothing.
Charges timesCharged(const DataFile& file, const DataText& record);

}  // namespace velmoran
