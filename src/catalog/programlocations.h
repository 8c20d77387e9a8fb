#pragma once

#include <QString>

struct MediaRoots;

// Decides where the program folder is and where the program's own copies go: beside the executable for a
// build tree or a portable copy, or split between the installed lib/zephane-folarium folder (read) and the
// per-user folder (written and read back) when the program is installed under a prefix.
class ProgramLocations {
public:
    // What the decision looks at; fromProcess() fills it from the running program.
    struct Environment {
        QString executableFolder;   // folder of the running executable
        QString programDirOverride; // ZEPHANE_PROGRAM_DIR
        QString xdgDataHome;        // XDG_DATA_HOME
        QString home;               // HOME
    };
    static Environment fromProcess();

    explicit ProgramLocations(const Environment& environment);

    // True when the executable sits in PREFIX/bin beside an installed PREFIX/lib/zephane-folarium.
    bool installed() const { return m_installed; }
    // What the program reads from its folder ("HWI" media, the screen-saver program, the help file).
    QString programFolder() const { return m_programFolder; }
    // Where photo and movie copies and the screen-saver photo list are written and read back.
    QString programDataFolder() const { return m_dataFolder; }
    // The per-user folder: $XDG_DATA_HOME/zephane-folarium, ~/.local/share/zephane-folarium when unset.
    // The screen saver's settings file lives here.
    QString userFolder() const { return m_userFolder; }

    void fill(MediaRoots& roots) const;

    // The folder name under lib/ and under the per-user data folder.
    static QString folderName() { return QStringLiteral("zephane-folarium"); }
    // The file that marks an installed lib/zephane-folarium folder as the program's own.
    static QString markerName() { return QStringLiteral("Zephane2000.scr"); }

private:
    bool m_installed = false;
    QString m_programFolder;
    QString m_dataFolder;
    QString m_userFolder;
};
