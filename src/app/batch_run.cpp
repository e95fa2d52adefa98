#include "app/batch_run.h"

#include "app/run_source.h"
#include "engine/run.h"
#include "report/run_report.h"
#include "report/whole_file.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <thread>

namespace coinwell {
namespace {

void print(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

QByteArray errorLine(const char* text, const QString& path, const QString& reason)
{
    return (QStringLiteral("coinwell: ") + QCoreApplication::translate("coinwell::BatchRun", text).arg(path, reason) +
            u'\n')
        .toUtf8();
}

}  // namespace

int runBatch(const CommandLine& command, std::FILE* out, std::FILE* err)
{
    const bool csvToOut = command.csvPath == QStringLiteral("-");
    std::optional<report::WholeFile> csvFile;
    if (!command.csvPath.isEmpty() && !csvToOut) {
        csvFile.emplace(command.csvPath);
        if (!csvFile->open()) {
            print(err, errorLine(QT_TRANSLATE_NOOP("coinwell::BatchRun", "--csv %1 cannot be written: %2"),
                                 command.csvPath, csvFile->error()));
            return 2;
        }
    }

    RunSource source(command.seed);
    const report::RunRecord record = report::recordRun(
        engine::runExperimentsOnThreads(command.settings, source.random(), source.clock(),
                                        std::max(1U, std::thread::hardware_concurrency())),
        command.seed);
    const QByteArray text = report::textReport(record).toUtf8();
    if (csvToOut) {
        print(out, report::resultTable(record));
        print(err, text);
        return 0;
    }
    print(out, text);
    if (csvFile && !csvFile->commit(report::resultTable(record))) {
        print(err, errorLine(QT_TRANSLATE_NOOP("coinwell::BatchRun", "the CSV file %1 could not be written: %2"),
                             command.csvPath, csvFile->error()));
        return 1;
    }
    return 0;
}

}  // namespace coinwell
