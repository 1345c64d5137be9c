// The head-up display: the weight and last-item panels in play, the title
// overlay at the end of the title script, and the names of the prop types.
#pragma once

class CHud {
  public:
    CHud();

    // Draws the HUD of the current state over the scene, then restores the
    // 3-D projection.
    void DrawHud();
    void DrawMass();
    void DrawLastItem();
    // Sets LastItemName from LastItem; types without a name leave it as it is.
    void GetName();
    void DrawTitle();
    // One letter picture 13.3 x 10 with its top-left corner at (PosX, PosZ).
    void DrawLetter(float PosX, float PosZ, int TexID);

    int LastItem;
    const char* LastItemName;
};
