#include "widgets/qt/dialog_surface.h"

#include <QImageReader>

#include <algorithm>

namespace veltrano {

namespace {

QString& picturePath() {
    static QString path;
    return path;
}

} // namespace

void setDialogBackgroundPicturePath(const QString& path) {
    picturePath() = path;
}

QString dialogBackgroundPicturePath() {
    return picturePath();
}

QImage loadDialogBackgroundPicture() {
    if (picturePath().isEmpty()) {
        return QImage();
    }
    QImageReader reader(picturePath());
    reader.setAutoTransform(false);
    return reader.read();
}

Rect backgroundPictureRect(Size client, Size picture) {
    if (client.width <= 0 || client.height <= 0 || picture.width <= 0 || picture.height <= 0) {
        return Rect{};
    }
    const double rx = static_cast<double>(client.width) / picture.width;
    const double ry = static_cast<double>(client.height) / picture.height;
    const bool ownSize = (ry >= rx && rx > 1.0) || (ry < rx && ry >= 1.0);
    const Size drawn = ownSize ? picture : client;
    const int x = std::max(0, (client.width - drawn.width) / 2);
    const int y = std::max(0, (client.height - drawn.height) / 2);
    return Rect{x, y, x + drawn.width, y + drawn.height};
}

void drawDialogSurface(DrawingSurface& surface, const DialogSurface& plan) {
    const Rect client{0, 0, plan.client.width, plan.client.height};
    surface.save();
    if (plan.contentPanel) {
        surface.setPen(Pen::solid(plan.outline));
        surface.setBrush(Brush::solid(plan.background));
        surface.drawRect(*plan.contentPanel);
        surface.excludeClip(*plan.contentPanel);
    }
    if (plan.excluded) {
        surface.excludeClip(*plan.excluded);
    }
    surface.fillRect(client, plan.background);
    if (plan.picture != nullptr) {
        const Rect at =
            backgroundPictureRect(plan.client, Size{plan.picture->width(), plan.picture->height()});
        if (!at.isEmpty()) {
            surface.drawPicture(*plan.picture, at);
        }
    }
    surface.restore();
}

} // namespace veltrano
