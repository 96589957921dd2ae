// Fuzz target: a byte stream plays a game through the mouse handlers and the
// rules' operations, with the invariants checked after every action.
#include "actionplayer.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A fresh player each time: the random sequence starts over, so every input replays alike.
    ActionPlayer player;
    player.play({data, size});
    return 0;
}
