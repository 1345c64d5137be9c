// Movement commands and the keyboard steering.
#pragma once

// Where the step whose collision pass is running began. The push-back reads it
// to end an exchange of bounces that could not settle; Valid is false outside
// a step.
struct StepOrigin {
    bool Valid;
    float PosX;
    float PosZ;
};

class CCameraMgr {
  public:
    void InitCamera();
    void MoveDirection(int WhichDirection);
    void MoveCamera();
    // The town-bounds test for one step of code 1 to 8 from the current
    // position: true when the step stays inside the town.
    bool StepInTown(int WhichDirection) const;

    StepOrigin Origin{};
};
