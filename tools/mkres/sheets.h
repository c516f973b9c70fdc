#pragma once
// Contact sheets: PNG pictures of the artwork as the game will show it
// (transparency cut at half coverage, fonts drawn cell by cell), so people can
// judge the pictures, fonts and decks without starting the game.

#include <string>

namespace verlano::mkres {

// Writes deck_trevigiano.png, deck_royal.png, deck_trent.png, fonts.png,
// table.png, scorepage.png and cursor_lines.png into `directory`, creating it
// if needed. Throws std::runtime_error when a file cannot be written.
void WriteContactSheets(const std::string& directory);

}  // namespace verlano::mkres
