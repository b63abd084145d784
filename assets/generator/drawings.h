#pragma once

#include <QImage>

// One drawing function per picture. Each returns the finished picture at its
// final pixel size; main.cpp writes it to disk in its final format.

QImage DrawStackIcon();        // 50 x 37, photographic factory stack
QImage DrawStabilityClasses(); // 615 x 199, drawn in the 16 colours of bmp16.h
QImage DrawReferences();       // 470 x 186, credits and literature
QImage DrawRuralSigmaY();      // 294 x 255, scanned table of the sigmaY law
QImage DrawRuralSigmaZ();      // 530 x 424, scanned table of the sigmaZ bands
QImage DrawUrbanSpread();      // 374 x 167, scanned table of urban expressions

// side x side, transparent, with the icon enlarged `factor` times in the middle.
QImage DrawSquareIcon(int side, int factor);
