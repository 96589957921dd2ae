// The cells' expected pictures and their comparison with the screen.
#include "fieldpictures.h"

#include <pictures.h>

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace FieldPictures {
namespace {

constexpr int cellSize = 16;

bool sameColour(QRgb a, QRgb b)
{
    return (a & 0xffffff) == (b & 0xffffff);
}

Look tileLook(TileIndex tile)
{
    return {Look::Tile, tile};
}

// The mark is navy text drawn on the raised tile and smoothed into it:
// every pixel that differs from the tile must lie between the tile's colour
// and navy, and enough of them must be navy or nearly so to form a glyph.
bool showsQuestionMark(const QImage& shot, QPoint at)
{
    constexpr QRgb navy = qRgb(0x00, 0x00, 0x80);
    constexpr int tolerance = 3;
    constexpr int nearNavy = 0x40;
    auto between = [](int value, int a, int b) {
        return value >= std::min(a, b) - tolerance && value <= std::max(a, b) + tolerance;
    };
    const QImage raised = Pictures::tile(Tile::Covered);
    int inkPixels = 0;
    for (int y = 0; y < cellSize; ++y) {
        for (int x = 0; x < cellSize; ++x) {
            const QRgb pixel = shot.pixel(at.x() + x, at.y() + y);
            const QRgb tile = raised.pixel(x, y);
            if (sameColour(pixel, tile))
                continue;
            if (!between(qRed(pixel), qRed(tile), qRed(navy)) || !between(qGreen(pixel), qGreen(tile), qGreen(navy))
                || !between(qBlue(pixel), qBlue(tile), qBlue(navy)))
                return false;
            if (std::abs(qRed(pixel) - qRed(navy)) < nearNavy && std::abs(qGreen(pixel) - qGreen(navy)) < nearNavy
                && std::abs(qBlue(pixel) - qBlue(navy)) < nearNavy)
                ++inkPixels;
        }
    }
    return inkPixels >= 8;
}

} // namespace

QPoint cellTopLeft(int column, int row)
{
    return {(column - 1) * cellSize + 1, (row - 1) * cellSize + 1};
}

Look lookOf(CellCode code, MirrorGame::Outcome outcome)
{
    using Outcome = MirrorGame::Outcome;
    if (outcome == Outcome::Won) {
        if (code == Cell::Mine || code == Cell::MarkedMine)
            return tileLook(Tile::Flag);
        if (code == Cell::FlaggedSafe)
            return tileLook(Tile::WrongFlag);
    } else if (outcome == Outcome::Lost) {
        if (code == Cell::FlaggedSafe || code == Cell::MarkedSafe)
            return tileLook(Tile::WrongFlag);
        if (code == Cell::Mine || code == Cell::MarkedMine)
            return tileLook(Tile::Mine);
    }

    if (code >= Cell::Opened && code <= Cell::OpenedMax)
        return tileLook(code - Cell::Opened);
    switch (code) {
    case Cell::FlaggedMine:
    case Cell::FlaggedSafe: return tileLook(Tile::Flag);
    case Cell::MarkedMine:
    case Cell::MarkedSafe: return {Look::QuestionMark, Tile::Covered};
    case Cell::PressedMine:
    case Cell::PressedSafe: return tileLook(Tile::Empty);
    case Cell::Exploded: return {Look::ExplodedMine, Tile::Covered};
    default: return tileLook(Tile::Covered);
    }
}

bool showsPicture(const QImage& shot, QPoint topLeft, const QImage& picture)
{
    if (!shot.rect().contains(QRect(topLeft, picture.size())))
        return false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!sameColour(shot.pixel(topLeft.x() + x, topLeft.y() + y), picture.pixel(x, y)))
                return false;
        }
    }
    return true;
}

bool shows(const QImage& shot, QPoint cellTopLeft, const Look& look)
{
    if (!shot.rect().contains(QRect(cellTopLeft, QSize(cellSize, cellSize))))
        return false;
    switch (look.kind) {
    case Look::Tile: return showsPicture(shot, cellTopLeft, Pictures::tile(look.tile));
    case Look::ExplodedMine: return showsPicture(shot, cellTopLeft, Pictures::explodedMine());
    case Look::QuestionMark: return showsQuestionMark(shot, cellTopLeft);
    }
    return false;
}

QString describe(const Look& look)
{
    switch (look.kind) {
    case Look::Tile: return QStringLiteral("tile %1").arg(look.tile);
    case Look::ExplodedMine: return QStringLiteral("the exploded mine");
    case Look::QuestionMark: return QStringLiteral("a question mark");
    }
    return {};
}

bool fieldShows(const QImage& field, const MirrorGame& mirror, std::optional<QPoint> pressedCell, QString* why)
{
    const GameSession& session = mirror.session();
    QStringList differences;
    for (int row = 1; row <= session.rows; ++row) {
        for (int column = 1; column <= session.columns; ++column) {
            const CellCode code = session.board.at(column, row);
            Look look = lookOf(code, mirror.outcome());
            if (pressedCell == QPoint(column, row) && (code == Cell::Covered || code == Cell::Mine))
                look = tileLook(Tile::Empty);
            if (!shows(field, cellTopLeft(column, row), look))
                differences << QStringLiteral("(%1, %2) code %3 should show %4")
                                   .arg(column)
                                   .arg(row)
                                   .arg(code)
                                   .arg(describe(look));
        }
    }
    if (differences.isEmpty())
        return true;
    if (why) {
        constexpr int shown = 8;
        *why = QStringLiteral("%1 cells differ: %2%3")
                   .arg(differences.size())
                   .arg(differences.mid(0, shown).join(QStringLiteral("; ")))
                   .arg(differences.size() > shown ? QStringLiteral("; ...") : QString());
    }
    return false;
}

} // namespace FieldPictures
