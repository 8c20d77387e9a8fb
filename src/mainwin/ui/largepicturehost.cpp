#include "mainwin/ui/largepicturehost.h"

#include "catalog/mediafiles.h"
#include "mainwin/ui/largepicturewindow.h"
#include "shared/ui/mainframe.h"

LargePictureHost::LargePictureHost(IMainFrame& frame, const MediaFiles& files,
                                   std::function<QString()> entryLabel, QRect screenArea,
                                   std::function<void()> afterUnload)
    : m_frame(frame), m_files(files), m_entryLabel(std::move(entryLabel)), m_screenArea(screenArea),
      m_afterUnload(std::move(afterUnload))
{
}

LargePictureHost::~LargePictureHost()
{
    delete m_viewer.data();
}

LargePictureWindow& LargePictureHost::loaded()
{
    if (!m_viewer) {
        // The viewer fills the screen's available area, its frame included, so that its bottom scroll bar
        // and close button stay on the screen.
        m_viewer = new LargePictureWindow(m_entryLabel, m_screenArea);
        QObject::connect(m_viewer.data(), &LargePictureWindow::unloaded, m_viewer.data(), [this] {
            m_viewer.clear();
            if (m_afterUnload)
                m_afterUnload();
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
    loaded().finishShowing(m_frame.clientRect().size());
}
