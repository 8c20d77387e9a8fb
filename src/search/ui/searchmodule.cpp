#include "search/ui/searchmodule.h"

#include <QLineEdit>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>

#include "search/indexcache.h"
#include "search/searchdocuments.h"
#include "search/textmatches.h"
#include "search/ui/searchwindow.h"
#include "search/xapian/searchindex.h"
#include "session/session.h"
#include "shared/ui/documentviewerhost.h"
#include "shared/ui/documentwindow.h"
#include "shared/ui/findbar.h"
#include "shared/ui/mainframe.h"

namespace {

// The search window may be closed and made again; the controller always talks to the current one.
class WindowView : public ISearchView {
public:
    explicit WindowView(QPointer<SearchWindow>& window) : m_window(window) {}
    void showRows(const std::vector<SearchRow>& rows) override
    {
        if (m_window)
            m_window->showRows(rows);
    }
    void showStatus(const QString& text) override
    {
        if (m_window)
            m_window->showStatus(text);
    }
    void showProgress(int done, int total) override
    {
        if (m_window)
            m_window->showProgress(done, total);
    }

private:
    QPointer<SearchWindow>& m_window;
};

// The one document viewer, with the search's matches highlighted before it is shown.
class HighlightingViewer : public IDocumentViewer {
public:
    HighlightingViewer(DocumentViewerHost& host, const SearchQuery& query, QString label)
        : m_host(host), m_query(query), m_label(std::move(label))
    {
    }
    void load() override { m_host.load(); }
    bool isLoaded() const override { return m_host.isLoaded(); }
    bool loadDocument(const QString& realPath) override { return m_host.loadDocument(realPath); }
    void setCaption(const QString& caption) override { m_host.setCaption(caption); }
    void hideSoundButtons() override { m_host.hideSoundButtons(); }
    int textBoxWidth() const override { return m_host.textBoxWidth(); }
    int printButtonWidth() const override { return m_host.printButtonWidth(); }
    void setCloseButtonWidth(int pixels) override { m_host.setCloseButtonWidth(pixels); }
    void showModal() override
    {
        highlight();
        m_host.showModal();
    }
    void showModeless() override
    {
        m_host.showModeless();
        highlight();
    }
    void unload() override { m_host.unload(); }

private:
    void highlight()
    {
        DocumentWindow* form = m_host.form();
        FindBar* bar = form ? form->findChild<FindBar*>() : nullptr;
        if (!bar)
            return;
        const QString text = form->rtbText()->document()->toRawText();
        bar->showMatches(m_label, textmatches::find(text, m_query, searchengine::stemmer()));
    }

    DocumentViewerHost& m_host;
    const SearchQuery& m_query;
    QString m_label;
};

} // namespace

class SearchModule::Engine : public ISearchEngine {
public:
    explicit Engine(std::shared_ptr<SearchIndex> index) : m_index(std::move(index)) {}
    std::vector<SearchRow> search(const SearchQuery& query, int maxRows, int* total) override
    {
        std::vector<SearchRow> rows;
        for (const SearchIndex::Hit& h : m_index->search(query, maxRows, total))
            rows.push_back({h.document, h.document->entry, h.document->title(), h.snippetHtml, h.snippet});
        return rows;
    }
    int documentCount() const override { return m_index->documentCount(); }
    SearchIndex* index() const { return m_index.get(); }

private:
    std::shared_ptr<SearchIndex> m_index;
};

SearchModule::SearchModule(Session& session, const Ports&, IMainFrame& frame, DocumentViewerHost& viewer)
    : m_session(session), m_frame(frame), m_viewer(viewer), m_cacheFolder(indexcache::folder())
{
    m_viewProxy = std::make_unique<WindowView>(m_window);
    m_controller = std::make_unique<SearchController>(
        *m_viewProxy, [this](const SearchDocument& d, const SearchQuery& q) { openDocument(d, q); });
    session.commands.add(Command::Search, [this](int) { openWindow(); });
    // The disc is indexed soon after the start, while the program is in use.
    QTimer::singleShot(kStartDelayMs, this, [this] {
        if (!m_started)
            startIndexing();
    });
}

SearchModule::~SearchModule()
{
    stopIndexing();
    delete m_window.data();
}

SearchWindow* SearchModule::window() const
{
    return m_window.data();
}

SearchIndex* SearchModule::index() const
{
    return m_engine ? m_engine->index() : nullptr;
}

void SearchModule::ensureWindow()
{
    if (m_window)
        return;
    QWidget* parent = m_frame.panelParent();
    m_window = new SearchWindow(parent ? parent->window() : nullptr);
    connect(m_window.data(), &SearchWindow::queryEdited, this,
            [this](const QString& text) { m_controller->queryEdited(text); });
    connect(m_window.data(), &SearchWindow::resultChosen, this,
            [this](int row) { m_controller->resultChosen(row); });
}

void SearchModule::openWindow()
{
    ensureWindow();
    if (!m_started || m_indexedRoot != m_session.roots.mediaRoot)
        startIndexing();
    else
        m_controller->queryEdited(m_window->txtQuery()->text());
    m_window->present();
}

void SearchModule::stopIndexing()
{
    if (!m_thread)
        return;
    m_stop->store(true);
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

void SearchModule::startIndexing()
{
    stopIndexing();
    m_started = true;
    m_indexedRoot = m_session.roots.mediaRoot;
    m_engine.reset();
    // Listing the media happens here: the media files' caches belong to this thread.
    const indexcache::Media media = indexcache::scan(m_session.files, m_indexedRoot);
    const QString path =
        m_cacheFolder.isEmpty() ? QString() : indexcache::indexPath(m_cacheFolder, media.fingerprint);
    const QString folder = m_cacheFolder;
    m_controller->indexingStarted(int(media.sources.size()));
    m_stop = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> stop = m_stop;
    const bool synchronous = m_synchronous;
    const int generation = ++m_generation;

    auto work = [this, media, path, folder, stop, synchronous, generation] {
        QString note;
        QString why;
        std::shared_ptr<SearchIndex> index;
        if (!path.isEmpty())
            index = SearchIndex::open(path, media.fingerprint, &why);
        if (!index) {
            auto progress = [this, stop, synchronous, generation](int done, int total) {
                if (synchronous)
                    m_controller->indexingProgress(done, total);
                else
                    QMetaObject::invokeMethod(
                        this,
                        [this, done, total, generation] {
                            if (generation == m_generation)
                                m_controller->indexingProgress(done, total);
                        },
                        Qt::QueuedConnection);
                return !stop->load();
            };
            index = SearchIndex::build(media, path, progress, &note);
            if (index && !index->inMemory())
                indexcache::prune(folder, path);
        }
        if (synchronous) {
            finished(index, note);
            return;
        }
        QMetaObject::invokeMethod(
            this,
            [this, index, note, generation] {
                // A build that was stopped and replaced reports nothing.
                if (generation == m_generation)
                    finished(index, note);
            },
            Qt::QueuedConnection);
    };
    if (m_synchronous) {
        work();
        return;
    }
    m_thread = QThread::create(work);
    m_thread->start(QThread::LowPriority);
}

void SearchModule::finished(std::shared_ptr<SearchIndex> index, const QString& note)
{
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
        m_thread = nullptr;
    }
    m_engine = index ? std::make_unique<Engine>(index) : nullptr;
    m_controller->indexReady(m_engine.get(), index ? note : QStringLiteral("the index could not be built"));
    if (m_window)
        m_controller->queryEdited(m_window->txtQuery()->text());
}

void SearchModule::openDocument(const SearchDocument& document, const SearchQuery& query)
{
    const QString label = m_window ? m_window->txtQuery()->text().trimmed() : QString();
    HighlightingViewer viewer(m_viewer, query, label);
    DocumentOpener opener(m_session.documents, m_session.files, m_session.reporter, viewer);
    opener.open(document.request(m_session.roots.mediaRoot));
}
