// Restoring a window's stored place so that it can always be seen.
#pragma once

#include <QList>
#include <QRect>

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

} // namespace rondaxa
