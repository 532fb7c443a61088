#include "ui/platform/WindowPlacement.h"

#include "core/model/settings.h"
#include "core/model/startup.h"

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

void RestoreWindowPlacement(QWidget &window, const SettingsStore &store) {
    if (!RestorePlacement(store))
        return;
    const std::optional<FormSet> placement = ReadFormSet(store);
    if (!placement)
        return;
    switch (PlacementActionFor(*placement)) {
    case PlacementAction::Maximise:
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
        break;
    case PlacementAction::Apply: {
        const QRect stored(placement->Left, placement->Top, placement->Width, placement->Height);
        const QRect placed = PlaceOnScreens(stored, AvailableScreenAreas());
        window.move(placed.topLeft());
        window.resize(placed.size());
        break;
    }
    case PlacementAction::None:
        break;
    }
}

void StoreWindowPlacement(const QWidget &window, SettingsStore &store) {
    if (window.isMinimized())
        return;
    const QRect bounds = window.isMaximized() ? window.normalGeometry() : QRect(window.pos(), window.size());
    FormSet placement;
    placement.Top = bounds.top();
    placement.Left = bounds.left();
    placement.Height = bounds.height();
    placement.Width = bounds.width();
    placement.WindowState = window.isMaximized() ? 2 : 0;
    WriteFormSet(store, placement);
}

} // namespace rondaxa
