#pragma once

// The program's pictures are embedded in the yelduman_assets library under
// these resource paths:
//   :/pictures/stack_icon.png          window and program icon, 50 x 37
//   :/pictures/stability_classes.bmp   Pasquill stability classes, 615 x 199
//   :/pictures/references.png          credits and references, 470 x 186
//   :/pictures/rural_sigma_y.jpg       rural horizontal spread, 294 x 255
//   :/pictures/rural_sigma_z.jpg       rural vertical spread, 530 x 424
//   :/pictures/urban_spread.jpg        urban spread expressions, 374 x 167
//
// A static library's resources are registered only on request: call this
// once before the first picture is loaded. Later calls do nothing.
void InitPictures();
