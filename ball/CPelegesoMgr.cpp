#include "ball/CPelegesoMgr.h"

#include "ball/pelegeso.h"

// Runs at start-up and again when play begins; the second run replaces the
// first quadric instead of leaking it. Direction is kept.
void CPelegesoMgr::InitPelegeso() {
    ThePelegeso.AxisX = 0.0f;
    ThePelegeso.AxisZ = 0.0f;
    ThePelegeso.Angle = 0.0f;
    ThePelegeso.Weight = 0.0f;
    if (Quadric)
        gluDeleteQuadric(Quadric);
    Quadric = gluNewQuadric();
    if (!Quadric)
        return;
    gluQuadricDrawStyle(Quadric, GLU_FILL);
    gluQuadricNormals(Quadric, GLU_SMOOTH);
    gluQuadricOrientation(Quadric, GLU_OUTSIDE);
    gluQuadricTexture(Quadric, GL_TRUE);
    CompileSphere();
}

void CPelegesoMgr::KillWindow() {
    if (Quadric)
        gluDeleteQuadric(Quadric);
    Quadric = nullptr;
    if (SphereList)
        glDeleteLists(SphereList, 1);
    SphereList = 0;
}
