#include "driver/app/DriverIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace driver {

namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 16.0;
    painter.setPen(QPen(QColor(0xF0, 0xA0, 0x20), size / 12.0));
    painter.setBrush(QColor(0x1F, 0x4E, 0x8C));
    painter.drawEllipse(QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    QFont font;
    font.setBold(true);
    font.setPixelSize(size * 9 / 16);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("H"));
    return pixmap;
}

}  // namespace

QIcon driverIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64})
        icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace driver
