#include "props/CObjectsMgr.h"

#include "ground/CTextureMgr.h"
#include "props/objects.h"
#include "shell/main.h"

#include <GL/gl.h>

namespace {

void Vertex(float s, float t, float x, float y, float z) {
    glTexCoord2f(s, t);
    glVertex3f(x, y, z);
}

// A rectangle in the plane z = PosZ, from PosX towards +x.
void DrawFlatAlongX(const structObjects& prop) {
    const float x0 = prop.PosX, x1 = prop.PosX + prop.Width;
    const float y0 = prop.PosY, y1 = prop.PosY + prop.Height;
    const float z0 = prop.PosZ;
    Vertex(0, 1, x0, y0, z0);
    Vertex(1, 1, x1, y0, z0);
    Vertex(1, 0, x1, y1, z0);
    Vertex(0, 0, x0, y1, z0);
}

// A rectangle in the plane x = PosX, from PosZ towards +z.
void DrawFlatAlongZ(const structObjects& prop) {
    const float x0 = prop.PosX;
    const float y0 = prop.PosY, y1 = prop.PosY + prop.Height;
    const float z0 = prop.PosZ, z1 = prop.PosZ + prop.Depth;
    Vertex(0, 1, x0, y0, z0);
    Vertex(1, 1, x0, y0, z1);
    Vertex(1, 0, x0, y1, z1);
    Vertex(0, 0, x0, y1, z0);
}

// A box from PosZ towards -z; every face carries the one texture.
void DrawBox(const structObjects& prop) {
    const float x0 = prop.PosX, x1 = prop.PosX + prop.Width;
    const float y0 = prop.PosY, y1 = prop.PosY + prop.Height;
    const float z0 = prop.PosZ, zb = prop.PosZ - prop.Depth;
    // front, z = z0
    Vertex(0, 1, x0, y0, z0);
    Vertex(1, 1, x1, y0, z0);
    Vertex(1, 0, x1, y1, z0);
    Vertex(0, 0, x0, y1, z0);
    // back, z = zb
    Vertex(1, 1, x0, y0, zb);
    Vertex(0, 1, x1, y0, zb);
    Vertex(0, 0, x1, y1, zb);
    Vertex(1, 0, x0, y1, zb);
    // side, x = x0
    Vertex(1, 1, x0, y0, z0);
    Vertex(0, 1, x0, y0, zb);
    Vertex(0, 0, x0, y1, zb);
    Vertex(1, 0, x0, y1, z0);
    // side, x = x1
    Vertex(0, 1, x1, y0, z0);
    Vertex(1, 1, x1, y0, zb);
    Vertex(1, 0, x1, y1, zb);
    Vertex(0, 0, x1, y1, z0);
    // bottom, y = y0
    Vertex(1, 1, x0, y0, z0);
    Vertex(0, 1, x1, y0, z0);
    Vertex(0, 0, x1, y0, zb);
    Vertex(1, 0, x0, y0, zb);
    // top, y = y1
    Vertex(0, 1, x0, y1, z0);
    Vertex(1, 1, x1, y1, z0);
    Vertex(1, 0, x1, y1, zb);
    Vertex(0, 0, x0, y1, zb);
}

} // namespace

// Leaves the matrix shifted by (0, -2, 0), texturing on, blend and alpha test off.
void CObjectsMgr::DrawObjects() {
    // Props stand on the ground at y = -2 when their PosY is 0.
    glTranslatef(0.0f, -2.0f, 0.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0.0f);
    glEnable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    for (const structObjects& prop : TheObjects) {
        if (prop.InWorld != 1)
            continue;
        glBindTexture(GL_TEXTURE_2D, TextureMgr->GetTexture(prop.TexID));
        glBegin(GL_QUADS);
        if (prop.Depth == 0.0f)
            DrawFlatAlongX(prop);
        else if (prop.Width == 0.0f)
            DrawFlatAlongZ(prop);
        else
            DrawBox(prop);
        glEnd();
    }
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}
