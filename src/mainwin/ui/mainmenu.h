#pragma once

#include <vector>

#include <QString>

#include "session/commands.h"

class QAction;
class QMenu;
class QMenuBar;
class QObject;

// Builds the main window's whole menu bar from the program's tables (collections, library documents) and a
// few fixed items. Every item keeps its control name as object name and carries a typed command with its
// row; triggering an item runs that command. Nothing looks at object names to decide what to do.
class MainMenu {
public:
    struct Item {
        QAction* action;
        Command command;
        int index; // -1 for single items
    };

    // Fills the bar; commands are looked up when an item is triggered, so modules built later still answer.
    MainMenu(QMenuBar& bar, const Commands& commands);

    // The item that carries the command (and row), or null.
    QAction* item(Command command, int index = -1) const;
    const std::vector<Item>& items() const { return m_items; }

private:
    QMenu* addMenu(QMenu* parent, const QString& caption, const QString& name);
    QAction* addItem(QMenu* menu, const QString& caption, const QString& name, Command command,
                     int index = -1);
    void addLibraryItem(QMenu* menu, const QString& control, int index = 0);
    void addCollectionArray(QMenu* menu, int menuKind, const QString& name, Command command);

    QMenuBar& m_bar;
    const Commands& m_commands;
    std::vector<Item> m_items;
};
