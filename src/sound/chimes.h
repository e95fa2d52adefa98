#pragma once

#include <QObject>
#include <QStringList>

// The chimes module's one entry point, resolved by name: it makes a
// QSoundEffect for each wave file in paths, as children of the returned
// object in the same order. A file that is missing or not whole gets an
// effect without a source, which stays silent. Called on the sound thread
// only: making the effects is what first connects to the sound server.
extern "C" QObject* coinwellLoadChimes(const QStringList& paths);
