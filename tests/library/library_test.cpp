#include <set>

#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "libraryfixture.h"
#include "viewers/ui/librarymodule.h"

namespace {

struct LibraryTest : LibraryFixture {
    RecordingViewer viewer{session->documents};
    LibraryModule module{*session, ports, frame, viewer};

    QString addRow(const mediarules::LibraryDocument& row) const { return media(row.path.slashPath()); }
};

TEST_F(LibraryTest, EveryMenuItemOpensItsRowWithItsCaptionKind)
{
    const auto& rows = mediarules::libraryDocuments();
    // The table's 20 rows, its magazine row standing for the 13 magazines: 19 + 13 items.
    ASSERT_EQ(rows.size(), 32u);
    std::set<std::pair<QString, int>> items;
    for (const auto& r : rows)
        items.insert({r.control, r.index});
    EXPECT_EQ(items.size(), rows.size()) << "two rows for one menu item";
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(items.count({QStringLiteral("mnuArticles"), i})) << i;
    for (int i = 1; i <= 13; ++i)
        EXPECT_TRUE(items.count({QStringLiteral("mnuMag"), i})) << i;

    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto& r = rows[static_cast<size_t>(row)];
        SCOPED_TRACE(r.menuCaption.toStdString());
        const QString real = addRow(r);
        viewer.unload();
        viewer.modalShows = 0;
        session->documents.documentCaption = QStringLiteral("left by another opener");

        ASSERT_TRUE(session->commands.run(Command::LibraryDocument, row));

        EXPECT_EQ(viewer.document, real);
        EXPECT_EQ(viewer.caption, r.caption);
        EXPECT_TRUE(r.caption.startsWith(QStringLiteral("The Zephane Folarium     ")));
        EXPECT_FALSE(r.caption.startsWith(QStringLiteral("The Zephane Folarium      ")));
        if (r.captionKind == mediarules::CaptionKind::BeforeLoad)
            EXPECT_EQ(session->documents.documentCaption, r.caption);
        else
            EXPECT_EQ(session->documents.documentCaption, QStringLiteral("left by another opener"));
        EXPECT_TRUE(viewer.soundButtonsHidden);
        EXPECT_EQ(viewer.closeWidth, 600 - 100 - 4);
        EXPECT_EQ(viewer.modalShows, 1);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LibraryTest, CaptionsThatDifferFromTheirMenuItems)
{
    const auto caption = [](const char* control, int index) {
        return mediarules::libraryDocument(QLatin1String(control), index)->caption;
    };
    EXPECT_EQ(caption("mnuADs", 0),
              QStringLiteral("The Zephane Folarium     Zephane Advertising Checklist "));
    EXPECT_FALSE(caption("mnuADs", 0).endsWith(QStringLiteral("  ")));
    EXPECT_EQ(caption("mnuArticles", 3), QStringLiteral("The Zephane Folarium     Long Live the King"));
    EXPECT_EQ(caption("mnuArticles", 5), QStringLiteral("The Zephane Folarium     The Ten Second Trip"));
    EXPECT_EQ(caption("mnuArticles", 6),
              QStringLiteral("The Zephane Folarium     Sometimes You Just Get Caught Up In The Moment"));
    EXPECT_EQ(caption("mnuMag", 7), QStringLiteral("The Zephane Folarium     Magazines"));
}

TEST_F(LibraryTest, AfterAKindVDocumentTheLastKindDCaptionStays)
{
    const auto& rows = mediarules::libraryDocuments();
    const auto* books = mediarules::libraryDocument(QStringLiteral("mnuBooks"));
    const auto* notice = mediarules::libraryDocument(QStringLiteral("mnuNotice"));
    addRow(*books);
    addRow(*notice);
    session->commands.run(Command::LibraryDocument, static_cast<int>(books - rows.data()));
    session->commands.run(Command::LibraryDocument, static_cast<int>(notice - rows.data()));
    EXPECT_EQ(session->documents.documentCaption, books->caption);
    EXPECT_EQ(viewer.caption, notice->caption);
}

TEST_F(LibraryTest, AMissingFileReportsItsRowsCodeAndShowsNothing)
{
    const auto& rows = mediarules::libraryDocuments();
    struct Case {
        const char* control;
        int index;
        QString code;
    };
    std::vector<Case> cases = {{"mnuGlossary", 0, errc::kLibraryGlossary},
                               {"mnuTazura1", 0, errc::kLibraryArticles},
                               {"mnuArticles", 4, errc::kLibraryArticles},
                               {"mnuTimeLine", 0, errc::kLibraryTimeline}};
    for (int m = 1; m <= 13; ++m)
        cases.push_back({"mnuMag", m, errc::kLibraryArticles});
    for (const Case& c : cases) {
        const auto* r = mediarules::libraryDocument(QLatin1String(c.control), c.index);
        ASSERT_NE(r, nullptr);
        SCOPED_TRACE(r->menuCaption.toStdString());
        messages.shown.clear();
        viewer.modalShows = 0;
        session->commands.run(Command::LibraryDocument, static_cast<int>(r - rows.data()));
        EXPECT_EQ(session->errors.code, c.code);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Error number: ") + c.code));
        EXPECT_EQ(viewer.modalShows, 0);
    }
}

TEST_F(LibraryTest, AFolderInPlaceOfTheDocumentIsReportedToo)
{
    const auto* glossary = mediarules::libraryDocument(QStringLiteral("mnuGlossary"));
    tree.addFolder(QStringLiteral("media/") + glossary->path.slashPath());
    session->commands.run(Command::LibraryDocument,
                          static_cast<int>(glossary - mediarules::libraryDocuments().data()));
    EXPECT_EQ(session->errors.code, errc::kLibraryGlossary);
    EXPECT_EQ(viewer.modalShows, 0);
}

TEST_F(LibraryTest, RowsOutsideTheTableDoNothing)
{
    for (int row : {-1, 32, 1000}) {
        session->commands.run(Command::LibraryDocument, row);
        EXPECT_FALSE(viewer.loaded);
        EXPECT_TRUE(messages.shown.empty());
    }
}

} // namespace

namespace {

TEST_F(LibraryTest, TheModuleOwnsItsFourCommands)
{
    for (Command c :
         {Command::LibraryDocument, Command::SoundEffects, Command::Movies, Command::InstallVideo})
        EXPECT_TRUE(session->commands.has(c)) << int(c);
    for (Command c : {Command::About, Command::SysInfo, Command::SlideShow})
        EXPECT_FALSE(session->commands.has(c)) << int(c);
}

} // namespace
