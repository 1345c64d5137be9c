// The geometry of one movement step, shared by the step itself and the
// town-bounds test so that both compute exactly the same position.
#pragma once

struct StepMotion {
    float c; // cos of the step angle
    float s; // sin of the step angle
    bool forward;
};

// Single-precision pi/180, the factor every heading is converted with.
constexpr float DEGREES_TO_RADIANS = 0.017453292f;

// Cosine and sine of an angle in degrees: converted to radians in single
// precision, evaluated in double precision, rounded back to single.
void CosSinDegrees(float degrees, float& c, float& s);

// The motion of code 1 to 8 at the given heading; false for any other code.
bool StepFor(int code, float heading, StepMotion& motion);

// Moves a camera position (minus the ball's position) by one step.
void ApplyStep(const StepMotion& motion, float& posX, float& posZ);
