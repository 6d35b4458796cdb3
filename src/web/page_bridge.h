// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "state/ui.h"

// What the game asks of the page it runs in (page_bridge.cpp, in JavaScript). The boxes return
// only when the player has answered; meanwhile the page goes on.
namespace velmoran::page {

void message(Icon icon, const std::string& title, const std::string& text);
bool askYesNo(const std::string& title, const std::string& text);
// Empty when the player cancels.
std::optional<std::string> input(const std::string& title, const std::string& prompt,
                                 const std::string& defaultAnswer);
// What the screens show, as JSON (page_state.h).
void showState(const std::string& json);
// A sound file of the shipped game folder, by its path in the game's file system.
void playSound(const std::string& path);
void openLink(const std::string& address);
void showChronicle(const std::string& json);

}  // namespace velmoran::page
