#include "core/online/picture_fit.h"

namespace kvilo::online {

PictureRect FitPicture(int pictureWidth, int pictureHeight, PictureRect region) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return region;
    const double ratio = static_cast<double>(pictureWidth) / pictureHeight;
    int width = static_cast<int>(ratio * region.height);
    int height = region.height;
    if (region.width < width) {
        height = static_cast<int>(region.width / ratio);
        width = region.width;
    }
    return {region.x + (region.width - width) / 2, region.y + (region.height - height) / 2, width, height};
}

} // namespace kvilo::online
