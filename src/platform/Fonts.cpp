#include "platform/Fonts.h"

#include <QFont>
#include <QStringList>

namespace fonts {

void installSubstitutes()
{
    const QStringList casual{QStringLiteral("Andika"), QStringLiteral("DejaVu Sans")};
    const QStringList calligraphic{QStringLiteral("Z003"), QStringLiteral("DejaVu Serif")};
    const QStringList serif{QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), casual);
    QFont::insertSubstitutions(QStringLiteral("Monotype Corsiva"), calligraphic);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), serif);
}

} // namespace fonts
