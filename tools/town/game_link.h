// The checker's only door into the game: the real movement, collision and
// growth code, reached through the game's managers and global records.
#pragma once

#include "tools/town/town_files.h"

#include <string>
#include <vector>

struct BallPose {
    float X;       // world x of the ball's centre
    float N;       // depth into the town: minus the world z
    float Heading; // degrees, 0 looks towards growing depth
};

// What the game's rules say about one prop type, found by asking the game.
struct TypeRule {
    float Threshold;  // least weight that may take it; 0 for none, infinity for never
    float Increment;  // weight gained by taking it; 0 for types that are not town props
    std::string Name; // the HUD's name for it, empty when it has none
};

// Asks the game about every type a record may carry; leaves the ball reset.
std::vector<TypeRule> ProbeRules();
const TypeRule& RuleOf(const std::vector<TypeRule>& rules, int type);
// "record 12 (Tree)", for messages.
std::string Describe(const PropRecord& r, const std::vector<TypeRule>& rules);

// The state play begins in: camera and ball reset, the table holding exactly
// these records.
void ResetGame(const std::vector<PropRecord>& records);
// Frees what the reset obtained (the ball's quadric), as the game does at exit.
void ReleaseGame();

bool StepInTown(int code);
void Issue(int code);
BallPose Ball();
float Weight();
bool Standing(int slot);
bool Takeable(int type);
