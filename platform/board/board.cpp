#include "board.h"

namespace velkora_sim {

Board &board()
{
    static Board the_board;
    return the_board;
}

Controls &controls()
{
    static Controls the_controls;
    return the_controls;
}

void reset_board()
{
    board() = Board{};
    controls() = Controls{};
}

}  // namespace velkora_sim
