#pragma once

#include <atomic>
#include <memory>

#include <QObject>
#include <QPointer>
#include <QString>

#include "search/searchcontroller.h"

class DocumentViewerHost;
class IMainFrame;
class QThread;
class SearchIndex;
class SearchWindow;
struct Ports;
struct Session;

// Full-text search over the disc's documents: the search window (Search the Disc, Ctrl+F in the main
// window), the index kept in the user's cache folder and built in the background the first time a disc is
// seen, and opening a result in the one document viewer with its matches highlighted. Registers Search.
class SearchModule : public QObject {
    Q_OBJECT
public:
    // viewer: the program's one document viewer (the main window module's).
    SearchModule(Session& session, const Ports& ports, IMainFrame& frame, DocumentViewerHost& viewer);
    ~SearchModule() override;

    // Shows the search window, starting the index when it was not started for the current media.
    void openWindow();
    // Opens the stored index of the current media or builds it (in the background unless synchronous).
    void startIndexing();

    // Tests: build on the calling thread, into this cache folder.
    void setSynchronous(bool synchronous) { m_synchronous = synchronous; }
    void setCacheFolder(const QString& folder) { m_cacheFolder = folder; }

    SearchWindow* window() const;
    SearchController& controller() { return *m_controller; }
    SearchIndex* index() const;
    bool isIndexing() const { return m_thread != nullptr; }

    static constexpr int kStartDelayMs = 1500;

private:
    class Engine;
    void ensureWindow();
    void openDocument(const SearchDocument& document, const SearchQuery& query);
    void finished(std::shared_ptr<SearchIndex> index, const QString& note);
    void stopIndexing();

    Session& m_session;
    IMainFrame& m_frame;
    DocumentViewerHost& m_viewer;
    QPointer<SearchWindow> m_window;
    std::unique_ptr<ISearchView> m_viewProxy;
    std::unique_ptr<SearchController> m_controller;
    std::unique_ptr<Engine> m_engine;
    QString m_indexedRoot;
    QString m_cacheFolder;
    bool m_started = false;
    bool m_synchronous = false;
    QThread* m_thread = nullptr;
    int m_generation = 0; // of the build whose reports count
    std::shared_ptr<std::atomic<bool>> m_stop;
};
