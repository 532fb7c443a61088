// Restoring a window's stored place so that it can always be seen.
#pragma once

#include "core/model/settings.h"

#include <QList>
#include <QRect>
#include <QWidget>

namespace rondaxa {

// Where a window stored at `stored` goes on screens whose usable areas are
// `screens` (the first the primary one): where it was when it lies wholly on
// one of them; otherwise on the screen it overlaps most (the primary one when
// it overlaps none), no larger than that screen's area and moved inside it.
// (A place stored at another scale factor, or on a screen since removed,
// would otherwise leave the window largely out of sight.)
QRect PlaceOnScreens(const QRect &stored, const QList<QRect> &screens);

// The usable areas of the screens now connected, the primary one first.
QList<QRect> AvailableScreenAreas();

// Puts a window where the settings last stored it (maximised, or at its
// place kept visible), where the settings keep the place at all.
void RestoreWindowPlacement(QWidget &window, const SettingsStore &store);
// Stores where the window is (its normal place when maximised); nothing
// while it is minimised.
void StoreWindowPlacement(const QWidget &window, SettingsStore &store);

} // namespace rondaxa
