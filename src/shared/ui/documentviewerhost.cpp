#include "shared/ui/documentviewerhost.h"

#include <QPushButton>
#include <QTextBrowser>

#include "output/doc/printrichtext.h"
#include "shared/ui/documentwindow.h"
#include "utils/ui/busycursor.h"
#include "viewers/documentstate.h"

DocumentViewerHost::DocumentViewerHost(DocumentState& state, IPrinter& printer, QWidget* parent)
    : m_state(state), m_printer(printer), m_parent(parent)
{
}

DocumentViewerHost::~DocumentViewerHost()
{
    delete m_form.data();
}

void DocumentViewerHost::load()
{
    if (m_form)
        return;
    m_form = new DocumentWindow(m_parent);           // centred on the screen as it loads
    m_form->setWindowTitle(m_state.documentCaption); // taken once, here
    QObject::connect(m_form.data(), &DocumentWindow::printRequested, m_form.data(), [this] { print(); });
    QObject::connect(m_form.data(), &QDialog::finished, m_form.data(), [this] { closed(); });
}

bool DocumentViewerHost::loadDocument(const QString& realPath)
{
    load();
    return m_form->loadDocument(realPath);
}

void DocumentViewerHost::setCaption(const QString& caption)
{
    load();
    m_form->setWindowTitle(caption);
}

void DocumentViewerHost::hideSoundButtons()
{
    load();
    m_form->SSCommand2()->hide();
    m_form->SSCommand3()->hide();
}

int DocumentViewerHost::textBoxWidth() const
{
    return m_form ? m_form->rtbText()->width() : DocumentWindow::kTextBox.width();
}

int DocumentViewerHost::printButtonWidth() const
{
    return m_form ? m_form->cmdPrint()->width() : DocumentWindow::kPrintButton.width();
}

void DocumentViewerHost::setCloseButtonWidth(int pixels)
{
    load();
    QPushButton* b = m_form->SSCommand1();
    b->resize(std::max(0, pixels), b->height());
}

void DocumentViewerHost::showModal()
{
    load();
    m_form->setWindowModality(Qt::ApplicationModal);
    if (m_hooks.runModal)
        m_hooks.runModal(*m_form);
    else
        m_form->exec();
}

void DocumentViewerHost::showModeless()
{
    load();
    m_form->setWindowModality(Qt::NonModal);
    m_form->show();
    m_form->raise();
}

void DocumentViewerHost::unload()
{
    if (!m_form)
        return;
    DocumentWindow* form = m_form.data();
    m_form.clear(); // forgotten first, so its finished signal finds nothing to do
    form->reject(); // also ends a modal wait
    form->deleteLater();
}

void DocumentViewerHost::closed()
{
    if (!m_form)
        return;
    DocumentWindow* form = m_form.data();
    const bool byButton = form->closeReason() == DocumentWindow::CloseReason::CloseButton;
    m_form.clear();
    form->deleteLater(); // unloaded: the next opening starts from the design state
    if (byButton && m_hooks.afterCloseButton)
        m_hooks.afterCloseButton();
}

bool DocumentViewerHost::print()
{
    if (!m_form)
        return false;
    const BusyCursorGuard busy;
    return PrintRichText(m_printer, *m_form->rtbText()->document(), 1440, 1440, 1440, 1440);
}
