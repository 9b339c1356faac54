#pragma once
// Pictures of the resources by number: resources/pictures/<number>.png, compiled in,
// each with <number>@2x.png beside it, the same picture drawn at twice the resolution
// for screens with more than one device pixel per logical pixel.

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace veltrano {

// The picture of that resource number; a null image when there is none. For a
// `deviceRatio` above 1 it is the version drawn at twice the resolution, with
// device pixel ratio 2 so that it covers the same logical size (the plain
// version when there is no finer one).
QImage resourcePicture(int number, qreal deviceRatio = 1.0);

// Image `index` of picture `number` cut into images `imageWidth` logical pixels
// wide, at the resolution for `deviceRatio` as above; null when there is no
// such image.
QPixmap resourcePixmap(int number, int index, int imageWidth, qreal deviceRatio = 1.0);

// The same image as an icon holding both resolutions, so that each screen
// shows the sharper one at the image's logical size; null when there is none.
QIcon resourceIcon(int number, int index, int imageWidth);

} // namespace veltrano
