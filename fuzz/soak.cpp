// The soak: random games, a million actions by default, every one followed
// by the rules' invariant checks. A random player makes up the byte stream
// one gesture at a time (clicks, right clicks, chords with moves, stray
// presses and releases, direct calls, new games and fields), aiming mostly
// at cells of the current field.
//
// Usage: rules_soak [actions [seed]]
#include "actionplayer.h"

#include "fieldsize.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

class RandomPlayer {
public:
    RandomPlayer(ActionPlayer& player, unsigned seed) : player_(player), random_(seed) {}

    // A new field and game: mostly sizes of the model, sometimes a fixed level or an odd field.
    void newField()
    {
        bytes_ = {Action::NewField};
        const int options = pick(0, 3);
        const int roll = pick(0, 99);
        if (roll < 75) {
            const int columns = pick(1, FieldLimits::MaxColumns);
            const int rows = pick(1, FieldLimits::MaxRows);
            const int capacity = FieldLimits::mineCapacity(columns, rows);
            // Half the fields at a playable density, the rest anywhere up to full.
            const int mines = pick(0, 1) ? pick(0, capacity) : std::min(capacity, columns * rows * pick(5, 25) / 100);
            bytes_.insert(bytes_.end(), {std::uint8_t(options | pick(0, 51) << 2), std::uint8_t(columns - 1),
                                         std::uint8_t(rows - 1), std::uint8_t(mines >> 8), std::uint8_t(mines)});
        } else if (roll < 95) {
            bytes_.push_back(std::uint8_t(options | (52 + pick(0, 2)) << 2));
        } else {
            bytes_.insert(bytes_.end(), {std::uint8_t(options | 60 << 2), byte(), byte()});
        }
        play();
    }

    // One gesture of a player, a few actions long.
    void gesture()
    {
        bytes_.clear();
        const int roll = pick(0, 99);
        if (roll < 35) {
            const auto [x, y] = position();
            press(Action::LeftPress, x, y);
            if (pick(0, 4) == 0)
                movesAround(x, y, 1);
            else
                mouse(Action::LeftRelease, x, y);
        } else if (roll < 55) {
            const auto [x, y] = position();
            press(Action::RightPress, x, y);
            mouse(Action::RightRelease, x, y);
        } else if (roll < 72) {
            chord();
        } else if (roll < 82) {
            const int kinds[] = {Action::LeftPress, Action::RightPress, Action::LeftRelease, Action::RightRelease,
                                 Action::Move};
            const auto [x, y] = position();
            mouse(kinds[pick(0, 4)], x, y);
        } else if (roll < 94) {
            const int kinds[] = {Action::OpenCell, Action::CycleFlag, Action::ChordBlock};
            const int kind = kinds[pick(0, 2)];
            if (kind == Action::ChordBlock) {
                const auto [x, y] = position();
                bytes_.insert(bytes_.end(), {std::uint8_t(kind | pick(0, 3) << 4), x, y});
            } else {
                const GameSession& s = player_.game().session();
                bytes_.insert(bytes_.end(), {std::uint8_t(kind), directCell(s.columns), directCell(s.rows)});
            }
        } else if (roll < 98) {
            bytes_.push_back(std::uint8_t(Action::Options | pick(0, 15) << 4));
        } else {
            bytes_.push_back(Action::NewGame);
        }
        play();
    }

    long games() const { return games_; }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::uint8_t byte() { return std::uint8_t(pick(0, 255)); }

    // A coordinate byte: mostly a cell of the field, sometimes just beside it or far away.
    std::uint8_t coordinate(int cells)
    {
        const int roll = pick(0, 19);
        if (roll == 0)
            return std::uint8_t(pick(238, 255));
        const int last = std::min(cells, 32);
        const int cell = roll == 1 ? (pick(0, 1) ? -1 : last) : pick(0, std::max(last - 1, 0));
        return byteOfCell(cell, pick(0, 6));
    }
    std::pair<std::uint8_t, std::uint8_t> position()
    {
        const GameSession& s = player_.game().session();
        return {coordinate(s.columns), coordinate(s.rows)};
    }
    // A column or row for the direct calls (cellOfByte reads byte b as b - 2).
    std::uint8_t directCell(int cells)
    {
        if (pick(0, 9) == 0)
            return byte();
        return std::uint8_t(pick(1, std::clamp(cells, 1, 33)) + 2);
    }

    void mouse(int kind, std::uint8_t x, std::uint8_t y) { bytes_.insert(bytes_.end(), {std::uint8_t(kind), x, y}); }
    // A press comes after the pointer has moved there, as on a real canvas.
    void press(int kind, std::uint8_t x, std::uint8_t y)
    {
        mouse(Action::Move, x, y);
        mouse(kind, x, y);
    }
    // Moves to a neighbouring cell or two, then the left release there.
    void movesAround(std::uint8_t x, std::uint8_t y, int moves)
    {
        for (int i = 0; i < moves + pick(0, 1); ++i) {
            x = std::uint8_t(std::clamp(x + pick(-1, 1), 0, 237));
            y = std::uint8_t(std::clamp(y + pick(-1, 1), 0, 237));
            mouse(Action::Move, x, y);
        }
        mouse(Action::LeftRelease, x, y);
    }
    void chord()
    {
        auto [x, y] = position();
        const bool leftFirst = pick(0, 1);
        press(leftFirst ? Action::LeftPress : Action::RightPress, x, y);
        mouse(leftFirst ? Action::RightPress : Action::LeftPress, x, y);
        if (pick(0, 3) == 0) {
            std::tie(x, y) = position();
            mouse(Action::Move, x, y);
        }
        const bool leftUpFirst = pick(0, 1);
        mouse(leftUpFirst ? Action::LeftRelease : Action::RightRelease, x, y);
        if (pick(0, 4) == 0) {
            std::tie(x, y) = position();
            mouse(Action::Move, x, y);
        }
        mouse(leftUpFirst ? Action::RightRelease : Action::LeftRelease, x, y);
    }

    void play()
    {
        const long messages = player_.view().messageCount();
        ByteReader reader(bytes_);
        while (player_.step(reader)) {
        }
        games_ += player_.view().messageCount() - messages;
    }

    ActionPlayer& player_;
    std::mt19937 random_;
    std::vector<std::uint8_t> bytes_;
    long games_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    const long actions = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 20261211u;

    ActionPlayer player;
    RandomPlayer randomPlayer(player, seed);
    randomPlayer.newField();
    long fields = 1;
    long sinceField = 0;
    while (player.actionsPlayed() < actions) {
        // An ended game, or a long one, makes way for a new field; the
        // huge odd fields get few actions, each check walks all their cells.
        const Board& board = player.game().session().board;
        const long longest = board.columns() * board.rows() > 480 ? 100 : 3000;
        if (!player.view().isBoardEnabled() || ++sinceField > longest) {
            randomPlayer.newField();
            ++fields;
            sinceField = 0;
            continue;
        }
        randomPlayer.gesture();
    }
    std::printf("soak: %ld actions, %ld fields, %ld endings, seed %u: every invariant held\n",
                player.actionsPlayed(), fields, randomPlayer.games(), seed);
    return 0;
}
