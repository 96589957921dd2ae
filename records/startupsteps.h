// What the program restores from the settings store when its window has been
// created, and what it stores when the window goes away.
#pragma once

#include "game.h"
#include "gamesession.h"
#include "gameview.h"

#include <optional>

// The two options of the settings menu.
struct MenuOptions {
    bool judgeFlags = true;
    bool marks = false;
};

// Selects the stored level (intermediate on a first run, or when a stored
// custom field is not playable) and returns the stored options; nothing on a
// first run, when the menu keeps its own defaults.
std::optional<MenuOptions> restoreSettings(Game& game, GameView& view);

// Stores the custom size (custom level only), the level and the options.
void saveSettings(const GameSession& session, const MenuOptions& options);
