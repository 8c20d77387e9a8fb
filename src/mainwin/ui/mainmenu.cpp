#include "mainwin/ui/mainmenu.h"

#include <algorithm>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "catalog/catalogue.h"
#include "catalog/mediarules.h"

using catalogue::CollectionMenu;

namespace {

// Control arrays: the object name carries the index ("mnuMag_1"); the property keeps it handy.
const char* const kIndexProperty = "index";

QString arrayName(const QString& name, int index)
{
    return index < 0 ? name : name + QLatin1Char('_') + QString::number(index);
}

} // namespace

MainMenu::MainMenu(QMenuBar& bar, const Commands& commands) : m_bar(bar), m_commands(commands)
{
    auto* file = addMenu(nullptr, QStringLiteral("&File"), QStringLiteral("mnuFile"));
    addItem(file, QStringLiteral("&Copy CD-ROM photos to hard drive"), QStringLiteral("mnuCopy"),
            Command::CopyPhotos);
    addItem(file, QStringLiteral("&Remove photos from hard drive"), QStringLiteral("mnuRemove"),
            Command::RemovePhotos);
    file->addSeparator();
    addItem(file, QStringLiteral("&Copy CD-ROM movies to hard drive"), QStringLiteral("mnuCopyMovies"),
            Command::CopyMovies);
    addItem(file, QStringLiteral("&Remove movies from hard drive"), QStringLiteral("mnuRemoveMovies"),
            Command::RemoveMovies);
    file->addSeparator();
    addItem(file, QStringLiteral("&Install Screen saver"), QStringLiteral("mnuSaver"), Command::InstallSaver);
    addItem(file, QStringLiteral("Install Intel &Video Software"), QStringLiteral("mnuVideo"),
            Command::InstallVideo);
    file->addSeparator();
    addItem(file, QStringLiteral("Print &Photo"), QStringLiteral("mnuPrintPhoto"), Command::PrintPhoto);
    addItem(file, QStringLiteral("Print &Booklet"), QStringLiteral("mnuPrnt"), Command::PrintBooklet);
    addItem(file, QStringLiteral("Print &Setup"), QStringLiteral("mnuPrint"), Command::PrintSetup);
    file->addSeparator();
    addItem(file, QStringLiteral("Check Screen Resolution Setting"), QStringLiteral("mnuCheckScreen"),
            Command::CheckScreen);
    file->addSeparator();
    addItem(file, QStringLiteral("Show File &Names"), QStringLiteral("mnuNames"), Command::FileNames);
    file->addSeparator();
    addItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit"), Command::Exit);

    addItem(nullptr, QStringLiteral("Sound &Effects"), QStringLiteral("mnuSound"), Command::SoundEffects);
    addItem(nullptr, QStringLiteral("&Movies"), QStringLiteral("mnuMovies"), Command::Movies);

    auto* lit = addMenu(nullptr, QStringLiteral("&Literature"), QStringLiteral("mnuLiterature"));
    if (const catalogue::Collection* c = catalogue::findCollection(QStringLiteral("Top Ten Zephane People ")))
        addItem(lit, c->menuCaption, QStringLiteral("mnuTopTen"), Command::TopTen);
    addLibraryItem(lit, QStringLiteral("mnuTazura1"));
    auto* articles = addMenu(lit, QStringLiteral("Zephane &Articles"), QStringLiteral("mnuLitArticles"));
    for (int i = 1; mediarules::libraryDocument(QStringLiteral("mnuArticles"), i); ++i)
        addLibraryItem(articles, QStringLiteral("mnuArticles"), i);
    addLibraryItem(lit, QStringLiteral("mnuBooks"));
    addLibraryItem(lit, QStringLiteral("mnuCatalogs"));
    auto* mags = addMenu(lit, QStringLiteral("Zephane &Magazines"), QStringLiteral("mnuMagazines"));
    for (int i = 1; mediarules::libraryDocument(QStringLiteral("mnuMag"), i); ++i)
        addLibraryItem(mags, QStringLiteral("mnuMag"), i);

    auto* misc = addMenu(nullptr, QStringLiteral("Mis&cellaneous"), QStringLiteral("mnuMisc"));
    addLibraryItem(misc, QStringLiteral("mnuADs"));
    addLibraryItem(misc, QStringLiteral("mnuEngines"));
    addLibraryItem(misc, QStringLiteral("mnuGlossary"));
    if (const catalogue::Collection* c = catalogue::findCollection(QStringLiteral("Miscellany ")))
        addItem(misc, c->menuCaption, QStringLiteral("mnuMiscellany"), Command::Miscellany);
    auto* museums = addMenu(misc, QStringLiteral("&Zephane Museums"), QStringLiteral("mnuMuseums"));
    addCollectionArray(museums, int(CollectionMenu::Museums), QStringLiteral("mnuMus"), Command::Museum);
    addLibraryItem(misc, QStringLiteral("mnuTimeLine"));
    addLibraryItem(misc, QStringLiteral("MnuIDZeph"));
    addItem(misc, QStringLiteral("&The Illustrated Zephane"), QStringLiteral("mnuOstrand"),
            Command::IllustratedSeries);
    misc->addSeparator();
    addItem(misc, QStringLiteral("&Search the Disc..."), QStringLiteral("mnuSearch"), Command::Search)
        ->setShortcut(QKeySequence::Find);

    addCollectionArray(addMenu(nullptr, QStringLiteral("&Artwork"), QStringLiteral("mnuArtWork")),
                       int(CollectionMenu::Art), QStringLiteral("mnuArt"), Command::Art);
    addCollectionArray(addMenu(nullptr, QStringLiteral("&Zeph Stuff"), QStringLiteral("mnustuff")),
                       int(CollectionMenu::ZephStuff), QStringLiteral("mnuzephstuff"), Command::ZephStuff);
    addCollectionArray(addMenu(nullptr, QStringLiteral("S&pecialty"), QStringLiteral("mnuSpecial")),
                       int(CollectionMenu::Specialty), QStringLiteral("mnuSpecialty"), Command::Specialty);

    addItem(nullptr, QStringLiteral("&SlideShow"), QStringLiteral("mnuSlideShow"), Command::SlideShow);

    auto* help = addMenu(nullptr, QStringLiteral("&Help"), QStringLiteral("mnuHelp"));
    addItem(help, QStringLiteral("&Contents"), QStringLiteral("mnuContents"), Command::HelpContents);
    help->addSeparator();
    addItem(help, QStringLiteral("&Register On-Line"), QStringLiteral("mnuRegister"), Command::Register);
    addLibraryItem(help, QStringLiteral("mnuWhatsNew"));
    addLibraryItem(help, QStringLiteral("mnuIntro"));
    addLibraryItem(help, QStringLiteral("mnuNotice"));
    addLibraryItem(help, QStringLiteral("mnuCredits"));
    addItem(help, QStringLiteral("&About"), QStringLiteral("mnuAbout"), Command::About);
    addItem(help, QStringLiteral("&System Info"), QStringLiteral("mnuSysInfo"), Command::SysInfo);
    addLibraryItem(help, QStringLiteral("mnuContrib"));
}

QMenu* MainMenu::addMenu(QMenu* parent, const QString& caption, const QString& name)
{
    QMenu* menu = parent ? parent->addMenu(caption) : m_bar.addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* MainMenu::addItem(QMenu* menu, const QString& caption, const QString& name, Command command,
                           int index)
{
    QAction* a = menu ? menu->addAction(caption) : m_bar.addAction(caption);
    a->setObjectName(name);
    m_items.push_back({a, command, index});
    const Commands* commands = &m_commands;
    QObject::connect(a, &QAction::triggered, a,
                     [commands, command, index] { commands->run(command, index); });
    return a;
}

void MainMenu::addLibraryItem(QMenu* menu, const QString& control, int index)
{
    const std::vector<mediarules::LibraryDocument>& rows = mediarules::libraryDocuments();
    for (size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].control != control || rows[row].index != index)
            continue;
        // The object name carries the menu array's index, the command carries the table's row.
        QAction* a = addItem(menu, rows[row].menuCaption, arrayName(control, index > 0 ? index : -1),
                             Command::LibraryDocument, int(row));
        if (index > 0)
            a->setProperty(kIndexProperty, index);
        return;
    }
}

void MainMenu::addCollectionArray(QMenu* menu, int menuKind, const QString& name, Command command)
{
    std::vector<const catalogue::Collection*> rows;
    for (const catalogue::Collection& c : catalogue::collections())
        if (int(c.menu) == menuKind && c.menuIndex >= 0)
            rows.push_back(&c);
    std::sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->menuIndex < b->menuIndex; });
    for (const catalogue::Collection* c : rows)
        addItem(menu, c->menuCaption, arrayName(name, c->menuIndex), command, c->menuIndex)
            ->setProperty(kIndexProperty, c->menuIndex);
}

QAction* MainMenu::item(Command command, int index) const
{
    for (const Item& i : m_items)
        if (i.command == command && i.index == index)
            return i.action;
    return nullptr;
}
