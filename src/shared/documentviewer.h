#pragma once

#include <QString>

// What an opener may ask of the document viewer window. Touching it loads the window when it is not loaded;
// loading centres it and takes DocumentState::documentCaption as its caption.
class IDocumentViewer {
public:
    virtual ~IDocumentViewer() = default;

    virtual void load() = 0;
    virtual bool isLoaded() const = 0;
    // Loads the window if needed, then the document from a real file path. False when it cannot be read.
    virtual bool loadDocument(const QString& realPath) = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void hideSoundButtons() = 0;
    virtual int textBoxWidth() const = 0;
    virtual int printButtonWidth() const = 0;
    virtual void setCloseButtonWidth(int pixels) = 0;
    // Shows the window and waits until it is closed.
    virtual void showModal() = 0;
    // Shows the window and returns at once.
    virtual void showModeless() = 0;
    // Closes and forgets the window, without the close button's focus step.
    virtual void unload() = 0;
};
