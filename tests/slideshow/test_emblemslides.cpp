// LoadEmblemSlide: which files go into which slot, what stays hidden, the label and where everything goes.
#include "slidefixture.h"
#include "slideshow/emblemlayout.h"

namespace {

using C = SlideControl;

struct EmblemSlides : SlideFixture {
    void load(int e)
    {
        session.slides.folderNamePos = e;
        controller.frames().loadEmblemSlide();
    }
    QString slotText() const
    {
        QStringList out;
        for (C c : {C::Image1, C::Picture2, C::Picture3, C::Picture4})
            out << (view.isVisible(c)
                        ? (view.picture(c).isEmpty() ? QStringLiteral("(empty)") : view.picture(c))
                        : QStringLiteral("-"));
        return out.join(' ');
    }
};

TEST_F(EmblemSlides, FilesSlotsAndLabels)
{
    emblemFiles({"embfront/emb53f.jpg", "scripts/scri53.jpg", "embside/emb74s.jpg", "embfront/emb74f.jpg",
                 "scripts/scri74.jpg", "embrear/emb00r.jpg", "embside/emb00s.jpg", "embfront/emb00f.jpg",
                 "scripts/scri00.jpg", "scripts/scrigs.jpg", "embrear/emb96r.jpg", "embfront/emb96f.jpg",
                 "scripts/scrisk.jpg", "embfront/embbmf.jpg", "scripts/scribm.jpg", "embrear/embzr1r.jpg",
                 "embside/embzr1s.jpg", "embfront/embzr1f.jpg", "scripts/scrizr1.jpg"});
    struct Row {
        int e;
        const char* slotText; // rear side nose script; "-" hidden
        const char* label;
    };
    const Row rows[] = {
        {53, "- - emb53f.jpg scri53.jpg", "1953 "},
        {74, "- emb74s.jpg emb74f.jpg scri74.jpg", "1974 "},
        {100, "emb00r.jpg emb00s.jpg emb00f.jpg scri00.jpg", "2000 "},
        {101, "embzr1r.jpg embzr1s.jpg embzr1f.jpg scrizr1.jpg", "1990-1995 ZR-1 "},
        {102, "- - embbmf.jpg scribm.jpg", "Brenmore Twin-Turbo "},
        {103, "- - - scrigs.jpg", "Kavell Automotive Concepts "},
        {104, "emb96r.jpg - emb96f.jpg scrisk.jpg", "Malibu Zephane Ski Boat "},
        {120, "emb96r.jpg - emb96f.jpg scrisk.jpg", "Malibu Zephane Ski Boat "},
    };
    controller.modeChange(2); // the title picture in Image1, stretched
    for (const Row& r : rows) {
        load(r.e);
        EXPECT_EQ(slotText(), r.slotText) << r.e;
        EXPECT_EQ(label(), r.label) << r.e;
        EXPECT_FALSE(view.stretch);
    }
    EXPECT_EQ(reports(), 0);
}

TEST_F(EmblemSlides, AMissingFileLeavesItsSlotEmptyButShownAndNothingIsReported)
{
    emblemFiles({"embfront/emb60f.jpg"});
    tree.add("embrear/emb60r.jpg", "bad");
    controller.modeChange(2);
    load(60);
    EXPECT_EQ(slotText(), "(empty) (empty) emb60f.jpg (empty)");
    EXPECT_EQ(label(), "1960 "); // the script failed, the caption still follows
    EXPECT_EQ(reports(), 0);
}

TEST_F(EmblemSlides, LayoutFromTheLoadedSizes)
{
    emblemFiles({"embrear/emb78r.jpg", "embside/emb78s.jpg", "embfront/emb78f.jpg", "scripts/scri78.jpg"});
    view.sizes["emb78r.jpg"] = QSize(2000, 1500);
    view.sizes["emb78s.jpg"] = QSize(3000, 1000);
    view.sizes["emb78f.jpg"] = QSize(1600, 1200);
    view.sizes["scri78.jpg"] = QSize(4000, 800);
    load(78);
    const int w = 12000;
    const QRect coStar = view.rect(C::CoStar);
    const int labelTop = coStar.top() - view.rect(C::PanYear).height() - 100;
    EXPECT_EQ(view.rect(C::PanYear).topLeft(), QPoint(coStar.left(), labelTop));
    EXPECT_EQ(view.rect(C::Image1).topLeft(), QPoint((w / 2 - 2000) / 2, 60));
    EXPECT_EQ(view.rect(C::Picture3).topLeft(), QPoint(w / 2 + (w / 2 - 1600) / 2, 60));
    const int scriptTop = labelTop - 800 - 300;
    EXPECT_EQ(view.rect(C::Picture4).topLeft(), QPoint((w - 4000) / 2 - 100, scriptTop));
    EXPECT_EQ(view.rect(C::Picture2).topLeft(), QPoint((w - 3000) / 2, scriptTop - 1000 - 60));
}

TEST(EmblemLayout, OddSizesRoundToTheNearestTwip)
{
    const emblemlayout::Placement p =
        emblemlayout::place({12001, QRect(0, 8000, 100, 100), false, 0},
                            {QSize(1, 1), QSize(2, 2), QSize(3, 3), QSize(5, 5), 10});
    EXPECT_EQ(p.rear.x(), 3000); // (6000.5 - 1) / 2 = 2999.75
    EXPECT_EQ(p.nose.x(), 8999); // 6000.5 + 2998.75 = 8999.25
}

} // namespace
