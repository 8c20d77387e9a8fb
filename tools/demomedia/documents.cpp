#include "documents.h"

#include <QStringList>

#include "rtfwriter.h"
#include "stablehash.h"

using mediarules::Kind;

namespace documents {

namespace {

// Made-up facts that stay the same for an entry.
struct Facts {
    QString name;  // "1963" or the collection without its trailing blank
    int cubicInches;
    int horsepower;
    int built;
    int price;
    double zeroToSixty;
    int topSpeed;
};

Facts factsFor(const QString& owner)
{
    const quint32 h = fnv(owner);
    Facts f;
    f.name = owner.trimmed();
    bool ok = false;
    const int year = f.name.left(4).toInt(&ok);
    const int age = ok ? year - 1953 : 30;
    f.cubicInches = 235 + 10 * int(h % 19) + age;
    f.horsepower = 150 + 4 * age + int((h >> 5) % 60);
    f.built = 300 + int((h >> 11) % 40) * 700 + age * 400;
    f.price = 3500 + age * 550 + int((h >> 3) % 900);
    f.zeroToSixty = 11.0 - age * 0.13 - ((h >> 7) % 10) / 10.0;
    f.topSpeed = 110 + age + int((h >> 13) % 25);
    return f;
}

QString pick(const QStringList& list, quint32 h)
{
    return list[int(h % quint32(list.size()))];
}

void storyParagraphs(RtfWriter& w, const Facts& f, int count)
{
    const QStringList openings = {
        "The *%1* arrived with little warning and left a lasting mark on everyone who drove it.",
        "Few cars of its day were as talked about as the *%1*, and fewer still lived up to the talk.",
        "For the *%1* the stylists were given one instruction: make it look fast standing still.",
        "Dealers took orders for the *%1* before the first cars had left the assembly line.",
    };
    const QStringList middles = {
        "Under the long hood sat a ^%2 cubic inch^ engine rated at %3 horsepower, enough to reach sixty "
        "miles "
        "an hour in about %4 seconds.",
        "The engineers fitted a ^%2 cubic inch^ engine that made %3 horsepower and pushed the car to a top "
        "speed near %5 miles an hour.",
        "Its ^%2 cubic inch^ engine, good for %3 horsepower, was smooth in traffic and tireless on the open "
        "road.",
    };
    const QStringList closings = {
        "_Road testers_ praised the steering and the brakes, and grumbled only about the luggage space.",
        "Owners' clubs still gather every summer, and a good example is now a prized possession.",
        "In all, %6 were built, each one leaving the plant at a list price of about $%7.",
        "The _press_ called it the best balanced car the marque had built so far.",
    };
    for (int i = 0; i < count; ++i) {
        const quint32 h = fnv(f.name + QString::number(i));
        QString text = pick(openings, h) + QLatin1Char(' ') + pick(middles, h >> 4) + QLatin1Char(' ')
                       + pick(closings, h >> 8);
        const QStringList values = {f.name, QString::number(f.cubicInches), QString::number(f.horsepower),
                                    QString::number(f.zeroToSixty, 'f', 1), QString::number(f.topSpeed),
                                    QString::number(f.built), QString::number(f.price)};
        for (int v = 0; v < values.size(); ++v)
            text.replace(QLatin1Char('%') + QString::number(v + 1), values[v]);
        w.paragraph(text);
    }
}

QByteArray description(const QString& owner)
{
    const Facts f = factsFor(owner);
    RtfWriter w;
    w.title(f.name + QStringLiteral(" Description"));
    w.heading(QStringLiteral("At a glance"));
    storyParagraphs(w, f, 2);
    w.heading(QStringLiteral("Highlights"));
    w.bullets({QStringLiteral("*%1 hp* from %2 cubic inches").arg(f.horsepower).arg(f.cubicInches),
               QStringLiteral("0-60 mph in _%1 s_").arg(f.zeroToSixty, 0, 'f', 1),
               QStringLiteral("Top speed about ^%1 mph^").arg(f.topSpeed),
               QStringLiteral("%1 built").arg(f.built)});
    Facts more = factsFor(owner + QStringLiteral(" again"));
    more.name = f.name;
    storyParagraphs(w, more, 1);
    return w.finish();
}

QByteArray statistics(const QString& owner, const QString& heading)
{
    const Facts f = factsFor(owner);
    RtfWriter w;
    w.title(f.name + QLatin1Char(' ') + heading);
    w.table({{"Item", "Value"},
             {"Engine", QStringLiteral("V8, %1 cu in").arg(f.cubicInches)},
             {"Power", QStringLiteral("%1 hp").arg(f.horsepower)},
             {"0-60 mph", QStringLiteral("%1 s").arg(f.zeroToSixty, 0, 'f', 1)},
             {"Top speed", QStringLiteral("%1 mph").arg(f.topSpeed)},
             {"Production", QString::number(f.built)},
             {"Base price", QStringLiteral("$%1").arg(f.price)}},
            {3000, 4200});
    w.paragraph(
        QStringLiteral("_Figures are those published at the time; production counts include export cars._"));
    return w.finish();
}

QByteArray options(const QString& owner)
{
    const Facts f = factsFor(owner);
    const quint32 h = fnv(owner);
    RtfWriter w;
    w.title(f.name + QStringLiteral(" Options"));
    const QStringList all = {"Power brakes",      "Power windows",          "AM/FM radio",
                             "Removable hardtop", "Positraction rear axle", "Heavy-duty suspension",
                             "Side exhaust",      "Leather seats",          "Tilt-telescope steering",
                             "Air conditioning",  "Fuel injection",         "Aluminium wheels"};
    QList<QStringList> rows = {{"Code", "Option", "Price", "Installed"}};
    for (int i = 0; i < 7; ++i) {
        const int k = int(((h >> i) + quint32(i) * 5) % quint32(all.size()));
        rows << QStringList{QStringLiteral("RPO %1").arg(100 + (h >> (i * 2)) % 800), all[k],
                            QStringLiteral("$%1").arg(20 + (h >> i) % 400),
                            QString::number(50 + (h >> (i + 3)) % 9000)};
    }
    w.table(rows, {1500, 3600, 1400, 1600});
    w.heading(QStringLiteral("Worth looking for"));
    w.bullets({QStringLiteral("*Original* window sticker"), QStringLiteral("Matching-numbers engine"),
               QStringLiteral("_Factory_ hardtop in body colour")});
    return w.finish();
}

QByteArray colors(const QString& owner)
{
    const quint32 h = fnv(owner);
    RtfWriter w;
    w.title(owner.trimmed() + QStringLiteral(" Colors"));
    w.paragraph(
        QStringLiteral("Exterior colours offered this year, with the number of cars painted in each:"));
    const struct {
        const char* name;
        int r, g, b;
    } paints[] = {{"Polo White", 235, 235, 228},    {"Venetian Red", 170, 20, 30},
                  {"Cascade Green", 60, 130, 90},   {"Nassau Blue", 40, 80, 160},
                  {"Ermine White", 245, 245, 240},  {"Roman Red", 190, 30, 40},
                  {"Sunfire Yellow", 240, 200, 40}, {"Tuxedo Black", 20, 20, 20},
                  {"Silver Pearl", 180, 185, 195},  {"Marina Blue", 30, 110, 190}};
    for (int i = 0; i < 5; ++i) {
        const auto& c = paints[(h + quint32(i) * 3) % 10];  // 3 and 10 are coprime: five different paints
        w.colouredLine(QStringLiteral("%1 (%2 cars)").arg(QLatin1String(c.name)).arg(200 + (h >> i) % 5000),
                       c.r, c.g, c.b);
    }
    w.heading(QStringLiteral("Interiors"));
    w.bullets({QStringLiteral("Black vinyl"), QStringLiteral("Red leather"), QStringLiteral("_Saddle_ tan")});
    return w.finish();
}

QByteArray nostalgia(const QString& owner)
{
    RtfWriter w;
    w.title(QStringLiteral("Nostalgia ") + owner.trimmed());
    w.heading(QStringLiteral("The year in the rear-view mirror"));
    w.paragraph(QStringLiteral("Gasoline cost about *twenty-two cents* a gallon, drive-in theatres were full "
                               "every Saturday night, and "
                               "the radio played a new kind of music that parents did not care for."));
    w.paragraph(QStringLiteral(
        "A young engineer named in the factory records only as _L. T._ fitted a prototype with a larger "
        "engine and "
        "took it up the hill climb himself. The ^1956^ car that came of it changed the marque for good."));
    w.bullets({QStringLiteral("First V8 in the line"),
               QStringLiteral("Roll-up windows replace side curtains"),
               QStringLiteral("A first win at a national sports car race")});
    return w.finish();
}

QByteArray longDocument(const QString& title, const QString& owner)
{
    RtfWriter w;
    w.title(title);
    const quint32 h = fnv(owner);
    const int pages = 2 + int(h % 3);
    for (int page = 0; page < pages; ++page) {
        if (page)
            w.pageBreak();
        w.heading(QStringLiteral("Part %1").arg(page + 1));
        for (int k = 0; k < 3; ++k)
            storyParagraphs(w, factsFor(QString::number(1953 + (page * 11 + k * 7 + int(h % 13)) % 47)), 1);
        w.table({{"Year", "Event"},
                 {QString::number(1953 + page * 9), "New body style introduced"},
                 {QString::number(1956 + page * 9), "Racing success at Sebring"},
                 {QString::number(1959 + page * 9), "Record production"}},
                {1800, 5400});
        w.bullets({QStringLiteral("*Read more* in the Zephane Books list"),
                   QStringLiteral("_See also_ the Timeline")});
    }
    return w.finish();
}

QByteArray timeline()
{
    RtfWriter w;
    w.title(QStringLiteral("Zephane Timeline"));
    QList<QStringList> rows = {{"Year", "Milestone"}};
    for (int y = 1953; y <= 2000; ++y) {
        if (y == 1983)
            continue;
        const Facts f = factsFor(QString::number(y));
        rows << QStringList{QString::number(y),
                            QStringLiteral("%1 hp, %2 built").arg(f.horsepower).arg(f.built)};
        if (rows.size() == 17) {
            w.table(rows, {1800, 5400});
            w.pageBreak();
            rows = {{"Year", "Milestone"}};
        }
    }
    w.table(rows, {1800, 5400});
    return w.finish();
}

QByteArray helpText(const QString& title)
{
    RtfWriter w;
    w.title(title);
    w.paragraph(
        QStringLiteral("Choose *All Photos* to let the screen saver show every photograph, or *Selected "
                       "Photos* to show only those you added with the photo list."));
    w.bullets({QStringLiteral("Pick the delay between photos with the arrows"),
               QStringLiteral("Press _Install_ to copy the screen saver and write its settings"),
               QStringLiteral("Then choose ^Zephane2000^ in your desktop's screen-saver settings")});
    return w.finish();
}

}  // namespace

QByteArray forFile(const mediarules::ExpectedFile& file)
{
    const QString& owner = file.owner;
    switch (file.kind) {
    case Kind::Description:
        if (owner == QLatin1String("panYear"))
            return longDocument(QStringLiteral("Introduction"), owner);
        return description(owner);
    case Kind::Statistics:
        return statistics(owner, owner == QLatin1String("Pembry Cars ") ? QStringLiteral("Features")
                                                                           : QStringLiteral("Statistics"));
    case Kind::Options: return options(owner);
    case Kind::Colors: return colors(owner);
    case Kind::Nostalgia: return nostalgia(owner);
    case Kind::BookletDetails: return statistics(owner, QStringLiteral("Details"));
    case Kind::SaverHelp: return helpText(QStringLiteral("Install Screen Saver Help"));
    case Kind::SeriesText: return longDocument(QStringLiteral("The Illustrated Zephane"), owner);
    case Kind::LibraryText: {
        QString title = owner;
        title.remove(QLatin1Char('&'));
        if (file.path.name.compare(QLatin1String("timeline.rtf"), Qt::CaseInsensitive) == 0)
            return timeline();
        return longDocument(title, owner);
    }
    default: break;
    }
    return longDocument(owner, owner);
}

QByteArray photoCaption(const QString& entry, int number, const QString& photoName)
{
    const Facts f = factsFor(entry + QString::number(number));
    RtfWriter w;
    w.heading(QStringLiteral("%1 - photo %2").arg(entry.trimmed()).arg(number));
    w.paragraph(QStringLiteral("*%1*: one of %2 made, shown here in _original_ condition. Estimated value "
                               "^$%3^.").arg(photoName).arg(f.built % 900 + 12).arg(f.price * 3));
    return w.finish();
}

}  // namespace documents
