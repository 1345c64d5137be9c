// Background music.
#pragma once

class CMusic {
  public:
    void InitSound();
    void PlayBGM(int Channel, int Index);
};
