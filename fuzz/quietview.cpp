// A GameView without a screen.
#include "quietview.h"

#include "game.h"

void QuietView::drawTile(int column, int row, TileIndex tile)
{
    checkCell("drawTile", column, row);
    if (fault_.empty() && (tile < 0 || tile >= Tile::Count))
        fault_ = "drawTile with tile " + std::to_string(tile);
}

void QuietView::drawQuestionMark(int column, int row) { checkCell("drawQuestionMark", column, row); }

void QuietView::drawExplodedMine(int column, int row) { checkCell("drawExplodedMine", column, row); }

void QuietView::layoutForField()
{
    if (game_)
        game_->startNewGame();
}

void QuietView::checkCell(const char* operation, int column, int row)
{
    if (!fault_.empty() || !game_ || game_->session().inField(column, row))
        return;
    fault_ = std::string(operation) + " outside the field at (" + std::to_string(column) + ", "
        + std::to_string(row) + ")";
}
