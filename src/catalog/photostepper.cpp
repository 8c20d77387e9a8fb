#include "catalog/photostepper.h"

#include "catalog/catalogue.h"
#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
#include "catalog/photonames.h"
#include "catalog/photostepstate.h"
#include "catalog/photoview.h"
#include "catalog/selectionstate.h"

namespace {

const QString kTopTen = QStringLiteral("Top Ten Zephane People ");

} // namespace

void PhotoStepper::normaliseCode()
{
    if (m.selection.entryCode == QLatin1String("00"))
        m.selection.entryCode = QStringLiteral("A0");
}

bool PhotoStepper::noEntryYet()
{
    if (m.selection.hasEntry())
        return false;
    m.view.focusYearButton(1, true);
    return true;
}

void PhotoStepper::showFileName(int i, int nameStart)
{
    if (m.step.showFileNames)
        m.view.setPhotoFileName(m.index.displayNameOf(i, nameStart));
}

bool PhotoStepper::ShowFirstPhoto()
{
    normaliseCode();
    const int start = m.index.nameStart();
    const int count = m.index.photoCount();
    int found = 0;
    for (int p = 1; p <= count; ++p) {
        if (m.index.codeOf(p, start) == m.selection.entryCode) {
            found = p;
            break;
        }
    }
    m.step.photoPosition = found ? found : count + 1;
    bool shown = false;
    if (found) {
        m.step.currentPhotoPath = m.index.photoFile(found);
        showFileName(found, start);
        shown = m.view.showPhoto(m.step.currentPhotoPath);
    }
    if (!shown) {
        m.reporter.report(errc::kEntryPhoto);
        m.view.hidePhoto();
    }
    m.step.shownPhotoIndex = m.step.photoPosition;
    if (shown && m_shownHook)
        m_shownHook(found);
    RefreshSaverButtons();
    return shown;
}

void PhotoStepper::StepPhotoForward()
{
    if (noEntryYet())
        return;
    const PhotoStepState before = m.step;
    if (m.step.lastStepBackward) {
        m.step.lastStepBackward = false;
        ++m.step.photoPosition;
    }
    m.step.lastStepForward = true;
    normaliseCode();
    const int start = m.index.nameStart();
    const int count = m.index.photoCount();
    int found = 0;
    // A pass that starts at the beginning and meets no photo of the entry means the entry has none: leave
    // the display as it was instead of wrapping for ever.
    for (bool fromStart = m.step.photoPosition <= 0; !found; fromStart = true) {
        bool matched = false;
        for (int x = std::max(m.step.photoPosition, 0); x <= count; ++x) {
            if (m.index.codeOf(x + 1, start) != m.selection.entryCode)
                continue;
            matched = true;
            if (m.step.firstPhotoShown) {
                m.step.firstPhotoShown = false;
                continue;
            }
            found = x + 1;
            break;
        }
        if (found)
            break;
        if (fromStart && !matched) {
            m.step = before;
            return;
        }
        m.step.photoPosition = 0;
    }
    m.step.photoPosition = found;
    const QString path = m.index.photoFile(found);
    if (!m.view.showPhoto(path)) {
        // The cursor stays on the failing photo, so the next step moves past it.
        m.reporter.report(errc::kStepPhotoForward, ErrorReporter::Context::WhileHandlingFailure);
        return;
    }
    m.view.setPhotoNumber(m.index.photoNumber(found));
    showFileName(found, start);
    m.step.currentPhotoPath = path;
    m.step.shownPhotoIndex = found;
    moveFocusAfterStep(0);
    if (m_shownHook)
        m_shownHook(found);
    RefreshSaverButtons();
}

void PhotoStepper::StepPhotoBack()
{
    if (noEntryYet())
        return;
    const PhotoStepState before = m.step;
    m.step.firstPhotoShown = false;
    if (m.step.lastStepForward)
        --m.step.photoPosition;
    m.step.lastStepBackward = true;
    const int count = m.index.photoCount();
    if (m.step.photoPosition < 1 || m.step.photoPosition > count)
        m.step.photoPosition =
            count; // (a cursor beyond the index, left by a rebuilt index, starts at the end)
    normaliseCode();
    const int start = m.index.nameStart();
    int found = 0;
    for (bool fromEnd = m.step.photoPosition == count;; fromEnd = true) {
        for (int x = m.step.photoPosition; x >= 1; --x) {
            if (m.index.codeOf(x, start) == m.selection.entryCode) {
                found = x;
                break;
            }
        }
        if (found)
            break;
        if (fromEnd) {
            m.step = before;
            return;
        }
        m.step.photoPosition = count;
    }
    const QString path = m.index.photoFile(found);
    if (!m.view.showPhoto(path)) {
        // The cursor now stands as after a back step, so the next back step must not correct it again.
        m.step.photoPosition = found - 1; // the next step moves past the failing photo
        m.step.lastStepForward = false;
        m.reporter.report(errc::kStepPhotoBack, ErrorReporter::Context::WhileHandlingFailure);
        return;
    }
    m.view.setPhotoNumber(m.index.photoNumber(found));
    showFileName(found, start);
    m.step.currentPhotoPath = path;
    m.step.photoPosition = found - 1;
    m.step.shownPhotoIndex = found;
    moveFocusAfterStep(1);
    m.step.lastStepForward = false;
    if (m_shownHook)
        m_shownHook(found);
    RefreshSaverButtons();
}

void PhotoStepper::moveFocusAfterStep(int textOffset)
{
    const QString& code = m.selection.entryCode;
    if (!code.isEmpty() && code[0] > QLatin1Char('9')) {
        m.view.focusYearButton(1, true);
        if (m.view.detailsVisible())
            LoadPhotoText(textOffset);
    } else {
        m.view.focusYearButton(catalogue::nextButtonForCode(code), false);
    }
}

QString PhotoStepper::captionTextPath(const QString& photoPath) const
{
    const qsizetype tag = photoPath.indexOf(photonames::kPhotoTag);
    if (tag < 0)
        return {};
    const qsizetype from = tag + photonames::kPhotoTag.size();
    const qsizetype dot = photoPath.indexOf(QLatin1Char('.'), from);
    const QString name = photoPath.mid(from, dot < 0 ? -1 : dot - from);
    return m.roots.mediaRoot + photonames::kRichTextFolder + name + QStringLiteral(".rtf");
}

void PhotoStepper::LoadPhotoText(int offset)
{
    const QString text = captionTextPath(m.index.photoFile(m.step.photoPosition + offset));
    if (text.isEmpty() || !m.view.loadDetails(text)) {
        m.reporter.report(errc::kDescription);
        return;
    }
    const bool topTen = m.selection.entryText == kTopTen;
    m.view.placeCaptionBox(topTen, m.view.photoNumber());
    if (!topTen)
        return;
    m.view.loadDetails(text);
    m.view.setDetailsVisible(true);
}

void PhotoStepper::RefreshSaverButtons()
{
    if (!m_saverHook)
        return;
    QString name = photonames::kSaverEmblem;
    if (m.selection.hasEntry())
        name = m.step.currentPhotoPath.mid(m.step.currentPhotoPath.lastIndexOf(QLatin1Char('\\')) + 1);
    const bool inList =
        !name.isEmpty() && m.files.exists(m.roots.dataFolder() + photonames::kSaverFolder + name);
    m_saverHook(inList);
}

int PhotoStepper::neighbour(int i, int direction) const
{
    const int start = m.index.nameStart();
    const QString code = m.index.codeOf(i, start);
    if (code.isEmpty())
        return 0;
    const int next = i + (direction >= 0 ? 1 : -1);
    if (m.index.codeOf(next, start) == code)
        return next;
    // Wrap to the other end of the entry's run of photos.
    int j = i;
    if (direction >= 0)
        while (m.index.codeOf(j - 1, start) == code)
            --j;
    else
        while (m.index.codeOf(j + 1, start) == code)
            ++j;
    return j == i ? 0 : j;
}
