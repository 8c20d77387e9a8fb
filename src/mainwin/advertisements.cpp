#include "mainwin/advertisements.h"

#include "catalog/errorcodes.h"
#include "catalog/errorreporter.h"
#include "catalog/mediaroots.h"
#include "catalog/mediarules.h"
#include "catalog/selectionstate.h"
#include "mainwin/largepictureviewer.h"
#include "mainwin/mainview.h"
#include "platform/messages.h"
#include "viewers/documentstate.h"

const QString Advertisements::kCaptionPrefix = QStringLiteral("The Zephane Folarium    ");
const QString Advertisements::kNotAdvertised =
    QStringLiteral("Sorry!\r\n\r\nDunmarro did not advertise the Zephane this year.\r\n");

Advertisements::Advertisements(Context context, CloseSaverList closeSaverList)
    : m(context), m_closeSaverList(std::move(closeSaverList))
{
}

QString Advertisements::caption(const QString& entryText)
{
    return kCaptionPrefix + entryText + QStringLiteral(" Advertisement");
}

bool Advertisements::adClicked()
{
    m.viewer.unload();
    if (m_closeSaverList)
        m_closeSaverList();
    m.view.setBusy(true);
    const QString& label = m.selection.entryText;
    if (mediarules::isUnadvertisedYear(label)) {
        m.reporter.state().text = kNotAdvertised;
        m.messages.ask({errors::kTitle, kNotAdvertised, MessageIcon::Warning, MessageButtons::Ok, false});
        m.view.setMainWindowEnabled(true);
        m.view.setBusy(false);
        return false;
    }
    const std::optional<mediarules::MediaPath> file = mediarules::advertisement(label);
    m.documents.foundFile = file ? file->in(m.roots.mediaRoot) : QString();
    return showLargePictureOrReport(m.viewer, m.view, caption(label), m.documents.foundFile, m.reporter,
                                    errc::kAdvertisement);
}
