#include "DrukLettertype.h"

#include <QFontDatabase>
#include <QList>
#include <QMutex>
#include <QSet>
#include <utility>

QFont DrukLettertype(const QString& family, double pointSize)
{
    static const QList<std::pair<QString, QString>> substitutes{
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")}};
    // Asking the font database costs a font configuration lookup; every
    // text of every page asks, so each family is settled once.
    static QMutex slot;
    static QSet<QString> geregeld;
    {
        const QMutexLocker vast(&slot);
        if (!geregeld.contains(family)) {
            for (const auto& [original, substitute] : substitutes)
                if (family == original && !QFontDatabase::hasFamily(original) && QFontDatabase::hasFamily(substitute)
                    && !QFont::substitutes(original).contains(substitute))
                    QFont::insertSubstitution(original, substitute);
            geregeld.insert(family);
        }
    }
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}
