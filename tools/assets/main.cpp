// acctprep-assets: draws every picture the application and the sample bank ship with.
//   QT_QPA_PLATFORM=offscreen acctprep-assets OUTDIR_IMAGE OUTDIR_PICTURES OUTDIR_ICONS
#include "Assets.h"

#include <QDir>
#include <QSaveFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextStream>

namespace {

const int JpegQuality = 85;

bool save(const Asset &asset, const QString &path)
{
    if (!asset.bytes.isEmpty()) {
        QSaveFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(asset.bytes) == asset.bytes.size() && file.commit();
    }
    const QImage &image = asset.image;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg"))
        return image.save(path, "JPG", JpegQuality);
    if (image.hasAlphaChannel())
        return image.save(path, suffix.toLatin1().constData()); // icons: their edges are transparent
    // Opaque 32-bit images are written as 24-bit BMP and as PNG without alpha.
    return image.convertToFormat(QImage::Format_RGB32).save(path, suffix.toLatin1().constData());
}

}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        err << "usage: acctprep-assets OUTDIR_IMAGE OUTDIR_PICTURES OUTDIR_ICONS\n";
        return 2;
    }
    // Without the CJK font every caption would silently come out as boxes.
    const QString cjk = QStringLiteral("Noto Sans CJK SC");
    if (!QFontDatabase::families().contains(cjk)) {
        err << "acctprep-assets: the font \"" << cjk
            << "\" is not installed (Debian package fonts-noto-cjk); no picture written.\n";
        return 1;
    }
    const QDir imageDir(args.at(1)), picturesDir(args.at(2)), iconsDir(args.at(3));
    for (const QDir &dir : {imageDir, picturesDir, iconsDir}) {
        if (!QDir().mkpath(dir.absolutePath())) {
            err << "acctprep-assets: cannot create the directory " << dir.absolutePath() << '\n';
            return 1;
        }
    }

    QList<Asset> assets;
    assets << drawGlyphs() << drawScreens() << drawTipBadges() << drawExamPictures()
           << drawQuestionPictures() << drawIcons();
    int failed = 0;
    for (const Asset &a : assets) {
        const QDir &dir = a.dir == AssetDir::Image ? imageDir : a.dir == AssetDir::Pictures ? picturesDir : iconsDir;
        const QString path = dir.absoluteFilePath(a.name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!save(a, path)) {
            err << "acctprep-assets: cannot write " << path << '\n';
            ++failed;
            continue;
        }
        if (a.bytes.isEmpty())
            out << path << "  " << a.image.width() << "x" << a.image.height() << "  ";
        else
            out << path << "  ";
        out << QFileInfo(path).size() << " bytes\n";
    }
    return failed ? 1 : 0;
}
