#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace {

// The stand-in face ships with the set-up's fonts-dejavu-core.
constexpr const char* kStandInFace = "DejaVu Sans";
// A request for height 0 gets the platform's default text size.
constexpr int kDefaultCellHeight = 16;

QFont MakeFont(const CFontSpec& request)
{
    const QString face = QString::fromStdString(request.strFace);
    const bool bInstalled = QFontDatabase::families().contains(face, Qt::CaseInsensitive);
    QFont font(bInstalled ? face : QString::fromLatin1(kStandInFace));
    if (!bInstalled && face.contains(QLatin1String("Black"), Qt::CaseInsensitive))
        font.setWeight(QFont::Black);
    else
        font.setWeight(request.nWeight >= 700 ? QFont::Bold : QFont::Normal);
    const int cell = request.nHeight > 0 ? request.nHeight : kDefaultCellHeight;
    font.setPixelSize(std::max(1, cell * 100 / kCellPerEmPercent));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}

QFont ResolveFont(const CFontSpec& request)
{
    // Fonts are asked for every frame by the intro; keep what was built.
    static QHash<QString, QFont> cache;
    const QString key = QString::fromStdString(request.strFace) + QLatin1Char('/') + QString::number(request.nHeight) +
                        QLatin1Char('/') + QString::number(request.nWeight);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, MakeFont(request));
    return *it;
}
