#include "props/CObjectsMgr.h"

namespace {

struct IntroLetter {
    int TexID;
    float PosX, PosZ;
};

// The title scene's letter blocks, records 0 to 19: VESLDURIAN at z -35, AR
// at z -15 and PELEGESO at z -5, 8 units apart in a row.
const IntroLetter INTRO_LETTERS[] = {
    {44, -38.5f, -35.0f}, {37, -30.5f, -35.0f}, {40, -22.5f, -35.0f}, {38, -14.5f, -35.0f},
    {45, -6.5f, -35.0f},  {46, 2.5f, -35.0f},   {43, 10.5f, -35.0f},  {47, 18.5f, -35.0f},
    {42, 26.5f, -35.0f},  {48, 34.5f, -35.0f},  {42, -6.5f, -15.0f},  {43, 2.5f, -15.0f},
    {36, -30.5f, -5.0f},  {37, -22.5f, -5.0f},  {38, -14.5f, -5.0f},  {37, -6.5f, -5.0f},
    {39, 2.5f, -5.0f},    {37, 10.5f, -5.0f},   {40, 18.5f, -5.0f},   {41, 26.5f, -5.0f}};

// Every letter is a 5 x 5 x 5 box sunk to y -3.
constexpr float LETTER_Y = -3.0f;
constexpr float LETTER_SIZE = 5.0f;

} // namespace

void CObjectsMgr::InitIntroObjects() {
    int record = 0;
    for (const IntroLetter& letter : INTRO_LETTERS) {
        SetObject(record++, letter.TexID, letter.PosX, LETTER_Y, letter.PosZ, LETTER_SIZE,
                  LETTER_SIZE, LETTER_SIZE);
    }
}
