#include "DrukLettertype.h"

#include <QFontDatabase>
#include <QList>
#include <utility>

QFont DrukLettertype(const QString& family, double pointSize)
{
    static const QList<std::pair<QString, QString>> substitutes{
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")}};
    for (const auto& [original, substitute] : substitutes)
        if (family == original && !QFontDatabase::hasFamily(original) && QFontDatabase::hasFamily(substitute)
            && !QFont::substitutes(original).contains(substitute))
            QFont::insertSubstitution(original, substitute);
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}
