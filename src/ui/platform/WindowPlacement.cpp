#include "ui/platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace rondaxa {

namespace {

qint64 OverlapArea(const QRect &a, const QRect &b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

} // namespace

QRect PlaceOnScreens(const QRect &stored, const QList<QRect> &screens) {
    if (screens.isEmpty())
        return stored;
    for (const QRect &screen : screens)
        if (screen.contains(stored))
            return stored;
    QRect target = screens.front();
    qint64 best = 0;
    for (const QRect &screen : screens)
        if (const qint64 overlap = OverlapArea(screen, stored); overlap > best) {
            best = overlap;
            target = screen;
        }
    QRect placed(stored.topLeft(), stored.size().boundedTo(target.size()));
    placed.moveLeft(std::clamp(placed.left(), target.left(), target.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), target.top(), target.bottom() - placed.height() + 1));
    return placed;
}

QList<QRect> AvailableScreenAreas() {
    QList<QRect> areas;
    if (QScreen *primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas << screen->availableGeometry();
    return areas;
}

} // namespace rondaxa
