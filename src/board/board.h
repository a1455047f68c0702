// The board's public face: include this to drive a level.
#pragma once
#include "board/board_state.h"
#include "board/bonuses.h"
#include "board/break_step.h"
#include "board/falling.h"
#include "board/geometry.h"
#include "board/groups.h"
#include "board/level_file.h"
#include "board/moves.h"
#include "board/outward.h"
#include "board/play_state.h"
#include "board/scoring.h"
#include "board/tick.h"
