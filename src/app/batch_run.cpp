#include "app/batch_run.h"

#include "app/batch_report.h"
#include "app/run_source.h"
#include "core/class_meetings.h"
#include "core/result_table.h"
#include "core/run.h"
#include "core/running_average.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/whole_file.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <thread>

namespace coinwell {
namespace {

// Writes all of the bytes; why they could not all be written otherwise.
std::optional<QString> write(std::FILE* stream, const QByteArray& bytes)
{
    errno = 0;
    const bool whole = std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream) ==
                           static_cast<std::size_t>(bytes.size()) &&
                       std::fflush(stream) == 0;
    if (whole) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(std::strerror(errno != 0 ? errno : EIO));
}

QByteArray errorLine(const char* text, const QString& name, const QString& reason)
{
    return (QStringLiteral("coinwell: ") + QCoreApplication::translate("coinwell::BatchRun", text).arg(name, reason) +
            u'\n')
        .toUtf8();
}

QString streamName(std::FILE* stream, std::FILE* out)
{
    return stream == out ? QCoreApplication::translate("coinwell::BatchRun", "standard output")
                         : QCoreApplication::translate("coinwell::BatchRun", "standard error");
}

}  // namespace

int runBatch(const Options& options, std::FILE* out, std::FILE* err)
{
    // The files written at the end are opened first, so that one that
    // cannot be written stops the run before it starts.
    const auto opened = [&](std::optional<WholeFile>& file, const QString& path, const char* cannot) {
        file.emplace(path);
        if (file->open()) {
            return true;
        }
        write(err, errorLine(cannot, path, file->error()));
        return false;
    };
    const bool csvToOut = options.csvPath == QStringLiteral("-");
    std::optional<WholeFile> csvFile;
    std::optional<WholeFile> traceFile;
    if ((!options.csvPath.isEmpty() && !csvToOut &&
         !opened(csvFile, options.csvPath, QT_TRANSLATE_NOOP("coinwell::BatchRun", "--csv %1 cannot be written: %2"))) ||
        (!options.tracePath.isEmpty() &&
         !opened(traceFile, options.tracePath, QT_TRANSLATE_NOOP("coinwell::BatchRun", "--trace %1 cannot be written: %2")))) {
        return 2;
    }

    std::vector<int> classShortages;
    if (!options.classPath.isEmpty()) {
        QFile file(options.classPath);
        if (!file.open(QIODevice::ReadOnly)) {
            write(err, errorLine(QT_TRANSLATE_NOOP("coinwell::BatchRun", "--class %1 cannot be read: %2"), options.classPath,
                                 file.errorString()));
            return 2;
        }
        const core::ClassEntry entry =
            core::readClassMeetings(file.readAll().toStdString(), core::guestsArriving(options.settings.guestCount));
        if (entry.error) {
            write(err, errorLine(QT_TRANSLATE_NOOP("coinwell::BatchRun", "--class %1: %2"), options.classPath,
                                 translated(*entry.error)));
            return 2;
        }
        classShortages = entry.shortages;
    }

    RunSource source(options.seed);
    std::vector<std::int16_t> shortages;
    const core::RunRecord record = core::recordRun(
        core::runExperimentsOnThreads(options.settings, source.random(), source.clock(),
                                      std::max(1U, std::thread::hardware_concurrency()), traceFile ? &shortages : nullptr),
        options.seed);
    QString reportText = textReport(record);
    if (!options.classPath.isEmpty()) {
        reportText += u'\n';
        for (const core::Message& line : core::classMeetingsLines(classShortages, record.law)) {
            reportText += translated(line) + u'\n';
        }
    }
    const QByteArray report = reportText.toUtf8();
    const QByteArray table = QByteArray::fromStdString(core::resultTable(record, classShortages));

    // With the table on standard output, the report goes to standard error.
    std::FILE* reportStream = csvToOut ? err : out;
    int status = 0;
    const auto send = [&](std::FILE* stream, const QByteArray& bytes) {
        if (const std::optional<QString> reason = write(stream, bytes)) {
            write(err, errorLine(QT_TRANSLATE_NOOP("coinwell::BatchRun", "%1 could not be written: %2"),
                                 streamName(stream, out), *reason));
            status = 1;
        }
    };
    if (csvToOut) {
        send(out, table);
    }
    send(reportStream, report);
    if (csvFile && !csvFile->commit(table)) {
        write(err, errorLine(QT_TRANSLATE_NOOP("coinwell::BatchRun", "the CSV file %1 could not be written: %2"),
                             options.csvPath, csvFile->error()));
        status = 1;
    }
    if (traceFile && !traceFile->commit(QByteArray::fromStdString(core::traceTable(core::runningPoints(
                                shortages, record.law.guests(), core::traceCounts(static_cast<std::int64_t>(shortages.size()))))))) {
        write(err, errorLine(QT_TRANSLATE_NOOP("coinwell::BatchRun", "the trace file %1 could not be written: %2"),
                             options.tracePath, traceFile->error()));
        status = 1;
    }
    return status;
}

}  // namespace coinwell
