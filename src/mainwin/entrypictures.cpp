#include "mainwin/entrypictures.h"

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"
#include "catalog/selectionstate.h"
#include "mainwin/entrypictureview.h"
#include "mainwin/mainview.h"
#include "platform/messages.h"

using namespace catalogue;

const QString EntryPictures::kCopyQuestion =
    QStringLiteral("Would you like to copy this image to the Windows Clipboard?");

EntryPictures::EntryPictures(Context context) : m(context) {}

void EntryPictures::focusNextYearButton()
{
    m.view.focusYearButton(nextYearButton(m.selection.currentYearIndex), false);
}

QPoint EntryPictures::placement(PicturePanel box) const
{
    const QRect photo = m.pictures.photoArea();
    const QSize size = m.pictures.pictureSize(box);
    const int onStrip = m.pictures.yearStripArea().top() - size.height() - 1;
    switch (box) {
    // The nose and side emblems are placed by the photo's width, as the year strip starts near the left edge.
    case PicEmblem:
        return {photo.width() - size.width() + 8, onStrip};
    case PicEmbSide:
        return {(photo.width() - size.width()) / 2, onStrip};
    case PicEmbRear:
        return {photo.left() + 1, onStrip};
    case PicScript:
        return {photo.left() + 1, photo.top() + 50};
    case PicClipArt:
        return {photo.width() - size.width() + 6, photo.top()};
    }
    return {};
}

void EntryPictures::loadEmblem(PicturePanel box, const QString& code, const QString& mediaPath,
                               OnFailure onFailure)
{
    if (onFailure == OnFailure::Hide)
        m.pictures.setPictureVisible(box, false);
    m.reporter.state().code = code;
    if (!m.pictures.loadPicture(box, mediaPath)) {
        m.reporter.report(code);
        return;
    }
    m.pictures.placePicture(box, placement(box));
    m.pictures.setPictureVisible(box, true);
}

void EntryPictures::LoadNoseEmblem()
{
    loadEmblem(PicEmblem, errc::kNoseEmblem,
               mediarules::noseEmblem(m.selection.entryText).in(m.roots.mediaRoot), OnFailure::Hide);
}

void EntryPictures::LoadSideEmblem()
{
    loadEmblem(PicEmbSide, errc::kSideEmblem,
               mediarules::sideEmblem(m.selection.entryText).in(m.roots.mediaRoot), OnFailure::Keep);
}

void EntryPictures::LoadRearEmblem()
{
    loadEmblem(PicEmbRear, errc::kRearEmblem,
               mediarules::rearEmblem(m.selection.entryText).in(m.roots.mediaRoot), OnFailure::Keep);
}

void EntryPictures::LoadScriptPicture()
{
    loadEmblem(PicScript, errc::kScript, mediarules::scriptBadge(m.selection.entryText).in(m.roots.mediaRoot),
               OnFailure::Hide);
}

void EntryPictures::LoadClipArt()
{
    const QString code = errc::kClipArtPanel;
    m.reporter.state().code = code;
    const QString path =
        mediarules::clipArtForLoader(m.selection.entryText, m.selection.entryCode).in(m.roots.mediaRoot);
    if (!m.pictures.loadPicture(PicClipArt, path))
        m.reporter.report(code);
}

void EntryPictures::reload(PicturePanel box)
{
    switch (box) {
    case PicEmblem:
        LoadNoseEmblem();
        break;
    case PicEmbSide:
        LoadSideEmblem();
        break;
    case PicEmbRear:
        LoadRearEmblem();
        break;
    case PicScript:
        LoadScriptPicture();
        break;
    case PicClipArt:
        LoadClipArt();
        break;
    }
}

void EntryPictures::toggle(PicturePanel box)
{
    if (!m.selection.hasEntry())
        return;
    if (m.pictures.pictureVisible(box))
        m.pictures.setPictureVisible(box, false);
    else
        reload(box);
    focusNextYearButton();
}

void EntryPictures::clipArtButton()
{
    if (m.pictures.pictureVisible(PicClipArt)) {
        m.pictures.setPictureVisible(PicClipArt, false);
        return;
    }
    if (!m.selection.hasEntry())
        return;
    focusNextYearButton();
    const QString code = errc::kClipArtButton;
    m.reporter.state().code = code;
    if (!m.pictures.loadPicture(PicClipArt,
                                mediarules::clipArtForButton(m.selection.entryText).in(m.roots.mediaRoot))) {
        m.reporter.report(code);
        return;
    }
    m.pictures.placePicture(PicClipArt, placement(PicClipArt));
    m.pictures.setPictureVisible(PicClipArt, true);
}

void EntryPictures::buttonClicked(ContentButton button)
{
    switch (button) {
    case Nose:
        toggle(PicEmblem);
        break;
    case Side:
        toggle(PicEmbSide);
        break;
    case Rear:
        toggle(PicEmbRear);
        break;
    case Script:
        toggle(PicScript);
        break;
    case ClipArt:
        clipArtButton();
        break;
    default:
        break;
    }
}

void EntryPictures::pictureClicked(PicturePanel box)
{
    m.pictures.setPictureVisible(box, false);
    focusNextYearButton();
}

void EntryPictures::pictureMouseDown(PicturePanel box, bool rightButton)
{
    m_mouseButtonText = rightButton ? QStringLiteral("2") : QStringLiteral(" ");
    if (rightButton)
        CopyPictureToClipboard(box);
}

void EntryPictures::CopyPictureToClipboard(PicturePanel box)
{
    if (m_mouseButtonText.trimmed() != QLatin1String("2"))
        return;
    // The clicked picture is copied, whichever control holds the keyboard focus.
    const MessageAnswer a =
        m.messages.ask({errors::kTitle, kCopyQuestion, MessageIcon::Question, MessageButtons::YesNo, false});
    if (a != MessageAnswer::Yes)
        return;
    m.pictures.copyPictureToClipboard(box);
}
