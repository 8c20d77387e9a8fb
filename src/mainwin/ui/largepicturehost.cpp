#include "mainwin/ui/largepicturehost.h"

#include <QMainWindow>

#include "catalog/mediafiles.h"
#include "mainwin/ui/largepicturewindow.h"

LargePictureHost::LargePictureHost(QWidget& mainWindow, const MediaFiles& files,
                                   std::function<QString()> entryLabel, QSize screen)
    : m_mainWindow(mainWindow), m_files(files), m_entryLabel(std::move(entryLabel)), m_screen(screen)
{
}

LargePictureHost::~LargePictureHost()
{
    delete m_viewer.data();
}

LargePictureWindow& LargePictureHost::loaded()
{
    if (!m_viewer) {
        // The viewer is as tall as the screen: placed at the main window's top it would push its horizontal
        // scroll bar and close button below the screen's edge, so it starts at the screen's top.
        m_viewer = new LargePictureWindow(m_entryLabel, m_screen, 0);
        QObject::connect(m_viewer.data(), &LargePictureWindow::unloaded, &m_mainWindow, [this] {
            m_viewer.clear();
            m_mainWindow.show();
        });
    }
    return *m_viewer;
}

void LargePictureHost::unload()
{
    if (m_viewer)
        m_viewer->close(); // deletes itself and shows the main window
}

void LargePictureHost::prepare()
{
    loaded().prepare();
}

void LargePictureHost::setCaption(const QString& caption)
{
    loaded().setCaption(caption);
}

bool LargePictureHost::loadPicture(const QString& mediaPath)
{
    const std::optional<QString> real = m_files.resolve(mediaPath);
    return real && loaded().loadPicture(*real);
}

void LargePictureHost::finishShowing()
{
    // The first layout pass uses the main window's client size; the viewer lays itself out again when shown.
    const auto* main = qobject_cast<QMainWindow*>(&m_mainWindow);
    const QSize client = main && main->centralWidget() ? main->centralWidget()->size() : m_mainWindow.size();
    loaded().finishShowing(client);
}
