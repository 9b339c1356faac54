#pragma once
// Pictures of the resources by number: resources/pictures/<number>.png, compiled in.

#include <QImage>
#include <QString>

namespace veltrano {

// The picture of that resource number; a null image when there is none.
inline QImage resourcePicture(int number) {
    return QImage(QStringLiteral(":/pictures/%1.png").arg(number));
}

} // namespace veltrano
