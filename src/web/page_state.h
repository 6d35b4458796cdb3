// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "files/chronicle_texts.h"
#include "files/reign_chronicle.h"

namespace velmoran {

class Session;

// A text as a JSON string, quotes included.
std::string jsonString(const std::string& text);

// What the page draws, as one JSON object: the open screens, the title menu's offer of the
// unfinished reign, the game screen, the rebellion screen, the best scores and the settings'
// check boxes. `infoWrites` counts the texts written to the info panel, so that the page reads
// each one out.
std::string pageState(Session& session, unsigned infoWrites);

// The menus of the game screen and their entries, as the page builds its menu bar from them.
std::string menuBarJson();

// A reign's chronicle for the page's chart and lines.
std::string chronicleJson(const ReignChronicle& chronicle, const std::vector<ChronicleLine>& lines);

}  // namespace velmoran
