#include "viewers/ui/txtformhost.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QTextBrowser>

#include "output/doc/printrichtext.h"
#include "viewers/documentstate.h"
#include "viewers/ui/txtform.h"

TxtFormHost::TxtFormHost(DocumentState& state, IPrinter& printer, QWidget* parent)
    : m_state(state), m_printer(printer), m_parent(parent)
{
}

TxtFormHost::~TxtFormHost()
{
    delete m_form.data();
}

void TxtFormHost::load()
{
    if (m_form)
        return;
    m_form = new TxtForm(m_parent);  // centred on the screen as it loads
    m_form->setWindowTitle(m_state.documentCaption);  // taken once, here
    QObject::connect(m_form.data(), &TxtForm::printRequested, m_form.data(), [this] { print(); });
    QObject::connect(m_form.data(), &QDialog::finished, m_form.data(), [this] { closed(); });
}

bool TxtFormHost::loadDocument(const QString& realPath)
{
    load();
    return m_form->loadDocument(realPath);
}

void TxtFormHost::setCaption(const QString& caption)
{
    load();
    m_form->setWindowTitle(caption);
}

void TxtFormHost::hideSoundButtons()
{
    load();
    m_form->SSCommand2()->hide();
    m_form->SSCommand3()->hide();
}

int TxtFormHost::textBoxWidth() const
{
    return m_form ? m_form->rtbText()->width() : TxtForm::kTextBox.width();
}

int TxtFormHost::printButtonWidth() const
{
    return m_form ? m_form->cmdPrint()->width() : TxtForm::kPrintButton.width();
}

void TxtFormHost::setCloseButtonWidth(int pixels)
{
    load();
    QPushButton* b = m_form->SSCommand1();
    b->resize(std::max(0, pixels), b->height());
}

void TxtFormHost::showModal()
{
    load();
    m_form->setWindowModality(Qt::ApplicationModal);
    if (m_hooks.runModal)
        m_hooks.runModal(*m_form);
    else
        m_form->exec();
}

void TxtFormHost::showModeless()
{
    load();
    m_form->setWindowModality(Qt::NonModal);
    m_form->show();
    m_form->raise();
}

void TxtFormHost::unload()
{
    if (!m_form)
        return;
    TxtForm* form = m_form.data();
    m_form.clear();  // forgotten first, so its finished signal finds nothing to do
    form->reject();  // also ends a modal wait
    form->deleteLater();
}

void TxtFormHost::closed()
{
    if (!m_form)
        return;
    TxtForm* form = m_form.data();
    const bool byButton = form->closeReason() == TxtForm::CloseReason::CloseButton;
    m_form.clear();
    form->deleteLater();  // unloaded: the next opening starts from the design state
    if (byButton && m_hooks.afterCloseButton)
        m_hooks.afterCloseButton();
}

bool TxtFormHost::print()
{
    if (!m_form)
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = PrintRichText(m_printer, *m_form->rtbText()->document(), 1440, 1440, 1440, 1440);
    QGuiApplication::restoreOverrideCursor();
    return printed;
}
