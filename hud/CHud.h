// The head-up display.
#pragma once

class CHud {
  public:
    CHud();
    void DrawHud();
    void GetName();

    int LastItem;
    const char* LastItemName;
};
