#include "slideshow/slidehandover.h"

#include "catalog/catalogue.h"
#include "catalog/errorcodes.h"
#include "catalog/mediarules.h"
#include "session/session.h"
#include "slideshow/slidelabels.h"
#include "slideshow/slideview.h"

namespace {

template <typename F, typename... A> void call(const F& hook, A&&... args)
{
    if (hook)
        hook(std::forward<A>(args)...);
}

bool isTwoDigitNumber(const QString& code)
{
    return code.size() == 2 && code[0].isDigit() && code[1].isDigit();
}

} // namespace

void SlideHandOver::refreshEntryPictures()
{
    call(m_s.hooks.refreshEntryPictures);
    m_refreshed = true;
    // The main window's refresh closes the slide show; closing twice is harmless, and the show must end even
    // where the refresh does not reach it.
    call(m_s.hooks.closeSlideShow);
}

bool SlideHandOver::handPhotoOver()
{
    // Clip art, emblems and the Photos title picture show no photo: the main window keeps its photo, its
    // label and the file name that goes with them.
    if (m_s.slides.mode != SlideState::Mode::Photos || m_s.slides.shownPhoto < 1)
        return true;
    const auto& main = m_s.hooks.slideHandOver;
    int& pos = m_s.step.photoPosition;
    // The photo on display, also in the interval after the last photo, when the cursor has gone round to 1.
    pos = m_s.slides.shownPhoto;
    const QString path = m_s.index.photoFile(pos);
    if (pos < 1 || pos > m_s.index.photoCount())
        return false;
    if (main.showPhoto && !main.showPhoto(path))
        return false;
    m_s.step.shownPhotoIndex = pos;
    m_s.step.currentPhotoPath = path;
    call(main.setPhotoNumber, m_s.index.photoNumber(pos));
    m_s.selection.entryText = m_view.caption(SlideControl::PanYear);
    call(main.showEntryLabel);
    const int at = std::max(m_s.slides.folderNamePos - 1, 0) + int(mediarules::folder::kZephanes.size());
    call(main.setFileName, path.mid(at));
    return true;
}

std::optional<QString> SlideHandOver::codeOfEntry(const QString& entryText)
{
    if (auto code = slidelabels::codeForLabel(entryText))
        return code;
    // The main window's own entry text, where it differs from the slide's label ("National Zephane Museum ").
    if (const catalogue::Collection* c = catalogue::findCollection(entryText))
        return c->code;
    return std::nullopt;
}

void SlideHandOver::focusYearButton()
{
    const QString code = m_s.selection.entryCode;
    if (!isTwoDigitNumber(code))
        return;
    const auto& main = m_s.hooks.slideHandOver;
    const int c = code.toInt();
    if (code == QLatin1String("00")) {
        call(main.focusYearButton, 1);
    } else if (code < QLatin1String("84")) {
        call(main.focusYearButton, c - 51);
        m_s.selection.currentYearIndex = c - 52;
    } else {
        call(main.focusYearButton, c - 52);
        m_s.selection.currentYearIndex = c - 53;
    }
}

void SlideHandOver::HandOverSlide()
{
    if (m_s.selection.refreshPending)
        m_s.selection.refreshPending = false;
    if (!m_s.selection.hasEntry()) {
        refreshEntryPictures();
        return;
    }
    int& pos = m_s.step.photoPosition;
    if (!m_view.barEnabled(BarButton::Pause))
        pos += 1; // paused: the cursor names the slide on display, as playing names the next one
    if (pos < 2)
        pos = 2;

    if (!handPhotoOver()) {
        m_s.reporter.report(errc::kSlideHandOver);
        call(m_s.hooks.closeSlideShow); // the hand-over always ends the show, also when it failed
        return;
    }
    refreshEntryPictures();
    const auto& main = m_s.hooks.slideHandOver;
    call(main.setStatsCaption, QStringLiteral("Statistics"));
    m_s.selection.currentYearIndex = 0;
    focusYearButton();
    if (const auto code = codeOfEntry(m_s.selection.entryText)) {
        m_s.selection.entryCode = *code;
        if (m_s.selection.entryText == QLatin1String("Pembry Cars "))
            call(main.setStatsCaption, QStringLiteral("Features"));
    }
    pos -= 1;
}
