#pragma once

#include <QCoreApplication>
#include <QString>

namespace coinwell::graph {

// A text of the graph's views in the context the browser edition shares;
// each is marked where it is written with
// QT_TRANSLATE_NOOP("coinwell::graph", ...).
inline QString graphText(const char* text) { return QCoreApplication::translate("coinwell::graph", text); }

}  // namespace coinwell::graph
