#include "widgets/fonts.h"

#include <QStringList>

namespace fonts {

void installSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList hei = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
                             QStringLiteral("SimHei")};
    const QStringList song = {QStringLiteral("AR PL UMing CN"), QStringLiteral("SimSun"),
                              QStringLiteral("Noto Serif CJK SC")};
    const QStringList li = {QStringLiteral("AR PL UKai CN"), QStringLiteral("LiSu"),
                            QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(kHei, hei);
    QFont::insertSubstitutions(kSong, song);
    QFont::insertSubstitutions(kLi, li);
}

namespace {
double g_scale = 1.0;
}  // namespace

void setScale(double factor)
{
    g_scale = factor > 0 ? factor : 1.0;
}

double scale()
{
    return g_scale;
}

int px(int designPixels)
{
    return qRound(designPixels * g_scale);
}

QFont font(const QString& face, double points, bool bold)
{
    QFont f(face);
    f.setPointSizeF(points * g_scale);
    f.setBold(bold);
    return f;
}

}  // namespace fonts
