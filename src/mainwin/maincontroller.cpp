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
        m.entry.preloadPhotos(around);
    });
}

void MainController::setButtons(std::initializer_list<ContentButton> buttons, bool enabled)
{
    for (ContentButton b : buttons)
        m.buttons.setContentButtonEnabled(b, enabled);
}

void MainController::resetAfterSelection()
{
    m.step.photoPosition = 0;
    m.photo.setPhotoNumber(QStringLiteral("1"));
    m.step.lastStepForward = false;
    m.step.lastStepBackward = false;
}

void MainController::selectEntry(const QString& text)
{
    m.selection.entryText = text;
    m.entry.setEntryCaption(text);
    ShowEntry();
    resetAfterSelection();
}

void MainController::ShowEntry()
{
    m.buttons.setContentButtonCaption(Desc, QStringLiteral("Description"));
    m.window.setFileNamesMenuEnabled(true);
    m.photo.setDetailsVisible(false);
    m.step.firstPhotoShown = true;
    m.selection.entryCode = provisionalCode(m.selection.entryText);
    RefreshEntryPictures();
    m.buttons.setContentButtonCaption(Stats, QStringLiteral("Statistics"));
    m.selection.entryCode = entryCode(m.selection.entryText);
    m.buttons.setContentButtonCaption(Stats, statsCaption(m.selection.entryText));
    m.stepper.ShowFirstPhoto();
}

void MainController::RefreshEntryPictures()
{
    m.selection.refreshPending = false;
    m.window.setMainWindowEnabled(true);
    m.buttons.setContentButtonEnabled(Desc, true);
    if (m.selection.hasEntry()) {
        SetEntryButtons();
        if (m.selection.entryText == kZr1) {
            m.buttons.setContentButtonEnabled(Nostalgia, false);
            m.selection.entryCode = QStringLiteral("AZ");
        } else {
            m.selection.entryCode = provisionalCode(m.selection.entryText);
        }
        static const PicturePanel order[] = {PicClipArt, PicScript, PicEmblem, PicEmbRear, PicEmbSide};
        if (!keepsPicturePanels(m.selection.entryText)) {
            for (PicturePanel p : order)
                m.entry.setPicturePanelVisible(p, false);
        } else {
            for (PicturePanel p : order)
                if (m.entry.picturePanelVisible(p) && m_hooks.reloadPicturePanel)
                    m_hooks.reloadPicturePanel(p);
        }
        for (int i = 1; i <= kYearButtonCount; ++i)
            m.entry.setYearButtonEnabled(i, true);
    }
    if (m_hooks.closeSecondaryWindows)
        m_hooks.closeSecondaryWindows();
}

void MainController::SetEntryButtons()
{
    m.entry.showEntryControls();
    for (int b = 0; b < kContentButtonCount; ++b)
        if (b != Desc)
            m.buttons.setContentButtonEnabled(ContentButton(b), true);
    const Availability a = baseAvailability(m.selection.entryText);
    for (int b = 0; b < kContentButtonCount; ++b)
        if (!a.enabled[b])
            m.buttons.setContentButtonEnabled(ContentButton(b), false);
    for (PicturePanel p : {PicClipArt, PicEmblem, PicEmbRear, PicEmbSide, PicScript})
        if (a.hiddenPictures & p)
            m.entry.setPicturePanelVisible(p, false);
}

void MainController::ShowCollectionEntry()
{
    m.window.setBusy(true);
    selectEntry(m.selection.entryText);
    m.window.setBusy(false);
    const QString& t = m.selection.entryText;
    if (t == QLatin1String("Franklin Mint Collector Knives ") || t == QLatin1String("Zephane Coin ") ||
        t == QLatin1String("Franklin Mint Collector Plates ") ||
        t == QLatin1String("Car Stuff Zephane Calendars "))
        m.buttons.setContentButtonEnabled(Stats, false);
    m.buttons.setContentButtonCaption(Stats, QStringLiteral("Details"));
    setButtons({Nostalgia, Options, Colors, ClipArt, Script, Nose, Rear, Side}, false);
    if (t == QLatin1String("Zephane Pinball Machine ")) {
        m.buttons.setContentButtonEnabled(Stats, false);
        m.buttons.setContentButtonEnabled(Ad, true);
    } else {
        m.buttons.setContentButtonEnabled(Ad, false);
    }
    m.photo.setDetailsVisible(false);
    m.selection.currentYearIndex = 0;
    m.photo.focusYearButton(1, true);
}

void MainController::selectYear(int index)
{
    m.selection.entryChosen = true;
    m.window.setBusy(true);
    m.photo.setDetailsVisible(false);
    selectEntry(yearForIndex(index));
    m.photo.focusYearButton(nextYearButton(index), false);
    m.window.setBusy(false);
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
    m.window.setBusy(true);
    m.selection.nextYearIndex = 1;
    m.photo.focusYearButton(2, true);
    selectEntry(kYear1953);
    m.entry.setYearButtonEnabled(1, false);
    m.photo.focusYearButton(2, false);
    m.window.setBusy(false);
    m.selection.currentYearIndex = 1;
}

void MainController::photoClicked(bool rightButton)
{
    if (rightButton) {
        // The folder may exist already; either way the list window opens.
        const QString folder = m.files.writablePath(m.roots.dataFolder() + photonames::kSaverFolder);
        if (!folder.isEmpty())
            QDir().mkpath(folder);
        if (m_hooks.showSaverList)
            m_hooks.showSaverList();
        return;
    }
    m.selection.entryChosen = true;
    m.window.setBusy(true);
    m.photo.setDetailsVisible(false);
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
            m.entry.setEntryCaption(successor->text);
            ShowCollectionEntry();
        } else {
            selectEntry(successor ? successor->text : kYear1953);
        }
    } else {
        m.selection.nextYearIndex = next;
        selectEntry(yearForIndex(next));
    }
    m.photo.focusYearButton(nextYearButton(next), false);
    m.window.setBusy(false);
    m.selection.currentYearIndex = next;
}

void MainController::specialtyMenu(int index)
{
    const Collection* c = collectionByMenu(CollectionMenu::Specialty, index);
    if (!c)
        return;
    m.window.setBusy(true);
    selectEntry(c->text);
    m.window.setBusy(false);
    m.selection.currentYearIndex = 0;
    m.photo.focusYearButton(1, true);
}

void MainController::zephStuffMenu(int index)
{
    if (const Collection* c = collectionByMenu(CollectionMenu::ZephStuff, index)) {
        m.selection.entryText = c->text;
        m.entry.setEntryCaption(c->text);
        ShowCollectionEntry();
    }
}

void MainController::artMenu(int index)
{
    if (const Collection* c = collectionByMenu(CollectionMenu::Art, index)) {
        m.selection.entryText = c->text;
        m.entry.setEntryCaption(c->text);
        ShowCollectionEntry();
    }
}

void MainController::menuEntry(const QString& text)
{
    m.photo.focusYearButton(nextYearButton(m.selection.currentYearIndex), false);
    m.photo.setDetailsVisible(false);
    m.window.setBusy(true);
    selectEntry(text);
}

void MainController::museumMenu(int index)
{
    const Collection* c = collectionByMenu(CollectionMenu::Museums, index);
    if (!c)
        return;
    m.reporter.state().code = errc::kMuseumMenu;
    menuEntry(c->text);
    m.buttons.setContentButtonCaption(Stats, QStringLiteral("Details"));
    m.window.setBusy(false);
    m.selection.currentYearIndex = 0;
    m.buttons.setContentButtonEnabled(Nostalgia, false);
    m.buttons.setContentButtonEnabled(Stats, true);
    setButtons({Options, Colors, ClipArt, Script, Nose, Rear, Side, Ad}, false);
}

void MainController::topTenMenu()
{
    m.reporter.state().code = errc::kTopTenMenu;
    menuEntry(QStringLiteral("Top Ten Zephane People "));
    m.window.setBusy(false);
    m.selection.currentYearIndex = 0;
    setButtons({Nostalgia, Stats, Colors, ClipArt, Script, Nose, Rear, Side, Ad}, false);
}

void MainController::miscellanyMenu()
{
    m.reporter.state().code = errc::kMiscellanyMenu;
    menuEntry(QStringLiteral("Miscellany "));
    m.window.setBusy(false);
    m.selection.currentYearIndex = 0;
    for (int b = 0; b < kContentButtonCount; ++b)
        m.buttons.setContentButtonEnabled(ContentButton(b), false);
}

void MainController::reloadArray()
{
    m.window.setBusy(true);
    LoadPhotoIndex(m.index, m.roots, m.files, m.reporter);
    m.window.setBusy(false);
}

void MainController::focusLost()
{
    if (!m.selection.refreshPending)
        return;
    if (m.selection.hasEntry())
        m.entry.setPhotoVisible(true);
    RefreshEntryPictures();
    // The refresh leaves the provisional code it gave the picture loaders; the entry on display keeps its
    // own, so that stepping through a collection's photos goes on after it.
    if (m.selection.hasEntry())
        m.selection.entryCode = entryCode(m.selection.entryText);
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
