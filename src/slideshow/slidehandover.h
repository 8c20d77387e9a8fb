#pragma once

#include <optional>

#include <QString>

class ISlideView;
struct Session;

// HandOverSlide: the control bar's Exit closes the slide show and leaves the main window on the entry and
// photo of the slide on display. The main window's part runs through session.hooks.slideHandOver.
class SlideHandOver {
public:
    SlideHandOver(Session& session, const ISlideView& view) : m_s(session), m_view(view) {}

    void HandOverSlide();
    // Whether the hand-over has refreshed the main window's pictures, so no refresh is left pending.
    bool refreshedMainWindow() const { return m_refreshed; }

private:
    // The photo on display into the main window, with its number, label and file name; false when it cannot.
    bool handPhotoOver();
    // The entry code of the label the main window ends with; nothing for model years.
    static std::optional<QString> codeOfEntry(const QString& entryText);
    void refreshEntryPictures();
    void focusYearButton();

    Session& m_s;
    const ISlideView& m_view;
    bool m_refreshed = false;
};
