// The painters of all pictures, one function per image file, grouped by folder.
#pragma once

#include "canvas.h"

// Map tiles, 10 x 10 units (one ground tile).
void paintGrass(Canvas& c);
void paintFlowers(Canvas& c);
void paintPath(Canvas& c);
void paintPathHor(Canvas& c);
void paintPathTR(Canvas& c);
void paintRoad(Canvas& c);
void paintRoadMiddle(Canvas& c);
void paintRoadMiddle2(Canvas& c);
void paintSidewalk(Canvas& c);

// Ball surfaces, equirectangular: 360 x 180 units (degrees of longitude and latitude).
void paintVorlux(Canvas& c);
void paintEarth(Canvas& c);

// Building walls, 36 x 24 units.
void paintBakeryFront(Canvas& c);
void paintDrugFront(Canvas& c);
void paintHotelFront(Canvas& c);
void paintPizzaFront(Canvas& c);
void paintPoliceFront(Canvas& c);
void paintBuildingFront(Canvas& c);
void paintBuildingFront2(Canvas& c);
void paintGameFront(Canvas& c);
void paintBuildingSide(Canvas& c);
void paintBuildingSide2(Canvas& c);
void paintBuildingSide3(Canvas& c);
void paintBuildingSide4(Canvas& c);
void paintGameSide(Canvas& c);
void paintHospitalFront(Canvas& c);
void paintHospitalBack(Canvas& c);
void paintHospitalSide(Canvas& c);
void paintBurgerFront(Canvas& c);
void paintBurgerBack(Canvas& c);
void paintBurgerSide(Canvas& c);

// Props with see-through outlines; each picture's units are the prop's intended proportions.
void paintBush(Canvas& c);
void paintBigBush(Canvas& c);
void paintSmallBush(Canvas& c);
void paintTree(Canvas& c);
void paintFence(Canvas& c);
void paintFence2(Canvas& c);
void paintFence3(Canvas& c);
void paintFence4(Canvas& c);
void paintGarbage(Canvas& c);
void paintHotelSign(Canvas& c);
void paintBigSign(Canvas& c);
void paintMayorSign(Canvas& c);
void paintSmallSign(Canvas& c);
void paintTownFlag(Canvas& c);

// A title letter block, 10 x 10 units: a toy-block face with one capital letter.
void paintLetter(Canvas& c, char letter);
