// Writes the program's icon as PNG files of the given sizes into a folder
// laid out like the hicolor icon theme: <folder>/<n>x<n>/apps/<name>.png
#include "coin_icon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon <folder> <name> <size>...\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (size <= 0 || !QDir().mkpath(dir) ||
            !coinwell::coinIconImage(size).save(dir + "/" + name + ".png")) {
            std::fprintf(stderr, "render_icon: cannot write the %s icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
