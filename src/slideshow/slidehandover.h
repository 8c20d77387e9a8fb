#pragma once

class ISlideView;
struct Session;

// HandOverSlide: the control bar's Exit closes the slide show and leaves the main window on the entry and
// photo of the slide on display. The main window's part runs through session.hooks.slideHandOver.
class SlideHandOver {
public:
    SlideHandOver(Session& session, const ISlideView& view) : m_s(session), m_view(view) {}

    void HandOverSlide();

private:
    // Step 5 and 6; false when the photo cannot be handed over.
    bool handPhotoOver();
    void refreshEntryPictures();
    void focusYearButton();

    Session& m_s;
    const ISlideView& m_view;
};
