#pragma once

#include <QObject>
#include <QStringList>

// The chimes module's two entry points, resolved by name. Both are called on
// the sound thread only.

// Makes a QSoundEffect for each wave file in paths, as children of the
// returned object in the same order. A file that is missing or not whole gets
// an effect without a source, which stays silent. Making the effects is what
// first connects to the sound server.
extern "C" QObject* coinwellMakeChimes(const QStringList& paths);

// Stops every chime of chimes and plays the one at index from its beginning:
// at once if Qt has read its file, else as soon as Qt has, unless another
// cue comes first. A chime Qt cannot play (status Error: in Qt 6.8, also
// what a chime Qt has read becomes when there is no sound device) or one
// without a file is passed over; it is never asked to play, so that its
// status stays what Qt made it.
extern "C" void coinwellPlayChime(QObject* chimes, int index);
