#pragma once
// Where the picture window puts its picture: fitted into the picture region with its proportions kept and
// centred. Pure arithmetic, so that the window and its tests share one rule.
namespace kvilo::online {

struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PictureRect&) const = default;
};

// The picture's place in `region` for a picture of `pictureWidth` x `pictureHeight` pixels: as high as the
// region unless that makes it wider, then as wide; centred (integer halves). A picture without a size takes
// the whole region.
PictureRect FitPicture(int pictureWidth, int pictureHeight, PictureRect region);

} // namespace kvilo::online
