// Manager of the prop table: the prop file, prop drawing, collision and pickup.
#pragma once

#include <cstdint>

class CObjectsMgr {
  public:
    void SetObject(int WhichObject, int TexID, float PosX, float PosY, float PosZ, float Depth,
                   float Width, float Height);
    void InitObjects();
    void InitIntroObjects();
    void DrawObjects();
    void CheckCollision();
    bool isBigEnough(int ID);
    void BounceBack();
};
