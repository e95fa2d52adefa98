#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

namespace coinwell {

// A file written whole or not at all: nothing reaches its name until
// commit(), and a failed commit leaves what was there before. A name that
// stands for a folder or for anything but a regular file is refused, so a
// device is never replaced by a file.
class WholeFile {
public:
    explicit WholeFile(const QString& path);

    // Makes sure the file can be written; false with error() set otherwise.
    bool open();
    // Writes the bytes under the file's name; false with error() set otherwise.
    bool commit(const QByteArray& bytes);

    // Why the file could not be written.
    QString error() const { return error_; }

private:
    QSaveFile file_;
    QString error_;
};

// Opens, writes and commits in one go; an empty string on success, otherwise
// why the file could not be written.
QString saveWhole(const QString& path, const QByteArray& bytes);

}  // namespace coinwell
