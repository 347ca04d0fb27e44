// kordamir_picgen <DataDir>: draws every picture the game loads into DataDir.
// kordamir_picgen --icons <ThemeDir> <size>...: draws the menu icon.
// The files keep the game's historic .res names; the game recognises PNG by content.

#include "Drum.h"
#include "Icon.h"
#include "Paint.h"
#include "Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

class PictureWriter {
public:
    explicit PictureWriter(const QDir& dataDir) : dataDir_(dataDir) {}

    void write(const QString& name, const QImage& image)
    {
        const QString path = dataDir_.filePath(name);
        if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "kordamir_picgen: cannot write %s\n", qPrintable(path));
            ++failures_;
        }
    }

    bool succeeded() const { return failures_ == 0; }

private:
    QDir dataDir_;
    int failures_ = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--icons") == 0) {
        QList<int> sizes;
        for (int i = 3; i < argc; ++i)
            sizes.append(QByteArray(argv[i]).toInt());
        return picgen::writeIcons(QString::fromLocal8Bit(argv[2]), sizes) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: kordamir_picgen <DataDir>\n");
        return 2;
    }

    using namespace picgen;
    PictureWriter out{QDir(QString::fromLocal8Bit(argv[1]))};
    // Every picture twice: as the game shows it, and at twice the size under
    // the same name with "@2x" ("Scr/Osn@2x.res") for a scaled-up screen.
    for (const int scale : {1, 2}) {
        setPictureScale(scale);
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        const auto name = [&suffix](const QString& stem) { return stem + suffix + QStringLiteral(".res"); };
        const QImage table = tableBackdrop();
        out.write(name(QStringLiteral("Scr/Osn")), table);
        out.write(name(QStringLiteral("Scr/Nch")), startBackdrop());
        out.write(name(QStringLiteral("Scr/Kn")), recordsBackdrop());
        out.write(name(QStringLiteral("Prd/Sh")), casket(CasketState::Closed));
        out.write(name(QStringLiteral("Prd/ShD")), casket(CasketState::WithPrize));
        out.write(name(QStringLiteral("Prd/ShP")), casket(CasketState::Empty));
        for (int sector = 1; sector <= kSectorCount; ++sector) {
            out.write(name(QStringLiteral("PolB/%1").arg(sector)), drumAtRest(sector, table));
            out.write(name(QStringLiteral("PolV/%1").arg(sector)), drumSpinning(sector));
        }
    }
    return out.succeeded() ? 0 : 1;
}
