#include "slideshow/slidelabels.h"

#include "catalog/catalogue.h"

namespace slidelabels {
namespace {

const QString kMuseumCode = QStringLiteral("MN");
const QString kMuseumLabel = QStringLiteral("The National Zephane Museum ");
const QString kSkiBoat = QStringLiteral("Malibu Zephane Ski Boat ");
const QString kBrenmore = QStringLiteral("Brenmore Twin-Turbo ");
const QString kZr1 = QStringLiteral("1990-1995 ZR-1 ");

} // namespace

QString photoLabel(const QString& code)
{
    if (code == kMuseumCode)
        return kMuseumLabel;
    for (const catalogue::Collection& c : catalogue::collections())
        if (c.code == code)
            return c.text;
    if (code == QLatin1String("A0"))
        return QStringLiteral("200") + code.mid(1, 1);
    return QStringLiteral("19") + code;
}

QString clipArtTickLabel(const QString& name)
{
    const QString lead = name.left(2).toUpper();
    if (lead == QLatin1String("SK"))
        return kSkiBoat;
    if (lead == QLatin1String("BM"))
        return kBrenmore;
    if (lead == QLatin1String("ZR"))
        return kZr1;
    return name.left(4);
}

QString clipArtStepLabel(const QString& name, BrenmoreTest test)
{
    if (name.startsWith(QLatin1Char('S')))
        return kSkiBoat;
    const bool brenmore = test == BrenmoreTest::FirstTwoBM ? name.startsWith(QLatin1String("BM"))
                                                           : name.startsWith(QLatin1Char('B'));
    if (brenmore)
        return kBrenmore;
    if (name.startsWith(QLatin1Char('Z')))
        return kZr1;
    return name.left(4) + QLatin1Char(' ');
}

QString counterText(int n, int m)
{
    return QString::number(n) + QStringLiteral(" of ") + QString::number(m);
}

int halfRoundedToEven(int n)
{
    const int q = n / 2;
    if (n % 2 == 0)
        return q;
    return q % 2 == 0 ? q : q + 1;
}

std::optional<QString> codeForLabel(const QString& label)
{
    for (const catalogue::Collection& c : catalogue::collections())
        if (photoLabel(c.code) == label)
            return c.code;
    return std::nullopt;
}

} // namespace slidelabels
