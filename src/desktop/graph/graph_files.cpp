#include "desktop/graph/graph_files.h"

#include "core/tally_sheet.h"
#include "core/window_layout.h"
#include "desktop/graph/drawing_painter.h"
#include "desktop/graph/graph_export.h"
#include "desktop/graph/graph_view.h"
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/whole_file.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace coinwell::graph {
namespace {

constexpr int kLargestImage = 10000;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(coinwell::graph::GraphMenu)
};

// The tally sheet on the page in points, at most 180 x 250 mm, which A4 and
// US Letter both hold inside their margins, its texts at 10 points.
void printTallySheet(QPrinter& printer, int guests)
{
    QPainter painter(&printer);
    const qreal scale = printer.resolution() / 72.0;
    painter.scale(scale, scale);
    const QRectF page = printer.pageLayout().paintRect(QPageLayout::Point);
    constexpr qreal kPointsPerMillimetre = 72.0 / 25.4;
    QFont font = gothicFont(10.0);
    font.setPixelSize(10);
    painter.setFont(font);
    const core::Rect area{0, 0, std::min(page.width(), 180 * kPointsPerMillimetre),
                          std::min(page.height(), 250 * kPointsPerMillimetre)};
    paintDrawing(painter, core::tallySheet(area, guests, FontTextSetter(font)), Qt::black);
}

}  // namespace

GraphFiles::GraphFiles(const GraphView& view, Dialogs& dialogs)
    : view_(view), dialogs_(dialogs), folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
{
}

// The view shown at the area's size in pixels of the screen's font; as
// copied or saved (`saved`) with the core's caption line under it if that
// option is on, printed with the caption and when it was made under it.
GraphExport GraphFiles::shown(bool saved) const
{
    QFont font = view_.font();
    font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * view_.logicalDpiY() / 72.0)));
    const QSizeF size = view_.contentsRect().size();
    const core::Rect area{0, 0, size.width(), size.height()};
    const FontTextSetter setter(font);
    const core::RunModel& model = view_.model();
    const core::Drawing drawing = saved ? model.savedPicture(area, setter) : model.picture(area, setter);
    const auto paint = [drawing](QPainter& painter, const QRectF&, const QColor& textColour) {
        paintDrawing(painter, drawing, textColour);
    };
    const QString caption = translated(model.caption()) + QStringLiteral(", ") +
                            QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    return {paint, QSizeF(drawing.area.width, drawing.area.height), font, caption};
}

void GraphFiles::run(core::Command command)
{
    const core::RunModel& model = view_.model();
    switch (command) {
    case core::Command::CopyGraph:
        QGuiApplication::clipboard()->setImage(shown(true).image(view_.devicePixelRatioF()));
        break;
    case core::Command::SaveImage: {
        const QString title = translated(core::kSaveImageTitle);
        int chosen = 0;
        const QString path = askPath(title, command, {Text::tr("PNG image (*.png)"), Text::tr("SVG drawing (*.svg)")}, chosen);
        if (path.isEmpty()) {
            return;
        }
        const GraphExport graph = shown(true);
        const auto width = dialogs_.askInteger(translated(core::kImageWidthPrompt), title,
                                               2 * static_cast<int>(graph.area.width()), 100, kLargestImage);
        if (!width) {
            return;
        }
        const QString suffix = QFileInfo(path).suffix();
        const bool svg = suffix.compare("svg", Qt::CaseInsensitive) == 0 || (suffix.isEmpty() && chosen == 1);
        save(path, svg ? graph.svg(*width) : graph.png(*width));
        break;
    }
    case core::Command::SaveCsv: {
        int chosen = 0;
        const QString path = askPath(Text::tr("Save results as CSV"), command, {Text::tr("CSV table (*.csv)")}, chosen);
        if (!path.isEmpty()) {
            save(path, QByteArray::fromStdString(model.table()));
        }
        break;
    }
    case core::Command::Print: {
        const GraphExport graph = shown(false);
        dialogs_.previewPrint([&graph](QPrinter& printer) { graph.print(printer); }, Text::tr("Print graph"));
        break;
    }
    case core::Command::TallySheet:
        dialogs_.previewPrint([guests = model.settings().guestCount](QPrinter& printer) { printTallySheet(printer, guests); },
                              translated(core::commandLabel(command)));
        break;
    default:
        break;
    }
}

QString GraphFiles::askPath(const QString& title, core::Command command, const QStringList& filters, int& chosen)
{
    const QString name = QString::fromStdString(view_.model().fileName(command));
    const QString path = dialogs_.askSaveFileName(title, QDir(folder_).filePath(name), filters, chosen);
    if (!path.isEmpty()) {
        folder_ = QFileInfo(path).absolutePath();
    }
    return path;
}

// A file that cannot be written leaves everything as it was, but for the
// message that says which and why.
void GraphFiles::save(const QString& path, const QByteArray& bytes)
{
    const QString reason = saveWhole(path, bytes);
    if (!reason.isEmpty()) {
        dialogs_.showError(Text::tr("%1 could not be saved.\n%2").arg(QDir::toNativeSeparators(path), reason),
                           translated(core::kProgramName));
    }
}

}  // namespace coinwell::graph
