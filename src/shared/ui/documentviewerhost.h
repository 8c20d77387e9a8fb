#pragma once

#include <functional>

#include <QPointer>

#include "shared/documentviewer.h"

class IPrinter;
class QDialog;
class QWidget;
class DocumentWindow;
struct DocumentState;

// The one document viewer of the program: loads txtForm on first use (centred, captioned from
// DocumentState), unloads it when it is closed, and prints its document. Openers reach it through
// IDocumentViewer.
class DocumentViewerHost final : public IDocumentViewer {
public:
    struct Hooks {
        // after the close button (not the close box): enable the main window, focus the next year button
        std::function<void()> afterCloseButton;
        // how a modal show waits; tests replace it with a plain show
        std::function<void(QDialog&)> runModal;
    };

    DocumentViewerHost(DocumentState& state, IPrinter& printer, QWidget* parent = nullptr);
    ~DocumentViewerHost() override;

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }

    void load() override;
    bool isLoaded() const override { return !m_form.isNull(); }
    bool loadDocument(const QString& realPath) override;
    void setCaption(const QString& caption) override;
    void hideSoundButtons() override;
    int textBoxWidth() const override;
    int printButtonWidth() const override;
    void setCloseButtonWidth(int pixels) override;
    void showModal() override;
    void showModeless() override;
    void unload() override;

    // The loaded window, or null.
    DocumentWindow* form() const { return m_form.data(); }

    // Prints the shown document with one-inch margins, as the print button does.
    bool print();

private:
    void closed();

    DocumentState& m_state;
    IPrinter& m_printer;
    QWidget* m_parent;
    QPointer<DocumentWindow> m_form;
    Hooks m_hooks;
};
