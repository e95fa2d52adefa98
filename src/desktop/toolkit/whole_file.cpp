#include "desktop/toolkit/whole_file.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace coinwell {

WholeFile::WholeFile(const QString& path) : file_(path) {}

bool WholeFile::open()
{
    const QFileInfo target(file_.fileName());
    if (target.isDir()) {
        error_ = QCoreApplication::translate("coinwell::report", "It is a folder.");
        return false;
    }
    if (target.exists() && !target.isFile()) {
        error_ = QCoreApplication::translate("coinwell::report", "It is not a regular file.");
        return false;
    }
    if (!file_.open(QIODevice::WriteOnly)) {
        error_ = file_.errorString();
        return false;
    }
    return true;
}

bool WholeFile::commit(const QByteArray& bytes)
{
    // A failed write makes the commit fail and drops the temporary file.
    file_.write(bytes);
    if (!file_.commit()) {
        error_ = file_.errorString();
        return false;
    }
    return true;
}

QString saveWhole(const QString& path, const QByteArray& bytes)
{
    WholeFile file(path);
    if (!file.open() || !file.commit(bytes)) {
        return file.error();
    }
    return {};
}

}  // namespace coinwell
