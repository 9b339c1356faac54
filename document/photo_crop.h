#pragma once
// The part of a page's photo that the page shows, chosen by the user. Without
// one (the default) the whole photo is fitted into its area.
//
// Coordinates are ten-thousandths of the photo's width (left, right) and
// height (top, bottom) after it is turned upright, so a crop stays right for
// any decoded resolution.

#include <cstdint>

namespace veltrano {

inline constexpr std::int32_t kCropScale = 10000;
// Pages that carry a photo: 0..11 the months, 12 the title page.
inline constexpr int kTitlePhotoPage = 12;
inline constexpr int kPhotoPageCount = 13;

struct PhotoCrop {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // A crop is set when it lies within the photo and has area; every other
    // value (the default included) means "fit the whole photo".
    constexpr bool isSet() const {
        return left >= 0 && top >= 0 && right <= kCropScale && bottom <= kCropScale &&
               left < right && top < bottom;
    }

    friend constexpr bool operator==(const PhotoCrop&, const PhotoCrop&) = default;
};

} // namespace veltrano
