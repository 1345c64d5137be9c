// Movement commands and the keyboard steering.
#pragma once

class CCameraMgr {
  public:
    void InitCamera();
    void MoveDirection(int WhichDirection);
    void MoveCamera();
    // The town-bounds test for one step of code 1 to 8 from the current
    // position: true when the step stays inside the town.
    bool StepInTown(int WhichDirection) const;
};
