// Writes each picture of a Windows icon file as <folder>/<size>x<size>.png,
// for the desktop's icon theme.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: export_icons ICON.ico FOLDER\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    folder.mkpath(".");
    int written = 0;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        const QString name = QString("%1x%1.png").arg(image.width());
        if (!image.save(folder.filePath(name))) {
            std::fprintf(stderr, "export_icons: cannot write %s\n", qPrintable(folder.filePath(name)));
            return 1;
        }
        ++written;
    } while (reader.jumpToNextImage());
    if (written == 0) {
        std::fprintf(stderr, "export_icons: no picture in %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
