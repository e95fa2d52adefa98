#pragma once

#include "core/commands.h"
#include "desktop/toolkit/dialogs.h"

#include <QString>

namespace coinwell::graph {

class GraphView;
struct GraphExport;

// What leaves the window from the graph: the picture shown copied or saved
// as PNG or SVG (with the caption line while that option is on), or printed
// with its caption, and the run's results saved
// as CSV. A file goes where the last one went, at first the documents.
class GraphFiles {
public:
    GraphFiles(const GraphView& view, Dialogs& dialogs);

    // Copying, saving or printing, as the command says.
    void run(core::Command command);

private:
    GraphExport shown(bool saved) const;
    QString askPath(const QString& title, core::Command command, const QStringList& filters, int& chosen);
    void save(const QString& path, const QByteArray& bytes);

    const GraphView& view_;
    Dialogs& dialogs_;
    QString folder_;
};

}  // namespace coinwell::graph
