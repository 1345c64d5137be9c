// Before any GL header: the platform header defines the calling-convention macros.
#include "shell/main.h"

#include "ball/CPelegesoMgr.h"

#include "ball/pelegeso.h"
#include "ground/CTextureMgr.h"
#include "ground/ground.h"
#include "props/objects.h"

#include <GL/gl.h>

namespace {

constexpr int BALL_TEXTURE = 2;
constexpr double BALL_RADIUS = 3.0;
constexpr int BALL_SLICES = 100;
constexpr int BALL_STACKS = 100;

// A slot with neither width nor depth draws a quad of no width, which covers
// no pixels: never-filled slots are such.
bool DrawsNothing(const structObjects& prop) {
    return prop.Width == 0.0f && prop.Depth == 0.0f;
}

void Vertex(float s, float t, float x, float y, float z) {
    glTexCoord2f(s, t);
    glVertex3f(x, y, z);
}

} // namespace

// Expects the matrix to put the ball's centre at the origin, turned by its roll;
// leaves the matrix as it found it and lighting, texturing, blend and alpha test off.
void CPelegesoMgr::DrawPelegeso() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetTexture(BALL_TEXTURE));
    if (Quadric) {
        if (LiteralDrawing || !SphereList)
            gluSphere(Quadric, BALL_RADIUS, BALL_SLICES, BALL_STACKS);
        else
            glCallList(SphereList);
    }
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT1);
    glDisable(GL_TEXTURE_2D);

    // Carried props are unlit; fully transparent texels are dropped.
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0.0f);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    const structObjects* skippedLast = nullptr;
    for (int i = 0; i < MAX_OBJECTS; ++i) {
        const structObjects& prop = TheObjects[i];
        if (prop.InWorld != 0)
            continue;
        skippedLast = nullptr;
        if (!LiteralDrawing && DrawsNothing(prop)) {
            skippedLast = &prop;
            continue;
        }
        glPushMatrix();
        if (prop.Width == 0.0f) {
            // A quarter turn carries the quad's width direction onto +z; the
            // stored axis is swapped to match.
            glRotatef(-90.0f, 0.0f, 1.0f, 0.0f);
            glRotatef(prop.StickAngle, prop.AxisZ, 0.0f, prop.AxisX);
            Draw2DObject(i, prop.Depth * 0.5f);
        } else if (prop.Depth == 0.0f) {
            glRotatef(prop.StickAngle, prop.AxisX, 0.0f, prop.AxisZ);
            Draw2DObject(i, prop.Width * 0.5f);
        } else {
            glRotatef(prop.StickAngle, prop.AxisX, 0.0f, prop.AxisZ);
            Draw3DObject(i, prop.Width * 0.5f, prop.Depth * 0.5f);
        }
        glPopMatrix();
    }
    // Leave bound what drawing every slot leaves bound.
    if (skippedLast)
        glBindTexture(GL_TEXTURE_2D, TextureMgr->GetTexture(skippedLast->TexID));
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}

// The quadric's settings never change, so one recording serves every frame;
// the list lives as long as the rendering context it was made in.
void CPelegesoMgr::CompileSphere() {
    if (SphereList || !Quadric)
        return;
    SphereList = glGenLists(1);
    if (!SphereList)
        return;
    glNewList(SphereList, GL_COMPILE);
    gluSphere(Quadric, BALL_RADIUS, BALL_SLICES, BALL_STACKS);
    glEndList();
}

// A carried flat prop: a quad in the plane z = 0 centred on x = StickX, rising
// from the ball's centre height.
void CPelegesoMgr::Draw2DObject(int WhichObject, float HalfWidth) {
    const structObjects& prop = TheObjects[WhichObject];
    const float h = HalfWidth, top = prop.Height;
    glTranslatef(prop.StickX, 0.0f, 0.0f);
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetTexture(prop.TexID));
    glBegin(GL_QUADS);
    Vertex(0, 1, -h, 0, 0);
    Vertex(0, 0, -h, top, 0);
    Vertex(1, 0, h, top, 0);
    Vertex(1, 1, h, 0, 0);
    glEnd();
}

// A carried box, centred where its centre lay relative to the ball at pickup.
void CPelegesoMgr::Draw3DObject(int WhichObject, float HalfWidth, float HalfDepth) {
    const structObjects& prop = TheObjects[WhichObject];
    const float hx = HalfWidth, hz = HalfDepth, top = prop.Height;
    glTranslatef(prop.StickX, 0.0f, 0.0f);
    glTranslatef(0.0f, 0.0f, prop.Depth * -0.5f);
    glTranslatef(0.0f, 0.0f, prop.StickZ);
    glBindTexture(GL_TEXTURE_2D, TextureMgr->GetTexture(prop.TexID));
    glBegin(GL_QUADS);
    Vertex(0, 1, -hx, 0, -hz);
    Vertex(1, 1, hx, 0, -hz);
    Vertex(1, 0, hx, top, -hz);
    Vertex(0, 0, -hx, top, -hz);

    Vertex(1, 1, -hx, 0, hz);
    Vertex(0, 1, hx, 0, hz);
    Vertex(0, 0, hx, top, hz);
    Vertex(1, 0, -hx, top, hz);

    Vertex(1, 1, -hx, 0, -hz);
    Vertex(0, 1, -hx, 0, hz);
    Vertex(0, 0, -hx, top, hz);
    Vertex(1, 0, -hx, top, -hz);

    Vertex(0, 1, hx, 0, -hz);
    Vertex(1, 1, hx, 0, hz);
    Vertex(1, 0, hx, top, hz);
    Vertex(0, 0, hx, top, -hz);

    Vertex(1, 1, -hx, 0, -hz);
    Vertex(0, 1, hx, 0, -hz);
    Vertex(0, 0, hx, 0, hz);
    Vertex(1, 0, -hx, 0, hz);

    Vertex(0, 0, -hx, top, -hz);
    Vertex(1, 0, hx, top, -hz);
    Vertex(1, 1, hx, top, hz);
    Vertex(0, 1, -hx, top, hz);
    glEnd();
}
