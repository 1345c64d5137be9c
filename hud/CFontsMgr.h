// Bitmap fonts as display lists.
#pragma once

class CFontsMgr {
  public:
    CFontsMgr();
    ~CFontsMgr();
    void InitFonts();
    unsigned int GetlistBase(int number) const;
    void CleanUp();

    unsigned int listBase[3];
};
