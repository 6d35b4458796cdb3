// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>

#include "state/rebellion_screen.h"
#include "state/ui.h"

namespace velmoran {

class Session;

// The transcript of a game: one line for everything the screens show, fields joined by " | ".
// The terminal edition prints it; every other front end can keep the same lines, so that a
// test can tell that both played a game move for move alike. Lines are returned without their
// line feed.

// A text as one transcript field that cannot drive the player's terminal and reads one way
// only: line breaks written as \n and \r, every other control character (C0, DEL and C1) as \x
// and its code point in two hex digits (\x1B for ESC), the bidirectional controls as \u{} and
// four hex digits (\u{202E}), and a backslash or a | as \\ or \|, so that a typed "\x1B" is
// not an ESC and a name holding " | " is not two fields.
std::string transcriptField(const std::string& text);

std::string messageLine(Icon icon, const std::string& title, const std::string& text);
std::string askLine(const std::string& title, const std::string& text);
std::string inputLine(const std::string& title, const std::string& prompt,
                      const std::string& defaultAnswer);
std::string screenLine(Screen screen, bool open);
// The settings screen's check boxes as it opens.
std::string checksLine(const std::array<bool, 3>& checks);
std::string linkLine(const std::string& address);
std::string infoLine(const std::string& text);
// The best-scores screen's three rows, one line each.
std::string bestScoresLines(const std::array<std::string, 6>& fields);
// The rebellion screen's two sides, one line each.
std::string rebellionLines(const RebellionScreen& sides);
// The title menu's offer as it opens: the unfinished reign's ruler, country and month, or that
// another copy of the game plays it; nothing when no reign is unfinished.
std::optional<std::string> reignOfferLine(const Session& session);
// Every quantity of the running game, its buttons, question code, month-end flag, info text
// and withdrawn menu entries, one line each.
std::string stateLines(Session& session);

}  // namespace velmoran
