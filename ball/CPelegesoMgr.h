// The ball: reset, growth by prop type, and drawing with what it carries.
#pragma once

#include <GL/glu.h>

class CPelegesoMgr {
  public:
    void InitPelegeso();
    void AddWeight(int TexID);
    void DrawPelegeso();
    void Draw2DObject(int WhichObject, float HalfWidth);
    void Draw3DObject(int WhichObject, float HalfWidth, float HalfDepth);
    void KillWindow();
    // Records the sphere's tessellation once per rendering context.
    void CompileSphere();

    // Null until InitPelegeso and after KillWindow.
    GLUquadric* Quadric = nullptr;
    // Display list holding exactly what gluSphere on Quadric draws; 0 until
    // CompileSphere and after KillWindow.
    GLuint SphereList = 0;
};
