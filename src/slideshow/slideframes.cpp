#include "slideshow/slideframes.h"

#include "catalog/mediarules.h"
#include "session/session.h"
#include "slideshow/emblemlayout.h"
#include "slideshow/slideview.h"

namespace {

using mediarules::folder::kClipArtSlides;
using mediarules::folder::kZephanes;
using Mode = SlideState::Mode;

constexpr SlideControl kSlots[] = {SlideControl::Image1, SlideControl::Picture2, SlideControl::Picture3,
                                   SlideControl::Picture4};

} // namespace

int SlideFrames::folderPosition(const QString& path, const QString& tag)
{
    return int(path.indexOf(tag, 0, Qt::CaseSensitive)) + 1;
}

QString SlideFrames::nameAfterFolder(const QString& path, const QString& tag) const
{
    const int pos = m_s.slides.folderNamePos;
    return pos < 1 ? QString() : path.mid(pos - 1 + tag.size());
}

bool SlideFrames::load(int slot, const QString& mediaPath)
{
    if (mediaPath.isEmpty())
        return false;
    const std::optional<QString> real = m_s.files.resolve(mediaPath);
    return real && m_view.loadPicture(kSlots[slot], *real);
}

void SlideFrames::showSlideLabel()
{
    const QString path = m_s.index.photoFile(m_s.step.photoPosition);
    const int pos = m_s.slides.folderNamePos;
    const QString code = path.mid(std::max(pos - 1, 0) + kZephanes.size(), 2);
    m_view.setCaption(SlideControl::PanYear, slidelabels::photoLabel(code));
}

bool SlideFrames::showPhotoSlide()
{
    const PhotoIndex& index = m_s.index;
    const int pos = m_s.step.photoPosition;
    m_s.slides.folderNamePos = folderPosition(index.photoFile(1), kZephanes);
    if (pos < 1 || pos > index.photoCount() || !load(0, index.photoFile(pos)))
        return false;
    m_s.slides.shownPhoto = pos;
    showSlideLabel();
    m_view.setCaption(SlideControl::PhotoNumber, slidelabels::counterText(pos, index.photoCount()));
    return true;
}

bool SlideFrames::showClipArtSlide(std::optional<slidelabels::BrenmoreTest> stepRule)
{
    const PhotoIndex& index = m_s.index;
    const int pos = m_s.step.photoPosition;
    m_s.slides.folderNamePos = folderPosition(index.clipArtFile(1), kClipArtSlides);
    if (pos < 1 || pos > index.clipArtCount() || !load(0, index.clipArtFile(pos)))
        return false;
    const QString name = nameAfterFolder(index.clipArtFile(pos), kClipArtSlides);
    const QRect image = m_view.rect(SlideControl::Image1);
    const int left = (m_view.windowWidth() - image.width()) / 2;
    m_view.move(SlideControl::Image1, left, 1000);
    m_view.move(SlideControl::PanYear, left, 4200);
    m_view.setCaption(SlideControl::PanYear, stepRule ? slidelabels::clipArtStepLabel(name, *stepRule)
                                                      : slidelabels::clipArtTickLabel(name));
    return true;
}

void SlideFrames::loadEmblemSlide()
{
    const mediarules::EmblemSlide slide = mediarules::emblemSlide(m_s.slides.folderNamePos);
    m_view.setStretch(false);
    for (SlideControl c : kSlots)
        m_view.setVisible(c, false);
    for (SlideControl c : kSlots)
        m_view.clearPicture(c);

    const std::optional<mediarules::MediaPath>* files[] = {&slide.rear, &slide.side, &slide.nose,
                                                           &slide.script};
    for (int i = 0; i < 4; ++i) {
        if (!*files[i])
            continue;
        load(i, (*files[i])->in(m_s.roots)); // a missing file leaves the slot empty but shown
        if (i == 3)
            m_view.setCaption(SlideControl::PanYear, slide.label);
        m_view.setVisible(kSlots[i], true);
    }
    if (!slide.script)
        m_view.setCaption(SlideControl::PanYear, slide.label);

    emblemlayout::Sizes sizes{
        m_view.rect(SlideControl::Image1).size(), m_view.rect(SlideControl::Picture2).size(),
        m_view.rect(SlideControl::Picture3).size(), m_view.rect(SlideControl::Picture4).size(),
        m_view.rect(SlideControl::PanYear).height()};
    const emblemlayout::Placement p =
        emblemlayout::place({m_view.windowWidth(), m_view.rect(SlideControl::CoStar), false, 0}, sizes);
    m_view.move(SlideControl::PanYear, p.label.x(), p.label.y());
    m_view.move(SlideControl::Image1, p.rear.x(), p.rear.y());
    m_view.move(SlideControl::Picture3, p.nose.x(), p.nose.y());
    m_view.move(SlideControl::Picture4, p.script.x(), p.script.y());
    m_view.move(SlideControl::Picture2, p.side.x(), p.side.y());
}

bool SlideFrames::showEmblemSlideDirect(int number)
{
    const mediarules::EmblemSlide slide = mediarules::emblemSlide(number);
    const std::optional<mediarules::MediaPath>* files[] = {&slide.rear, &slide.side, &slide.nose,
                                                           &slide.script};
    // The rear emblem takes its own size, as on every emblem slide (the Insignias title left it stretched).
    m_view.setStretch(false);
    for (int i = 0; i < 4; ++i)
        m_view.setVisible(kSlots[i], bool(*files[i]));
    for (int i = 0; i < 4; ++i)
        if (*files[i] && !load(i, (*files[i])->in(m_s.roots)))
            return false;

    emblemlayout::Sizes sizes{
        m_view.rect(SlideControl::Image1).size(), m_view.rect(SlideControl::Picture2).size(),
        m_view.rect(SlideControl::Picture3).size(), m_view.rect(SlideControl::Picture4).size(),
        m_view.rect(SlideControl::PanYear).height()};
    const emblemlayout::Placement p =
        emblemlayout::place({m_view.windowWidth(), m_view.rect(SlideControl::CoStar), true,
                             m_view.rect(SlideControl::ControlBar).top()},
                            sizes);
    if (slide.rear)
        m_view.move(SlideControl::Image1, p.rear.x(), p.rear.y());
    m_view.move(SlideControl::Picture3, p.nose.x(), p.nose.y());
    m_view.move(SlideControl::Picture4, p.script.x(), p.script.y());
    if (slide.side)
        m_view.move(SlideControl::Picture2, p.side.x(), p.side.y());
    m_view.move(SlideControl::PanYear, p.label.x(), p.label.y());
    return true;
}

void SlideFrames::prepare(int position)
{
    const PhotoIndex& index = m_s.index;
    const bool photos = m_s.slides.mode == Mode::Photos;
    if (m_s.slides.mode == Mode::Emblems)
        return; // emblems are small and decode at once
    const int count = photos ? index.photoCount() : index.clipArtCount();
    if (count < 1)
        return;
    const int pos = position < 1 || position > count ? 1 : position;
    if (const auto real = m_s.files.resolve(photos ? index.photoFile(pos) : index.clipArtFile(pos)))
        m_view.prepare({*real});
}
