#include "mainwin/maincontroller.h"

#include <QDir>

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediafiles.h"
#include "catalog/mediaroots.h"
#include "catalog/photoindex.h"
#include "catalog/photonames.h"
#include "catalog/photostepper.h"
#include "catalog/photostepstate.h"
#include "catalog/selectionstate.h"
#include "mainwin/mainview.h"
#include "platform/mediadevice.h"
#include "platform/messages.h"
#include "platform/processes.h"

using namespace catalogue;

namespace {
const QString kYear1953 = QStringLiteral("1953");
const QString kZr1 = QStringLiteral("1990-1995 ZR-1 ");
} // namespace

MainController::MainController(Context context) : m(context)
{
    m.stepper.setPhotoShownHook([this](int shown) {
        const QString next = m.index.photoFile(m.stepper.neighbour(shown, +1));
        const QString previous = m.index.photoFile(m.stepper.neighbour(shown, -1));
        QStringList around;
        for (const QString& p : {next, previous})
            if (!p.isEmpty() && !around.contains(p))
                around << p;
        m.view.preloadPhotos(around);
    });
}

void MainController::setButtons(std::initializer_list<ContentButton> buttons, bool enabled)
{
    for (ContentButton b : buttons)
        m.view.setContentButtonEnabled(b, enabled);
}

void MainController::resetAfterSelection()
{
    m.step.photoPosition = 0;
    m.view.setPhotoNumber(QStringLiteral("1"));
    m.step.lastStepForward = false;
    m.step.lastStepBackward = false;
}

void MainController::selectEntry(const QString& text)
{
    m.selection.entryText = text;
    m.view.setEntryCaption(text);
    ShowEntry();
    resetAfterSelection();
}

void MainController::ShowEntry()
{
    m.view.setContentButtonCaption(Desc, QStringLiteral("Description"));
    m.view.setFileNamesMenuEnabled(true);
    m.view.setDetailsVisible(false);
    m.step.firstPhotoShown = true;
    m.selection.entryCode = provisionalCode(m.selection.entryText);
    RefreshEntryPictures();
    m.view.setContentButtonCaption(Stats, QStringLiteral("Statistics"));
    m.selection.entryCode = entryCode(m.selection.entryText);
    m.view.setContentButtonCaption(Stats, statsCaption(m.selection.entryText));
    m.stepper.ShowFirstPhoto();
}

void MainController::RefreshEntryPictures()
{
    m.selection.refreshPending = false;
    m.view.setMainWindowEnabled(true);
    m.view.setContentButtonEnabled(Desc, true);
    if (m.selection.hasEntry()) {
        SetEntryButtons();
        if (m.selection.entryText == kZr1) {
            m.view.setContentButtonEnabled(Nostalgia, false);
            m.selection.entryCode = QStringLiteral("AZ");
        } else {
            m.selection.entryCode = provisionalCode(m.selection.entryText);
        }
        static const PicturePanel order[] = {PicClipArt, PicScript, PicEmblem, PicEmbRear, PicEmbSide};
        if (!keepsPicturePanels(m.selection.entryText)) {
            for (PicturePanel p : order)
                m.view.setPicturePanelVisible(p, false);
        } else {
            for (PicturePanel p : order)
                if (m.view.picturePanelVisible(p) && m_hooks.reloadPicturePanel)
                    m_hooks.reloadPicturePanel(p);
        }
        for (int i = 1; i <= kYearButtonCount; ++i)
            m.view.setYearButtonEnabled(i, true);
    }
    if (m_hooks.closeSecondaryWindows)
        m_hooks.closeSecondaryWindows();
}

void MainController::SetEntryButtons()
{
    m.view.showEntryControls();
    for (int b = 0; b < kContentButtonCount; ++b)
        if (b != Desc)
            m.view.setContentButtonEnabled(ContentButton(b), true);
    const Availability a = baseAvailability(m.selection.entryText);
    for (int b = 0; b < kContentButtonCount; ++b)
        if (!a.enabled[b])
            m.view.setContentButtonEnabled(ContentButton(b), false);
    for (PicturePanel p : {PicClipArt, PicEmblem, PicEmbRear, PicEmbSide, PicScript})
        if (a.hiddenPictures & p)
            m.view.setPicturePanelVisible(p, false);
}

void MainController::ShowCollectionEntry()
{
    m.view.setBusy(true);
    selectEntry(m.selection.entryText);
    m.view.setBusy(false);
    const QString& t = m.selection.entryText;
    if (t == QLatin1String("Franklin Mint Collector Knives ") || t == QLatin1String("Zephane Coin ") ||
        t == QLatin1String("Franklin Mint Collector Plates ") ||
        t == QLatin1String("Car Stuff Zephane Calendars "))
        m.view.setContentButtonEnabled(Stats, false);
    m.view.setContentButtonCaption(Stats, QStringLiteral("Details"));
    setButtons({Nostalgia, Options, Colors, ClipArt, Script, Nose, Rear, Side}, false);
    if (t == QLatin1String("Zephane Pinball Machine ")) {
        m.view.setContentButtonEnabled(Stats, false);
        m.view.setContentButtonEnabled(Ad, true);
    } else {
        m.view.setContentButtonEnabled(Ad, false);
    }
    m.view.setDetailsVisible(false);
    m.selection.currentYearIndex = 0;
    m.view.focusYearButton(1, true);
}

void MainController::selectYear(int index)
{
    m.selection.entryChosen = true;
    m.view.setBusy(true);
    m.view.setDetailsVisible(false);
    selectEntry(yearForIndex(index));
    m.view.focusYearButton(nextYearButton(index), false);
    m.view.setBusy(false);
    m.selection.currentYearIndex = index;
}

void MainController::yearButtonClicked(int index)
{
    if (index >= 1 && index <= kYearButtonCount)
        selectYear(index);
}

bool MainController::yearButtonKey(int index, YearKey key)
{
    switch (key) {
    case YearKey::Space:
        if (m.selection.entryChosen)
            return false;
        yearButtonClicked(index);
        return true;
    case YearKey::Comma:
        StepPhotoBack();
        return true;
    case YearKey::Period:
        StepPhotoForward();
        return true;
    }
    return false;
}

void MainController::contentButtonClicked(ContentButton button)
{
    if (m_hooks.contentButtonClicked)
        m_hooks.contentButtonClicked(button);
}

void MainController::detailsClicked()
{
    if (m_hooks.detailsClicked)
        m_hooks.detailsClicked();
}

void MainController::fileNameClicked()
{
    if (m_hooks.fileNameClicked)
        m_hooks.fileNameClicked();
}

void MainController::StepPhotoForward()
{
    m.stepper.StepPhotoForward();
}
void MainController::StepPhotoBack()
{
    m.stepper.StepPhotoBack();
}

void MainController::backgroundClicked()
{
    if (!m.selection.firstClickPending)
        return;
    m.selection.firstClickPending = false;
    m.view.setBusy(true);
    m.selection.nextYearIndex = 1;
    m.view.focusYearButton(2, true);
    selectEntry(kYear1953);
    m.view.setYearButtonEnabled(1, false);
    m.view.focusYearButton(2, false);
    m.view.setBusy(false);
    m.selection.currentYearIndex = 1;
}

void MainController::photoClicked(bool rightButton)
{
    if (rightButton) {
        // The folder may exist already; either way the list window opens.
        const QString folder = m.files.writablePath(m.roots.programFolder + photonames::kSaverFolder);
        if (!folder.isEmpty())
            QDir().mkpath(folder);
        if (m_hooks.showSaverList)
            m_hooks.showSaverList();
        return;
    }
    m.selection.entryChosen = true;
    m.view.setBusy(true);
    m.view.setDetailsVisible(false);
    int next = m.selection.currentYearIndex == kYearButtonCount ? 1 : m.selection.currentYearIndex + 1;
    const QString& entry = m.selection.entryText;
    const Collection* current = findCollection(entry);
    const Collection* successor = nullptr;
    bool inSequence = false;
    if (entry == QLatin1String("2000")) {
        successor = collectionByClickOrder(1);
        inSequence = true;
    } else if (current && current->clickOrder > 0) {
        successor = current->clickOrder >= 32 ? nullptr : collectionByClickOrder(current->clickOrder + 1);
        inSequence = true;
    }
    if (inSequence) {
        next = successor ? kYearButtonCount : 1;
        m.selection.nextYearIndex = next;
        if (successor && successor->clickOrder >= 12) {
            m.selection.entryText = successor->text;
            m.view.setEntryCaption(successor->text);
            ShowCollectionEntry();
        } else {
            selectEntry(successor ? successor->text : kYear1953);
        }
    } else {
        m.selection.nextYearIndex = next;
        selectEntry(yearForIndex(next));
    }
    m.view.focusYearButton(nextYearButton(next), false);
    m.view.setBusy(false);
    m.selection.currentYearIndex = next;
}

void MainController::specialtyMenu(int index)
{
    const Collection* c = collectionByMenu(CollectionMenu::Specialty, index);
    if (!c)
        return;
    m.view.setBusy(true);
    selectEntry(c->text);
    m.view.setBusy(false);
    m.selection.currentYearIndex = 0;
    m.view.focusYearButton(1, true);
}

void MainController::zephStuffMenu(int index)
{
    if (const Collection* c = collectionByMenu(CollectionMenu::ZephStuff, index)) {
        m.selection.entryText = c->text;
        m.view.setEntryCaption(c->text);
        ShowCollectionEntry();
    }
}

void MainController::artMenu(int index)
{
    if (const Collection* c = collectionByMenu(CollectionMenu::Art, index)) {
        m.selection.entryText = c->text;
        m.view.setEntryCaption(c->text);
        ShowCollectionEntry();
    }
}

void MainController::menuEntry(const QString& text)
{
    m.view.focusYearButton(nextYearButton(m.selection.currentYearIndex), false);
    m.view.setDetailsVisible(false);
    m.view.setBusy(true);
    selectEntry(text);
}

void MainController::museumMenu(int index)
{
    const Collection* c = collectionByMenu(CollectionMenu::Museums, index);
    if (!c)
        return;
    m.reporter.state().code = errc::kMuseumMenu;
    menuEntry(c->text);
    m.view.setContentButtonCaption(Stats, QStringLiteral("Details"));
    m.view.setBusy(false);
    m.selection.currentYearIndex = 0;
    m.view.setContentButtonEnabled(Nostalgia, false);
    m.view.setContentButtonEnabled(Stats, true);
    setButtons({Options, Colors, ClipArt, Script, Nose, Rear, Side, Ad}, false);
}

void MainController::topTenMenu()
{
    m.reporter.state().code = errc::kTopTenMenu;
    menuEntry(QStringLiteral("Top Ten Zephane People "));
    m.view.setBusy(false);
    m.selection.currentYearIndex = 0;
    setButtons({Nostalgia, Stats, Colors, ClipArt, Script, Nose, Rear, Side, Ad}, false);
}

void MainController::miscellanyMenu()
{
    m.reporter.state().code = errc::kMiscellanyMenu;
    menuEntry(QStringLiteral("Miscellany "));
    m.view.setBusy(false);
    m.selection.currentYearIndex = 0;
    for (int b = 0; b < kContentButtonCount; ++b)
        m.view.setContentButtonEnabled(ContentButton(b), false);
}

void MainController::showEntryPhoto(const QString& entryText, int photoIndex)
{
    if (const int year = indexForYear(entryText)) {
        selectYear(year);
    } else if (const Collection* c = findCollection(entryText)) {
        switch (c->menu) {
        case CollectionMenu::Specialty:
            specialtyMenu(c->menuIndex);
            break;
        case CollectionMenu::Art:
            artMenu(c->menuIndex);
            break;
        case CollectionMenu::ZephStuff:
            zephStuffMenu(c->menuIndex);
            break;
        case CollectionMenu::Museums:
            museumMenu(c->menuIndex);
            break;
        case CollectionMenu::TopTen:
            topTenMenu();
            break;
        case CollectionMenu::Miscellany:
            miscellanyMenu();
            break;
        case CollectionMenu::None:
            m.view.setBusy(true);
            selectEntry(c->text);
            m.view.setBusy(false);
            m.selection.currentYearIndex = 0;
            break;
        }
    } else {
        return;
    }
    if (photoIndex <= 0 || photoIndex == m.step.shownPhotoIndex)
        return;
    const QString path = m.index.photoFile(photoIndex);
    if (path.isEmpty() || !m.view.showPhoto(path)) {
        m.reporter.report(errc::kSlideHandOver);
        return;
    }
    m.step.photoPosition = photoIndex;
    m.step.shownPhotoIndex = photoIndex;
    m.step.currentPhotoPath = path;
    m.step.firstPhotoShown = false;
    m.view.setPhotoNumber(m.index.photoNumber(photoIndex));
}

void MainController::reloadArray()
{
    m.view.setBusy(true);
    LoadPhotoIndex(m.index, m.roots, m.files, m.reporter);
    m.view.setBusy(false);
}

void MainController::focusLost()
{
    if (!m.selection.refreshPending)
        return;
    if (m.selection.hasEntry())
        m.view.setPhotoVisible(true);
    RefreshEntryPictures();
}

bool MainController::confirmExit()
{
    const MessageAnswer a = m.messages.ask({errors::kTitle, QStringLiteral("Exit The Zephane Folarium?"),
                                            MessageIcon::Question, MessageButtons::OkCancel, false});
    if (a != MessageAnswer::Ok)
        return false;
    m.media.command(QStringLiteral("close"));
    m.processes.endProgramNow(0);
    return true;
}
