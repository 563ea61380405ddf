#include "logger/app/LoggerIcon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>

// The icon is compiled into the library; a static library's resources need registering, from
// outside any namespace.
static int initLoggerResources() {
    Q_INIT_RESOURCE(loopscribe);
    return 0;
}

static void registerResources() {
    static const int registered = initLoggerResources();
    (void)registered;
}

namespace logger {

namespace {

constexpr std::array<int, 5> kSizes{16, 22, 32, 48, 64};
// The needle's angle from upright in each frame: a sweep to the right and back.
constexpr std::array<qreal, kTrayFrameCount> kNeedleAngles{-45, -25, 0, 25, 45, 25, 0, -25};

QRectF elementRect(const QSvgRenderer& svg, const QString& id, qreal scale) {
    const QRectF bounds = svg.transformForElement(id).mapRect(svg.boundsOnElement(id));
    return {bounds.x() * scale, bounds.y() * scale, bounds.width() * scale,
            bounds.height() * scale};
}

QPixmap drawIcon(QSvgRenderer& svg, int size, qreal needleAngle) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal scale = size / svg.viewBoxF().width();
    svg.render(&painter, QStringLiteral("body"), elementRect(svg, QStringLiteral("body"), scale));
    const QRectF pivot = elementRect(svg, QStringLiteral("pivot"), scale);
    painter.save();
    painter.translate(pivot.center());
    painter.rotate(needleAngle);
    painter.translate(-pivot.center());
    svg.render(&painter, QStringLiteral("needle"),
               elementRect(svg, QStringLiteral("needle"), scale));
    painter.restore();
    svg.render(&painter, QStringLiteral("pivot"), pivot);
    return pixmap;
}

QIcon iconWithNeedleAt(qreal angle) {
    registerResources();
    QSvgRenderer svg(QStringLiteral(":/loopscribe/loopscribe.svg"));
    QIcon icon;
    for (int size : kSizes)
        icon.addPixmap(drawIcon(svg, size, angle));
    return icon;
}

}  // namespace

QIcon loggerIcon() {
    return iconWithNeedleAt(0);
}

QList<QIcon> trayAnimationFrames() {
    QList<QIcon> frames;
    for (qreal angle : kNeedleAngles)
        frames.append(iconWithNeedleAt(angle));
    return frames;
}

}  // namespace logger
