#pragma once

#include <functional>
#include <map>

// What a menu item asks for. Items that stand for a row of a table (a library document, a collection of a
// menu) carry the row as the command's index.
// The commands stay grouped by menu, several to a line.
// clang-format off
enum class Command {
    // File
    CopyPhotos, RemovePhotos, CopyMovies, RemoveMovies, InstallSaver, InstallVideo, PrintPhoto, PrintBooklet,
    PrintSetup, CheckScreen, FileNames, Exit,
    // Menu bar items
    SoundEffects, Movies, SlideShow,
    // Collections: index = the item's index in its menu
    TopTen, Miscellany, Museum, Art, ZephStuff, Specialty,
    // Literature, Miscellaneous and Help documents: index = row of mediarules::libraryDocuments()
    LibraryDocument,
    IllustratedSeries,
    Search,  // Miscellaneous: Search the Disc (Ctrl+F)
    // Help
    HelpContents, Register, About, SysInfo,
};
// clang-format on

// The handlers of the commands, registered by the module that owns each. Running a command nobody has
// registered does nothing.
class Commands {
public:
    using Handler = std::function<void(int index)>;

    void add(Command command, Handler handler) { m_handlers[command] = std::move(handler); }
    bool has(Command command) const { return m_handlers.count(command) != 0; }
    // Returns false when no handler is registered.
    bool run(Command command, int index = -1) const
    {
        const auto it = m_handlers.find(command);
        if (it == m_handlers.end() || !it->second)
            return false;
        it->second(index);
        return true;
    }

private:
    std::map<Command, Handler> m_handlers;
};
