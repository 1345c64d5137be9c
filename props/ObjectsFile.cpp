#include "props/CObjectsMgr.h"

#include "platform/win32/win32.h"
#include "props/objects.h"

#include <cstdio>

namespace {

const char* const PROP_FILE = "./Data//Map//Map.txt";

void Store(int slot, int TexID, float PosX, float PosY, float PosZ, float Depth, float Width,
           float Height) {
    structObjects& prop = TheObjects[slot];
    prop.InWorld = 1;
    prop.TexID = TexID;
    prop.PosX = PosX;
    prop.PosY = PosY;
    prop.PosZ = PosZ;
    prop.Depth = Depth;
    prop.Width = Width;
    prop.Height = Height;
}

} // namespace

void CObjectsMgr::SetObject(int WhichObject, int TexID, float PosX, float PosY, float PosZ,
                            float Depth, float Width, float Height) {
    if (WhichObject < 0 || WhichObject >= MAX_OBJECTS)
        return;
    Store(WhichObject, TexID, PosX, PosY, PosZ, Depth, Width, Height);
}

// Eight numbers per record. A number that cannot be read leaves its holding
// variable as it was, so at the end of the file the index repeats the last
// one and reading stops; a record cut short repeats the previous values.
// Reading also stops once the table is full: further records have no slot.
void CObjectsMgr::InitObjects() {
    FILE* file = std::fopen(PROP_FILE, "r");
    if (!file) {
        MessageBoxA(nullptr, "Could not load map file", "error", MB_OK);
        return;
    }
    int index = 0, TexID = 0;
    float PosX = 0.0f, PosY = 0.0f, PosZ = 0.0f, Depth = 0.0f, Width = 0.0f, Height = 0.0f;
    for (int expected = 0; expected < MAX_OBJECTS; ++expected) {
        std::fscanf(file, "%i", &index);
        if (index != expected)
            break;
        std::fscanf(file, "%i", &TexID);
        std::fscanf(file, "%f", &PosX);
        std::fscanf(file, "%f", &PosY);
        std::fscanf(file, "%f", &PosZ);
        std::fscanf(file, "%f", &Depth);
        std::fscanf(file, "%f", &Width);
        std::fscanf(file, "%f", &Height);
        Store(index, TexID, PosX, PosY, PosZ, Depth, Width, Height);
    }
    std::fclose(file);
}
