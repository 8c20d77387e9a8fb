#pragma once

#include <QByteArray>
#include <QString>

// The screen saver's settings as read from section "Zephane2000" of "Zephane2000.ini". Reading never fails
// hard: a file that cannot be used gives a problem text the screen saver shows instead of photos.
struct SaverSettings {
    QString photoPath;       // "ZephPath" as written: "E:\zephanes\", "/home/ann/.local/share/...\sszephs\"
    int intervalSeconds = 5; // "Interval", kept within kMinInterval..kMaxInterval
    QString problem;         // empty when the settings can be used

    static constexpr int kDefaultInterval = 5;
    static constexpr int kMinInterval = 1;
    static constexpr int kMaxInterval = 3600;

    bool ok() const { return problem.isEmpty(); }

    // Parses the bytes of an INI file by the rules of IniFile, the ones the installation writes by: CR LF, LF
    // or CR line ends, a UTF-8 byte-order mark, blanks around names and values, any letter case in section
    // and key names, a header without "]", a value in double quotes; the first section "Zephane2000" and the
    // first line of a key in it win. Each value is decoded on its own, as UTF-8 where it is valid. "Interval"
    // that is missing or no number gives the default; one outside the range is brought into it.
    static SaverSettings parse(const QByteArray& iniBytes);
    // Reads the file; a missing or unreadable file gives a problem text naming it.
    static SaverSettings read(const QString& iniFile);

    // "Zephane2000.ini" in the per-user folder.
    static QString iniPath(const QString& userFolder);
};
