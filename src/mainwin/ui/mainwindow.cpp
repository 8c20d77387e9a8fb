#include "mainwin/ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QToolButton>

#include "catalog/catalogue.h"
#include "catalog/mediafiles.h"
#include "catalog/mediarules.h"
#include "mainwin/captionbox.h"
#include "mainwin/captions.h"
#include "mainwin/mainwindowlistener.h"
#include "mainwin/ui/mainmenu.h"
#include "mainwin/yearkeys.h"

using namespace catalogue;

namespace {

// Control arrays: the object name carries the index ("cmdYR_31", "mnuMag_1"); the property keeps it handy.
const char* const kIndexProperty = "index";

QString arrayName(const QString& name, int index)
{
    return index < 0 ? name : name + QLatin1Char('_') + QString::number(index);
}

// Design positions in twips: left, top, width, height.
struct Place {
    ContentButton button;
    const char* name;
    const char* caption;
    int left, top, width, height;
    int widthChange, leftChange; // pixels, for screens other than 800 x 600
};
const Place kContentPlaces[] = {
    {Desc, "cmdDesc", "Description", 120, 0, 1215, 270, -7, -4},
    {Options, "cmdOptions", "Options", 1320, 0, 975, 270, -12, -15},
    {Stats, "cmdStats", "Statistics", 2280, 0, 1095, 270, -12, -29},
    {Colors, "cmdColors", "Colors", 3360, 0, 855, 270, -14, -43},
    {Script, "cmdScript", "Script", 4200, 0, 855, 270, -14, -57},
    {Rear, "cmdEmbRear", "Rear Emblem", 5040, 0, 1455, 270, -12, -71},
    {Side, "cmdEmbSide", "Side Emblem", 6480, 0, 1335, 270, -12, -85},
    {Nose, "cmdEmblem", "Nose Emblem", 7800, 0, 1455, 270, -12, -99},
    {ClipArt, "cmdClipArt", "ClipArt ", 9240, 0, 855, 270, -12, -113},
    {Ad, "cmdAd", "Ad", 10080, 0, 615, 270, -12, -127},
    {Nostalgia, "cmdNostalgia", "Nostalgia", 10680, 0, 1095, 270, -12, -141},
};

// Main-window pixels of the photo and the year strip at design time.
const QRect kImage4Design(10, 48, 780, 410);
const QRect kFrame1Design(4, 462, 792, 62);
const QSize kClientDesign(800, 530);

QRect yearButtonDesign(int i)
{
    const bool firstRow = i <= 24;
    const int column = firstRow ? i - 1 : i - 25; // 0 for the four-digit button
    const int left = column == 0 ? 120 : 720 + 480 * (column - 1);
    const int width = column == 0 ? 615 : (i >= 9 && i <= 15 ? 510 : 495);
    return QRect(left, firstRow ? 120 : 480, width, 375);
}

QPixmap designPicture(QSize size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(20, 20, 28));
    g.setColorAt(1, QColor(70, 80, 110));
    p.fillRect(pm.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(225, 225, 235));
    p.setFont(QFont(QStringLiteral("Serif"), 30, QFont::Bold, true));
    p.drawText(pm.rect().adjusted(0, -40, 0, -40), Qt::AlignCenter, QStringLiteral("The Zephane Folarium"));
    p.setFont(QFont(QStringLiteral("Sans"), 12));
    p.setPen(QColor(200, 200, 215));
    p.drawText(pm.rect().adjusted(0, 60, 0, 60), Qt::AlignCenter,
               QStringLiteral("Click anywhere to begin, or choose a year below"));
    return pm;
}

QRect twips(const QRect& r)
{
    return QRect(r.x() / MainWindow::kTwipsPerPixel, r.y() / MainWindow::kTwipsPerPixel,
                 r.width() / MainWindow::kTwipsPerPixel, r.height() / MainWindow::kTwipsPerPixel);
}

// The row of the first magazine in the library table.
int firstMagazineRow()
{
    const mediarules::LibraryDocument* first = mediarules::libraryDocument(QStringLiteral("mnuMag"), 1);
    return first ? int(first - mediarules::libraryDocuments().data()) : -1;
}

} // namespace

MainWindow::MainWindow(const MediaFiles& files, const Commands& commands, QWidget* parent)
    : QMainWindow(parent), m_files(files)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Zephane Folarium  2000"));
    buildControls();
    m_menu = std::make_unique<MainMenu>(*menuBar(), commands);
    fitClientSize();
}

MainWindow::~MainWindow() = default;

void MainWindow::placeTwips(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(twips(QRect(left, top, width, height)));
}

void MainWindow::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("Form1Client"));
    QFont small = m_client->font();
    small.setPixelSize(11);
    m_client->setFont(small);
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    m_image4 = new QLabel(m_client);
    m_image4->setObjectName(QStringLiteral("Image4"));
    m_image4->setAccessibleName(QStringLiteral("Photo"));
    m_image4->setScaledContents(true);
    m_image4->setGeometry(kImage4Design);
    m_image4->setPixmap(designPicture(kImage4Design.size()));
    m_image4->installEventFilter(this);

    for (const Place& p : kContentPlaces) {
        auto* b = new QPushButton(QString::fromLatin1(p.caption), m_client);
        b->setObjectName(QString::fromLatin1(p.name));
        placeTwips(b, p.left, p.top, p.width, p.height);
        m_content[p.button] = b;
        const ContentButton which = p.button;
        connect(b, &QPushButton::clicked, this, [this, which] {
            if (m_listener)
                m_listener->contentButtonClicked(which);
        });
    }

    m_spin = new QWidget(m_client);
    m_spin->setObjectName(QStringLiteral("SpinButton1"));
    placeTwips(m_spin, 120, 360, 615, 300);
    auto* back = new QToolButton(m_spin);
    back->setObjectName(QStringLiteral("SpinDown"));
    back->setArrowType(Qt::LeftArrow);
    back->setAccessibleName(QStringLiteral("Previous photo"));
    back->setGeometry(0, 0, m_spin->width() / 2, m_spin->height());
    auto* forward = new QToolButton(m_spin);
    forward->setObjectName(QStringLiteral("SpinUp"));
    forward->setArrowType(Qt::RightArrow);
    forward->setAccessibleName(QStringLiteral("Next photo"));
    forward->setGeometry(m_spin->width() / 2, 0, m_spin->width() - m_spin->width() / 2, m_spin->height());
    connect(back, &QToolButton::clicked, this, [this] {
        if (m_listener)
            m_listener->StepPhotoBack();
    });
    connect(forward, &QToolButton::clicked, this, [this] {
        if (m_listener)
            m_listener->StepPhotoForward();
    });

    auto panel = [this](const QString& name, const QString& caption) {
        auto* l = new QLabel(caption, m_client);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAttribute(Qt::WA_NoMousePropagation);
        return l;
    };
    m_panPhoto = panel(QStringLiteral("panPhoto"), QStringLiteral("1"));
    placeTwips(m_panPhoto, 720, 360, 390, 300);
    m_panYear = panel(QStringLiteral("panYear"), catalogue::kNoEntry);
    placeTwips(m_panYear, 1080, 360, 810, 300);
    // Screen readers read the panels' changing text as their name; the description tells their role.
    m_panYear->setAccessibleDescription(QStringLiteral("The model year or collection shown"));
    m_panPhoto->setAccessibleDescription(QStringLiteral("Number of the photo shown"));

    m_details = new QTextBrowser(m_client);
    m_details->setObjectName(QStringLiteral("rtbDetails"));
    m_details->setReadOnly(true);
    placeTwips(m_details, 4920, 600, 4935, 975);
    m_details->hide();
    m_details->viewport()->installEventFilter(this);

    m_txtFile = new QLineEdit(m_client);
    m_txtFile->setObjectName(QStringLiteral("txtFile"));
    m_txtFile->setReadOnly(true);
    m_txtFile->setGeometry(140, 24, 100, 20);
    m_txtFile->hide();
    m_txtFile->installEventFilter(this);

    m_reload = new QPushButton(QStringLiteral("Reload Array"), m_client);
    m_reload->setObjectName(QStringLiteral("ReloadArray"));
    m_reload->setGeometry(250, 24, 80, 20);
    m_reload->hide();
    connect(m_reload, &QPushButton::clicked, this, [this] {
        if (m_listener)
            m_listener->reloadArray();
    });

    m_frame1 = new QFrame(m_client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(kFrame1Design);
    m_frame1->setAttribute(Qt::WA_NoMousePropagation);
    for (int i = 1; i <= kYearButtonCount; ++i) {
        auto* b = new QPushButton(yearButtonCaption(i), m_frame1);
        b->setObjectName(arrayName(QStringLiteral("cmdYR"), i));
        b->setProperty(kIndexProperty, i);
        b->setAccessibleName(yearForIndex(i));
        b->setGeometry(twips(yearButtonDesign(i)));
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (m_listener)
                m_listener->yearButtonClicked(i);
        });
        m_years.push_back(b);
    }
    m_exit = new QPushButton(QStringLiteral("Exit"), m_frame1);
    m_exit->setObjectName(QStringLiteral("cmdExit"));
    placeTwips(m_exit, 11280, 480, 495, 375);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    // The booklet's year lists live on the print panel; they are filled here at start-up.
    for (int i = 0; i < 2; ++i) {
        m_lists[i] = new QListWidget(m_client);
        m_lists[i]->setObjectName(arrayName(QStringLiteral("List1"), i));
        m_lists[i]->setProperty(kIndexProperty, i);
        m_lists[i]->hide();
    }
}

void MainWindow::fitClientSize()
{
    QSize client = kClientDesign;
    if (m_image4->geometry() != kImage4Design) {
        // The adapted layout is narrower and shorter: the window follows its controls.
        int right = m_image4->geometry().right();
        for (QPushButton* b : m_content)
            right = std::max(right, b->geometry().right());
        for (QWidget* w : m_frame1->findChildren<QWidget*>())
            right = std::max(right, m_frame1->x() + w->geometry().right());
        // Never narrower than the menu bar, so every menu title stays in view.
        client =
            QSize(std::max(right + 10, menuBar()->sizeHint().width()), m_frame1->geometry().bottom() + 7);
    }
    m_client->setFixedSize(client);
    adjustSize();
}

QPushButton* MainWindow::yearButton(int index) const
{
    return index >= 1 && index <= int(m_years.size()) ? m_years[index - 1] : nullptr;
}

void MainWindow::load(bool hwiSwitch)
{
    // The first magazine's caption keeps its ampersands as text.
    if (QAction* mag = m_menu->item(Command::LibraryDocument, firstMagazineRow()))
        mag->setText(DoubleAmpersands(mag->text()));
    setBusy(false);
    m_reload->setVisible(hwiSwitch);
    m_frame1->raise();
    show();
}

void MainWindow::applyScreenLayout(bool screenIs800x600)
{
    if (screenIs800x600) {
        m_seriesPanelTop = m_image4->y() + 10;
        return;
    }
    m_seriesPanelTop = m_image4->y() - 40;
    m_image4->resize(620, 356);
    m_frame1->move(m_frame1->x(), m_image4->y() + m_image4->height() - 10);
    // Year buttons: positions in twips within the strip.
    for (int i = 1; i <= kYearButtonCount; ++i) {
        QPushButton* b = yearButton(i);
        const QRect t = yearButtonDesign(i);
        if (i == 1 || i == 25)
            b->setGeometry(twips(QRect(t.x(), t.y(), 615, t.height())));
        else
            b->setGeometry(twips(QRect((i <= 24 ? i : i - 24) * 375, t.y(), 375, t.height())));
    }
    for (const Place& p : kContentPlaces) {
        QPushButton* b = m_content[p.button];
        const QRect g = b->geometry();
        b->setGeometry(g.x() + p.leftChange, g.y(), g.width() + p.widthChange, g.height());
    }
    m_exit->move(yearButton(24)->x(), m_exit->y());
    fitClientSize();
}

QRect MainWindow::clientRect() const
{
    return m_client->rect();
}

QRect MainWindow::yearStripRect() const
{
    return m_frame1->geometry();
}

QRect MainWindow::yearStripSpan() const
{
    return QRect(m_frame1->x(), 0, m_exit->x() + m_exit->width(), m_client->height());
}

void MainWindow::fillYearLists()
{
    const QStringList years = bookletYearList();
    for (QListWidget* list : m_lists) {
        list->clear();
        list->addItems(years);
    }
}

// IMainView -----------------------------------------------------------------------------------------------

bool MainWindow::showPhoto(const QString& mediaPath)
{
    const std::optional<QString> real = m_files.resolve(mediaPath);
    if (!real)
        return false;
    m_cache.setTargetSize(m_image4->size());
    const QImage image = m_cache.image(*real);
    if (image.isNull())
        return false;
    m_image4->setPixmap(QPixmap::fromImage(image));
    m_image4->show();
    return true;
}

void MainWindow::hidePhoto()
{
    m_image4->hide();
}
void MainWindow::setPhotoVisible(bool visible)
{
    m_image4->setVisible(visible);
}
void MainWindow::setPhotoNumber(const QString& number)
{
    m_panPhoto->setText(number);
}
QString MainWindow::photoNumber() const
{
    return m_panPhoto->text();
}
void MainWindow::setPhotoFileName(const QString& name)
{
    m_txtFile->setText(name);
}

void MainWindow::focusYearButton(int index, bool enableFirst)
{
    if (QPushButton* b = yearButton(index)) {
        if (enableFirst)
            b->setEnabled(true);
        b->setFocus(Qt::OtherFocusReason);
    }
}

bool MainWindow::detailsVisible() const
{
    return !m_details->isHidden();
}

bool MainWindow::loadDetails(const QString& mediaPath)
{
    const std::optional<QString> real = m_files.resolve(mediaPath);
    if (!real || !m_richText)
        return false;
    return m_richText(*m_details, *real);
}

void MainWindow::setDetailsVisible(bool visible)
{
    m_details->setVisible(visible);
}
void MainWindow::placeCaptionBox(bool topTen, const QString& photoNumber)
{
    if (!topTen) {
        placeDetailsBesideAdButton(m_details->size());
        return;
    }
    if (const std::optional<QRect> box = captionbox::topTenBox(photoNumber))
        m_details->setGeometry(*box);
}

void MainWindow::placeDetailsBesideAdButton(QSize size)
{
    m_details->setGeometry(captionbox::besideAdButton(size, m_content[Ad]->geometry(), m_image4->geometry()));
}

QRect MainWindow::photoGeometry() const
{
    return m_image4->geometry();
}

QRect MainWindow::descriptionButtonGeometry() const
{
    const QPushButton* desc = m_content[Desc];
    return QRect(desc->mapTo(m_client, QPoint(0, 0)), desc->size());
}

void MainWindow::setEntryCaption(const QString& text)
{
    m_panYear->setText(text);
    // Collection names are longer than a year: the panel grows to show them whole.
    const int needed = m_panYear->fontMetrics().horizontalAdvance(text) + 10;
    m_panYear->resize(std::max(810 / kTwipsPerPixel, needed), m_panYear->height());
}

void MainWindow::setContentButtonEnabled(ContentButton button, bool enabled)
{
    m_content[button]->setEnabled(enabled);
}
bool MainWindow::contentButtonEnabled(ContentButton button) const
{
    return m_content[button]->isEnabled();
}
void MainWindow::setContentButtonCaption(ContentButton button, const QString& caption)
{
    m_content[button]->setText(caption);
}

void MainWindow::setYearButtonEnabled(int index, bool enabled)
{
    if (QPushButton* b = yearButton(index))
        b->setEnabled(enabled);
}

void MainWindow::showEntryControls()
{
    m_spin->show();
    m_panPhoto->show();
    m_panYear->show();
}

void MainWindow::setFileNamesMenuEnabled(bool enabled)
{
    if (QAction* a = m_menu->item(Command::FileNames))
        a->setEnabled(enabled);
}

bool MainWindow::picturePanelVisible(PicturePanel panel) const
{
    const auto it = m_pictures.find(panel);
    return it != m_pictures.end() && it->second && !it->second->isHidden();
}

void MainWindow::setPicturePanelVisible(PicturePanel panel, bool visible)
{
    const auto it = m_pictures.find(panel);
    if (it != m_pictures.end() && it->second)
        it->second->setVisible(visible);
}

void MainWindow::setMainWindowEnabled(bool enabled)
{
    setEnabled(enabled);
    if (enabled)
        return;
    // Disabling a widget disables the windows it parents as well. The windows this one parents (the movie
    // player, a document, the slide show) are what it waits for; Qt's modality already keeps the main window
    // from input while they are open, so they stay usable. A window disabled on purpose stays disabled.
    for (QWidget* w : findChildren<QWidget*>())
        if (w->isWindow() && !w->testAttribute(Qt::WA_ForceDisabled))
            w->setEnabled(true);
}

void MainWindow::setBusy(bool busy)
{
    if (m_busyHook)
        m_busyHook(busy);
}

void MainWindow::preloadPhotos(const QStringList& mediaPaths)
{
    QStringList real;
    for (const QString& p : mediaPaths)
        if (const std::optional<QString> r = m_files.resolve(p))
            real << *r;
    m_cache.preload(real);
}

void MainWindow::setFileNamesMenuCaption(const QString& caption)
{
    if (QAction* a = m_menu->item(Command::FileNames))
        a->setText(caption);
}

void MainWindow::setFileNameVisible(bool visible)
{
    m_txtFile->setVisible(visible);
    if (visible)
        m_txtFile->raise();
}

void MainWindow::raiseDetails()
{
    m_details->raise();
}

// Events --------------------------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_listener && !m_listener->confirmExit()) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && m_listener && focusLeftProgram())
        m_listener->focusLost();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    keepFrameOnScreen();
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        keepFrameOnScreen();
    return handled;
}

void MainWindow::keepFrameOnScreen()
{
    const QScreen* screen = this->screen();
    if (m_keepingFrame || !isVisible() || isMinimized() || isMaximized() || !screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect outer = frameGeometry();
    const int frameWidth = outer.width() - width();
    m_keepingFrame = true;
    // On an 800-pixel-wide screen the 800-pixel client leaves no room for the frame's borders: the client
    // gives up what the borders take (the year strip, its widest control, ends 4 pixels short of the edge).
    if (frameWidth > 0 && outer.width() > area.width()) {
        m_client->setFixedWidth(
            std::max(area.width() - frameWidth, kFrame1Design.x() + kFrame1Design.width()));
        adjustSize();
    }
    QRect fitted = frameGeometry();
    fitted.moveRight(std::min(fitted.right(), area.right()));
    fitted.moveBottom(std::min(fitted.bottom(), area.bottom()));
    fitted.moveLeft(std::max(fitted.left(), area.left()));
    fitted.moveTop(std::max(fitted.top(), area.top()));
    if (fitted.topLeft() != frameGeometry().topLeft())
        move(fitted.topLeft());
    m_keepingFrame = false;
}

bool MainWindow::focusLeftProgram()
{
    // Opening one of the program's own windows (a slide show, a document, a message) moves the activation to
    // it, or puts a modal window up before it is activated: the main window has not lost the focus then.
    return QApplication::activeWindow() == nullptr && QApplication::activeModalWidget() == nullptr;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_listener)
        return QMainWindow::eventFilter(watched, event);
    if (watched == m_details->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_listener->detailsClicked();
        return true;
    }
    if (watched == m_txtFile && event->type() == QEvent::MouseButtonPress) {
        m_listener->fileNameClicked();
        return true;
    }
    if (watched == m_client && event->type() == QEvent::MouseButtonPress) {
        m_listener->backgroundClicked();
        return true;
    }
    if (watched == m_image4 && event->type() == QEvent::MouseButtonPress) {
        m_listener->photoClicked(static_cast<QMouseEvent*>(event)->button() == Qt::RightButton);
        return true;
    }
    const auto year = std::find(m_years.begin(), m_years.end(), watched);
    if (year != m_years.end()) {
        const QVariant index = int(year - m_years.begin()) + 1;
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const std::optional<YearKey> yearKey = yearKeyFor(key->key(), key->nativeScanCode());
            if (yearKey == YearKey::Comma || yearKey == YearKey::Period) {
                m_listener->yearButtonKey(index.toInt(), *yearKey);
                return true;
            }
            if (yearKey == YearKey::Space) {
                if (key->isAutoRepeat())
                    return m_eatSpaceRelease;
                if (m_listener->yearButtonKey(index.toInt(), YearKey::Space)) {
                    m_eatSpaceRelease = true;
                    return true;
                }
            }
        }
        // After an entry was chosen the space key activates the button like any button; before that the
        // key handler selects the year itself (the same result) and the button's own click is skipped.
        if (event->type() == QEvent::KeyRelease && m_eatSpaceRelease &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
            if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
                m_eatSpaceRelease = false;
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
