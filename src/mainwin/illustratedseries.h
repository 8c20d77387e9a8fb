#pragma once

#include <QPoint>
#include <QString>

class ErrorReporter;
class IDocumentViewer;
class ILargePictureViewer;
class IMainView;
class MediaFiles;
struct DocumentState;
struct MediaRoots;

// The panel of the illustrated series on the main window, as its handlers need it.
class ISeriesPanelView {
public:
    virtual ~ISeriesPanelView() = default;
    virtual int panelWidth() const = 0;
    // cmdExit's right edge within the year strip, in pixels.
    virtual int exitButtonRight() const = 0;
    // Moves the panel, brings it in front, shows it and focuses its Close button.
    virtual void showPanelAt(QPoint topLeft) = 0;
    virtual void hidePanel() = 0;
};

// The illustrated series: the panel of 26 titles, each shown full screen in the large-picture viewer, and
// the series text in the document viewer.
class IllustratedSeries {
public:
    struct Context {
        ISeriesPanelView& panel;
        IMainView& view;
        DocumentState& documents;
        ErrorReporter& reporter;
        const MediaRoots& roots;
        const MediaFiles& files;
        ILargePictureViewer& pictures;
        IDocumentViewer& documentViewer;
    };

    static const QString kTextCaption;

    explicit IllustratedSeries(Context context);

    void open(int seriesPanelTop);    // mnuOstrand
    void titleClicked(int index);     // Label12(index)
    bool showIllustration(int index); // Command1(index); true when shown
    void readAbout();                 // SSCommand7
    void close();                     // SSCommand8

private:
    Context m;
};
