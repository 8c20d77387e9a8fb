#pragma once

#include <optional>

#include <QString>

#include "slideshow/slidelabels.h"

class ISlideView;
struct Session;

// Puts one slide of a list into the window: a photo, a clip-art picture or an emblem slide, with its label
// and counter. Each call reports whether the picture could be loaded; the caller decides what a failure
// means.
class SlideFrames {
public:
    SlideFrames(Session& session, ISlideView& view) : m_s(session), m_view(view) {}

    // Shows PhotoFiles(PhotoPosition) with its label and counter caption.
    bool showPhotoSlide();
    // Shows ClipArtFiles(PhotoPosition), centred, labelled by the tick's rule or a step's rule.
    bool showClipArtSlide(std::optional<slidelabels::BrenmoreTest> stepRule);
    // ShowSlideLabel: panYear names the entry of PhotoFiles(PhotoPosition).
    void showSlideLabel();
    // LoadEmblemSlide for the slide number held in FolderNamePos. Never fails: a missing picture leaves
    // its slot empty.
    void loadEmblemSlide();
    // Beginning and Middle build an emblem slide themselves, the script above the control bar; the first
    // picture that cannot be loaded ends it.
    bool showEmblemSlideDirect(int number);

    // Loads a media path into a picture slot; false when the file is missing or no picture.
    bool load(int slot, const QString& mediaPath);
    // Asks the window to decode the slide at a position of the current list ahead (1 past the end).
    void prepare(int position);

    // 1-based position of a folder tag in a path, 0 when absent.
    static int folderPosition(const QString& path, const QString& tag);

private:
    QString nameAfterFolder(const QString& path, const QString& tag) const;

    Session& m_s;
    ISlideView& m_view;
};
