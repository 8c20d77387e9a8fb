// The screen saver's settings file as a pair: whatever file the installation is handed, what it writes into
// it the screen saver reads back, every other key keeps its value, and writing again changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QByteArray>

#include "output/inifile.h"
#include "saversettings.h"

namespace {

bool same(const QByteArray& a, const char* b)
{
    return a.trimmed().compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (input.isEmpty())
        return 0;
    // The first byte picks the delay, the bytes up to the first 0xFF (at most 80) the photo folder, the rest
    // is the file found on the disk.
    const int seconds = 1 + uint8_t(input[0]) % 60;
    const qsizetype cut = input.indexOf('\xFF', 1);
    QByteArray path, file;
    if (cut > 0 && cut <= 81) {
        path = input.mid(1, cut - 1);
        file = input.mid(cut + 1);
    } else {
        file = input.mid(1);
    }
    if (path.isEmpty() || !IniFile::canHold(path))
        path = "/home/zo\xC3\xAB/zephane-folarium\\sszephs\\";

    const IniFile before(file);
    const QByteArray written =
        before.withKeys("Zephane2000", {{"ZephPath", path}, {"Interval", QByteArray::number(seconds)}});

    const SaverSettings read = SaverSettings::parse(written);
    if (!read.ok() || read.photoPath != IniFile::decode(path) || read.intervalSeconds != seconds)
        std::abort();

    const IniFile after(written);
    for (const IniFile::Entry& e : before.entries()) {
        if (same(e.section, "Zephane2000") && (same(e.key, "ZephPath") || same(e.key, "Interval")))
            continue;
        if (after.value(e.section, e.key) != e.value)
            std::abort();
    }
    if (after.withKeys("Zephane2000", {{"ZephPath", path}, {"Interval", QByteArray::number(seconds)}}) !=
        written)
        std::abort();
    return 0;
}
