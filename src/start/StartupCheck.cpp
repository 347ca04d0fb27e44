#include "start/StartupCheck.h"

namespace startupcheck {

QStringList requiredPictures()
{
    QStringList files{QStringLiteral("Scr/Nch.res"), QStringLiteral("Scr/Kn.res"),
                      QStringLiteral("Scr/Osn.res"), QStringLiteral("Prd/Sh.res"),
                      QStringLiteral("Prd/ShD.res"), QStringLiteral("Prd/ShP.res")};
    for (int n = 1; n <= 12; ++n)
        files << QStringLiteral("PolV/%1.res").arg(n);
    for (int n = 1; n <= 12; ++n)
        files << QStringLiteral("PolB/%1.res").arg(n);
    return files;
}

QString firstMissing(const std::function<bool(const QString& relative)>& exists)
{
    for (const QString& file : requiredPictures()) {
        if (!exists(file))
            return file;
    }
    return {};
}

} // namespace startupcheck
