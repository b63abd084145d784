#pragma once

#include <QImage>

// One drawing function per picture. Each returns the finished picture at its
// pixel size times `scale`: 1 for the picture as the windows show it, 2 and 3
// for screens with two or three device pixels to the window pixel, where the
// same drawing is made at that resolution (never enlarged from the small
// one). main.cpp writes it to disk in its final format.

QImage DrawStackIcon(int scale);         // 50 x 37, photographic factory stack
QImage DrawStabilityClasses(int scale);  // 615 x 199, drawn in the 16 colours of bmp16.h
QImage DrawReferences(int scale);        // 470 x 186, credits and literature
QImage DrawRuralSigmaY(int scale);       // 294 x 255, scanned table of the sigmaY law
QImage DrawRuralSigmaZ(int scale);       // 530 x 424, scanned table of the sigmaZ bands
QImage DrawUrbanSpread(int scale);       // 374 x 167, scanned table of urban expressions
