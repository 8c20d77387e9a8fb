#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <QMainWindow>

#include "mainwin/mainview.h"
#include "mainwin/ui/richtextseam.h"
#include "shared/doc/photocache.h"

class Commands;
class IMainWindowListener;
class MainMenu;
class MediaFiles;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextBrowser;
class QToolButton;

// The main window: year strip, content buttons, photo, entry panels, details box and the menu bar. Every
// control keeps its design name as object name. It decides nothing: every event goes to its listener
// (MainController), every menu item runs its command.
class MainWindow final : public QMainWindow, public IMainView {
    Q_OBJECT
public:
    static constexpr int kTwipsPerPixel = 15;

    MainWindow(const MediaFiles& files, const Commands& commands, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setListener(IMainWindowListener* listener) { m_listener = listener; }
    // Shows or hides the hourglass pointer; the window never touches the pointer itself.
    void setBusyHook(std::function<void(bool)> hook) { m_busyHook = std::move(hook); }
    void setRichTextLoader(RichTextLoader loader) { m_richText = std::move(loader); }
    // Picture panels are added by the window parts that show emblems, script and clip art.
    void registerPicturePanel(catalogue::PicturePanel panel, QWidget* widget) { m_pictures[panel] = widget; }

    // The load step: the magazine caption, the pointer, the "Reload Array" button, the year strip in front.
    void load(bool hwiSwitch);
    // Keeps the design layout (true) or adapts it to any other screen (false).
    void applyScreenLayout(bool screenIs800x600);
    void fillYearLists();
    int seriesPanelTop() const { return m_seriesPanelTop; }

    QPushButton* yearButton(int index) const;
    QPushButton* contentButton(catalogue::ContentButton b) const { return m_content[b]; }
    const MainMenu& menu() const { return *m_menu; }
    PhotoCache& photoCache() { return m_cache; }

    // Geometry offered to the panels laid over the window, as values in client coordinates.
    QWidget* client() const { return m_client; }
    QRect clientRect() const;
    QRect yearStripRect() const;
    // From the year strip's left edge to cmdExit's right edge, full client height.
    QRect yearStripSpan() const;
    // Image4's rectangle.
    QRect photoGeometry() const;
    // cmdDesc's rectangle in the client area.
    QRect descriptionButtonGeometry() const;

    // IMainView
    bool showPhoto(const QString& mediaPath) override;
    void hidePhoto() override;
    void setPhotoNumber(const QString& number) override;
    QString photoNumber() const override;
    void setPhotoFileName(const QString& name) override;
    void focusYearButton(int index, bool enableFirst) override;
    bool detailsVisible() const override;
    bool loadDetails(const QString& mediaPath) override;
    void setDetailsVisible(bool visible) override;
    void placeCaptionBox(bool topTen, const QString& photoNumber) override;
    void placeDetailsBesideAdButton(QSize size) override;
    void setEntryCaption(const QString& text) override;
    void setContentButtonEnabled(catalogue::ContentButton button, bool enabled) override;
    bool contentButtonEnabled(catalogue::ContentButton button) const override;
    void setContentButtonCaption(catalogue::ContentButton button, const QString& caption) override;
    void setYearButtonEnabled(int index, bool enabled) override;
    void showEntryControls() override;
    void setFileNamesMenuEnabled(bool enabled) override;
    void setPhotoVisible(bool visible) override;
    bool picturePanelVisible(catalogue::PicturePanel panel) const override;
    void setPicturePanelVisible(catalogue::PicturePanel panel, bool visible) override;
    void setMainWindowEnabled(bool enabled) override;
    void setBusy(bool busy) override;
    void preloadPhotos(const QStringList& mediaPaths) override;
    void setFileNamesMenuCaption(const QString& caption) override;
    void setFileNameVisible(bool visible) override;
    void raiseDetails() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool event(QEvent* event) override;
    // True when the activation went to no window of this program (another program took the focus).
    static bool focusLeftProgram();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void placeTwips(QWidget* w, int left, int top, int width, int height);
    void fitClientSize();
    // Keeps the window manager's frame on the screen: known only once the framed window is mapped.
    void keepFrameOnScreen();

    const MediaFiles& m_files;
    IMainWindowListener* m_listener = nullptr;
    std::function<void(bool)> m_busyHook;
    std::unique_ptr<MainMenu> m_menu;
    RichTextLoader m_richText = loadRichTextDetails;
    PhotoCache m_cache;
    QWidget* m_client = nullptr;
    QFrame* m_frame1 = nullptr;
    QLabel* m_image4 = nullptr;
    QLabel* m_panPhoto = nullptr;
    QLabel* m_panYear = nullptr;
    QWidget* m_spin = nullptr;
    QPushButton* m_exit = nullptr;
    QPushButton* m_reload = nullptr;
    QTextBrowser* m_details = nullptr;
    QLineEdit* m_txtFile = nullptr;
    std::array<QPushButton*, catalogue::kContentButtonCount> m_content{};
    std::vector<QPushButton*> m_years; // [0] is button 1
    std::array<QListWidget*, 2> m_lists{};
    std::map<catalogue::PicturePanel, QWidget*> m_pictures;
    int m_seriesPanelTop = 0;
    bool m_eatSpaceRelease = false;
    bool m_keepingFrame = false;
};
