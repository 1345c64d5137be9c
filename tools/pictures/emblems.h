// Small pictures used on signs and walls: the pizza, the burger, the loaf, the medical cross,
// the police star and the arcade's space critter.
#pragma once

#include "canvas.h"

void drawPizza(Canvas& c, double cx, double cy, double r);
void drawBurger(Canvas& c, double cx, double cy, double w);
void drawLoaf(Canvas& c, double cx, double cy, double w);
void drawCross(Canvas& c, double cx, double cy, double size, Rgba colour);
void drawBadge(Canvas& c, double cx, double cy, double r);
// A pixel-art critter, cell units wide per pixel.
void drawCritter(Canvas& c, double x, double y, double cell, Rgba colour);
