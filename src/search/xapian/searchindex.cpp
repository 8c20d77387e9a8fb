// Xapian names a member "slots"; it must be read before Qt defines its keywords.
#include <xapian.h>

#include "search/xapian/searchindex.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <future>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <unordered_map>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

#include "platform/runtimefolder.h"
#include "search/searchdocuments.h"
#include "search/searchtext.h"
#include "search/vocabulary.h"
#include "viewers/doc/richtextdocument.h"

namespace {

const std::string kStemPrefix = "Z";
const std::string kIdPrefix = "Q";
const std::string kFingerprintKey = "fingerprint";
const std::string kFormatKey = "format";
const std::string kVocabularyKey = "vocabulary";
constexpr Xapian::termcount kTitleWeight = 5;
constexpr int kTitleLineChars = 120;
constexpr std::size_t kPrefixExpansion = 64;
constexpr int kBlockSize = 2048; // small tables waste less of their last block

std::string utf8(const QString& s)
{
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), size_t(b.size()));
}

QString fromUtf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

const Xapian::Stem& englishStem()
{
    thread_local const Xapian::Stem stem("english"); // a stemmer is not shared between threads
    return stem;
}

// The first line of the text when it is short enough to be the document's heading.
QString headingLine(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QString line = text.mid(start, std::min<qsizetype>(end - start, kTitleLineChars + 1)).trimmed();
        if (!line.isEmpty())
            return end - start <= kTitleLineChars ? line : QString();
        start = end + 1;
    }
    return {};
}

// The words a document is found by: its title (the caption, the entry and the text's heading line) and its
// text.
QString titleOf(const SearchDocument& source, const QString& text)
{
    return source.title() + QLatin1Char(' ') + source.entry + QLatin1Char(' ') + headingLine(text);
}

// The index holds each word's stem with how often the document uses it, and no positions: a phrase is
// checked in the document's stored text, which the result list reads for its snippet anyway. That keeps
// the index smaller than the text it covers.
class Indexer {
public:
    Xapian::Document document(const SearchDocument& source, const QString& text)
    {
        Xapian::Document doc;
        doc.add_boolean_term(kIdPrefix + utf8(source.path.slashPath().toLower()));
        // Each stem once with its count: far fewer calls into the index than one a word.
        countWords(titleOf(source, text), kTitleWeight);
        countWords(text, 1);
        for (const std::size_t stem : m_used) {
            doc.add_term(m_stemTerms[stem], m_counts[stem]);
            m_counts[stem] = 0;
        }
        m_used.clear();
        doc.set_data(utf8(source.path.slashPath() + QLatin1Char('\n') + text));
        return doc;
    }

    Vocabulary vocabulary() const
    {
        Vocabulary v;
        for (const auto& [word, w] : m_words)
            v.add(QString::fromUtf16(word.data(), qsizetype(word.size())), m_stems[w.stem], w.occurrences);
        return v;
    }

private:
    void countWords(const QString& text, Xapian::termcount weight)
    {
        searchtext::forEachWord(text, [&](int, int, QStringView term) {
            const std::u16string_view key(term.utf16(), std::size_t(term.size()));
            auto it = m_words.find(key);
            if (it == m_words.end())
                it = m_words.emplace(std::u16string(key), Word{stemNumber(term.toString()), 0}).first;
            ++it->second.occurrences;
            if (m_counts[it->second.stem] == 0)
                m_used.push_back(it->second.stem);
            m_counts[it->second.stem] += weight;
        });
    }

    std::size_t stemNumber(const QString& word)
    {
        const std::string stem = englishStem()(utf8(word));
        const auto known = m_stemNumbers.try_emplace(stem, m_stems.size());
        if (known.second) {
            m_stems.push_back(fromUtf8(stem));
            m_stemTerms.push_back(kStemPrefix + stem);
            m_counts.push_back(0);
        }
        return known.first->second;
    }

    struct Word {
        std::size_t stem = 0; // in m_stems
        quint32 occurrences = 0;
    };
    // Looked up by the word as it stands in the text, without making a string of it.
    struct WordHash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view w) const { return std::hash<std::u16string_view>()(w); }
    };
    std::unordered_map<std::u16string, Word, WordHash, std::equal_to<>> m_words; // by the folded word
    std::unordered_map<std::string, std::size_t> m_stemNumbers;
    std::vector<QString> m_stems;
    std::vector<std::string> m_stemTerms;    // as the index holds them
    std::vector<Xapian::termcount> m_counts; // this document's count of each stem, 0 for most
    std::vector<std::size_t> m_used;         // the stems this document uses
};

Xapian::Query stemQuery(const QString& stem)
{
    return Xapian::Query(kStemPrefix + utf8(stem));
}

Xapian::Query wordQuery(const QString& word)
{
    return Xapian::Query(kStemPrefix + englishStem()(utf8(word)));
}

// Every word must be there; a phrase's words too (their order is checked in the text afterwards). The
// word still being typed stands for the words of the documents that begin with it.
Xapian::Query buildQuery(const SearchQuery& query, const Vocabulary& vocabulary)
{
    std::vector<Xapian::Query> parts;
    for (const QueryPart& part : query.parts) {
        for (const QString& w : part.words) {
            if (!part.prefix) {
                parts.push_back(wordQuery(w));
                continue;
            }
            std::vector<Xapian::Query> any{wordQuery(w)};
            for (const QString& stem : vocabulary.stemsOfWordsStartingWith(w, kPrefixExpansion))
                any.push_back(stemQuery(stem));
            parts.emplace_back(Xapian::Query::OP_OR, any.begin(), any.end());
        }
    }
    if (parts.empty())
        return Xapian::Query::MatchNothing;
    return Xapian::Query(Xapian::Query::OP_AND, parts.begin(), parts.end());
}

// Whether every phrase of the query stands in the title or in the text, its words next to each other.
bool phrasesHold(const SearchQuery& query, const QString& title, const QString& text,
                 const textmatches::Stemmer& stem)
{
    for (const QueryPart& part : query.parts) {
        if (!part.phrase)
            continue;
        const SearchQuery one{{part}};
        // A quick look near the first places the words stand, then the whole text.
        if (textmatches::find(title, one, stem).empty() &&
            textmatches::findFirst(text, one, stem, 40).empty() && textmatches::find(text, one, stem).empty())
            return false;
    }
    return true;
}

bool hasPhrase(const SearchQuery& query)
{
    return std::any_of(query.parts.cbegin(), query.parts.cend(), [](const QueryPart& p) { return p.phrase; });
}

// Where the short-lived build copy goes: the runtime folder, kept in memory on a desktop, spares the disk
// creating and deleting its tables. Only the compacted index is written beside its place.
QString buildFolder()
{
    return runtimeFolder() + QStringLiteral("/zephane-index-") + QString::number(::getpid()) +
           QStringLiteral(".d");
}

// Writes a new single-file index at path: the documents go into a build folder as they come, which is
// compacted into one file beside path at the end and renamed over whatever was there. An abandoned or
// failed write leaves nothing behind.
class IndexWriter {
public:
    explicit IndexWriter(const QString& path)
        : m_path(path), m_stem(path + QStringLiteral(".tmp-") + QString::number(::getpid())),
          m_buildDir(buildFolder())
    {
        const QFileInfo target(path);
        if (!QDir().mkpath(target.absolutePath()))
            throw Xapian::DatabaseCreateError("cannot create the folder " + utf8(target.absolutePath()));
        QDir(m_buildDir).removeRecursively();
        // No term lists: the index is only ever searched, never edited, and they would add half its size. No
        // syncing either: this copy is thrown away once it is compacted into the file that counts.
        m_db = Xapian::WritableDatabase(utf8(m_buildDir), Xapian::DB_CREATE_OR_OVERWRITE |
                                                              Xapian::DB_BACKEND_GLASS |
                                                              Xapian::DB_NO_TERMLIST | Xapian::DB_NO_SYNC);
    }
    ~IndexWriter()
    {
        try {
            m_db.close();
        } catch (const Xapian::Error&) {
        }
        QDir(m_buildDir).removeRecursively();
        QFile::remove(m_stem);
    }
    IndexWriter(const IndexWriter&) = delete;
    IndexWriter& operator=(const IndexWriter&) = delete;

    void add(const Xapian::Document& doc) { m_db.add_document(doc); }
    // Writes out what has been added, before the metadata is known.
    void commit() { m_db.commit(); }

    void finish(const QByteArray& fingerprint, const QByteArray& vocabulary)
    {
        m_db.set_metadata(kFingerprintKey, fingerprint.toStdString());
        m_db.set_metadata(kFormatKey, std::to_string(indexcache::kFormat));
        m_db.set_metadata(kVocabularyKey, vocabulary.toStdString());
        m_db.commit();
        compactInto(m_stem);
        m_db.close();
        if (std::rename(QFile::encodeName(m_stem).constData(), QFile::encodeName(m_path).constData()) != 0)
            throw Xapian::DatabaseCreateError("cannot rename the new index to " + utf8(m_path));
    }

private:
    // The compaction syncs what it writes, a wait the index does not need: it is a cache, and one found
    // damaged is built again. So it is compacted in memory and then written out in one piece.
    void compactInto(const QString& file)
    {
        const int memory = ::memfd_create("zephane-index", MFD_CLOEXEC);
        const int handedOver = memory < 0 ? -1 : ::dup(memory); // the compaction closes the one it is given
        if (handedOver < 0) {
            if (memory >= 0)
                ::close(memory);
            m_db.compact(utf8(file), Xapian::DBCOMPACT_SINGLE_FILE, kBlockSize);
            return;
        }
        try {
            m_db.compact(handedOver, Xapian::DBCOMPACT_SINGLE_FILE, kBlockSize);
            writeOut(memory, file);
        } catch (...) {
            ::close(memory);
            throw;
        }
        ::close(memory);
    }

    static void writeOut(int memory, const QString& file)
    {
        const off_t size = ::lseek(memory, 0, SEEK_END);
        const int out =
            ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (size < 0 || out < 0) {
            if (out >= 0)
                ::close(out);
            throw Xapian::DatabaseCreateError("cannot write " + utf8(file), errno);
        }
        for (off_t offset = 0; offset < size;) {
            if (::sendfile(out, memory, &offset, std::size_t(size - offset)) <= 0) {
                const int error = errno;
                ::close(out);
                throw Xapian::DatabaseCreateError("cannot write " + utf8(file), error);
            }
        }
        if (::close(out) != 0)
            throw Xapian::DatabaseCreateError("cannot write " + utf8(file), errno);
    }

    QString m_path, m_stem, m_buildDir;
    Xapian::WritableDatabase m_db;
};

// Reading the documents is most of the work of a build, so two threads share it: a second thread reads
// them from the first on while the building thread indexes and writes them in order. When the building
// thread catches up it reads one itself, from the last on, rather than wait; the two meet in between.
class ReadAhead {
public:
    explicit ReadAhead(const std::vector<indexcache::Source>& sources)
        : m_sources(sources), m_texts(sources.size()), m_read(sources.size(), false), m_back(sources.size())
    {
        try {
            m_thread = std::thread([this] {
                while (!m_stop && readNext(Front))
                    ;
            });
        } catch (const std::system_error&) {
            // No second thread to be had: the building thread reads every document itself.
        }
    }
    ~ReadAhead()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The text of document i, once read (empty when it cannot be read at all).
    QString take(std::size_t i)
    {
        while (!isRead(i) && readNext(Back))
            ;
        std::unique_lock lock(m_mutex);
        if (!m_read[i]) { // the other thread has it in hand
            m_wanted = i;
            m_readChanged.wait(lock, [&] { return bool(m_read[i]); });
            m_wanted = kNobody;
        }
        return std::move(m_texts[i]);
    }

private:
    enum End { Front, Back };
    static constexpr std::size_t kNobody = std::size_t(-1);

    bool isRead(std::size_t i)
    {
        const std::lock_guard lock(m_mutex);
        return m_read[i];
    }

    // Reads the first or the last document nobody has taken yet; false when there is none.
    bool readNext(End end)
    {
        std::size_t i = 0;
        {
            const std::lock_guard lock(m_mutex);
            if (m_front >= m_back)
                return false;
            i = end == Front ? m_front++ : --m_back;
        }
        QString text = searchengine::documentText(m_sources[i].realPath);
        bool wake = false;
        {
            const std::lock_guard lock(m_mutex);
            m_texts[i] = std::move(text);
            m_read[i] = true;
            wake = m_wanted == i;
        }
        if (wake)
            m_readChanged.notify_one();
        return true;
    }

    const std::vector<indexcache::Source>& m_sources;
    std::vector<QString> m_texts;
    std::vector<char> m_read;
    std::size_t m_front = 0, m_back; // the documents nobody has taken yet lie in [m_front, m_back)
    std::size_t m_wanted = kNobody;  // the document the building thread waits for
    std::mutex m_mutex;
    std::condition_variable m_readChanged;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace

struct SearchIndex::Impl {
    Xapian::Database db;
    Vocabulary vocabulary;
    QString path; // empty when in memory
};

SearchIndex::SearchIndex(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}
SearchIndex::~SearchIndex() = default;

std::unique_ptr<SearchIndex> SearchIndex::open(const QString& path, const QByteArray& fingerprint,
                                               QString* why)
{
    auto fail = [why](const QString& reason) -> std::unique_ptr<SearchIndex> {
        if (why)
            *why = reason;
        return nullptr;
    };
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("no index yet"));
    try {
        auto impl = std::make_unique<Impl>();
        impl->db = Xapian::Database(utf8(path));
        if (impl->db.get_metadata(kFormatKey) != std::to_string(indexcache::kFormat))
            return fail(QStringLiteral("the index was written by another version"));
        if (impl->db.get_metadata(kFingerprintKey) != fingerprint.toStdString())
            return fail(QStringLiteral("the index belongs to other media"));
        const std::string words = impl->db.get_metadata(kVocabularyKey);
        impl->vocabulary = Vocabulary::parse(QByteArray(words.data(), qsizetype(words.size())));
        impl->path = path;
        return std::unique_ptr<SearchIndex>(new SearchIndex(std::move(impl)));
    } catch (const Xapian::Error& e) {
        return fail(QStringLiteral("the index cannot be read: ") + fromUtf8(e.get_description()));
    }
}

std::unique_ptr<SearchIndex> SearchIndex::build(const indexcache::Media& media, const QString& path,
                                                const Progress& progress, QString* note)
{
    ReadAhead texts(media.sources); // first, so that reading starts while the index is set up
    Indexer indexer;
    std::vector<Xapian::Document> docs;
    docs.reserve(media.sources.size());
    std::unique_ptr<IndexWriter> writer;
    QString why;
    const auto keepInMemory = [&](const Xapian::Error& e) {
        writer.reset();
        why = QStringLiteral("the index is kept in memory: ") + fromUtf8(e.get_description());
    };
    if (!path.isEmpty()) {
        try {
            writer = std::make_unique<IndexWriter>(path);
        } catch (const Xapian::Error& e) {
            keepInMemory(e);
        }
    }
    const int total = int(media.sources.size());
    for (int i = 0; i < total; ++i) {
        // A file that cannot be read at all is still found by its caption.
        docs.push_back(indexer.document(*media.sources[size_t(i)].document, texts.take(size_t(i))));
        if (writer) {
            try {
                writer->add(docs.back());
            } catch (const Xapian::Error& e) {
                keepInMemory(e);
            }
        }
        if (progress && !progress(i + 1, total))
            return nullptr;
    }

    // The words are gathered, packed for storing and read back for searching while the documents are
    // committed (or afterwards, when there is no thread to spare).
    auto packed = std::async(std::launch::async | std::launch::deferred, [&indexer] {
        std::pair<QByteArray, Vocabulary> words;
        words.first = indexer.vocabulary().serialize();
        words.second = Vocabulary::parse(words.first);
        return words;
    });
    if (writer) {
        try {
            writer->commit();
        } catch (const Xapian::Error& e) {
            keepInMemory(e);
        }
    }
    auto [vocabulary, words] = packed.get();
    auto impl = std::make_unique<Impl>();
    impl->vocabulary = std::move(words);
    if (writer) {
        try {
            writer->finish(media.fingerprint, vocabulary);
            writer.reset();
            impl->db = Xapian::Database(utf8(path));
            impl->path = path;
            return std::unique_ptr<SearchIndex>(new SearchIndex(std::move(impl)));
        } catch (const Xapian::Error& e) {
            keepInMemory(e);
        }
    }
    if (note && !why.isEmpty())
        *note = why;
    Xapian::WritableDatabase memory(std::string(), Xapian::DB_BACKEND_INMEMORY);
    for (const Xapian::Document& doc : docs)
        memory.add_document(doc);
    memory.set_metadata(kFingerprintKey, media.fingerprint.toStdString());
    memory.commit();
    impl->db = memory;
    return std::unique_ptr<SearchIndex>(new SearchIndex(std::move(impl)));
}

std::vector<SearchIndex::Hit> SearchIndex::search(const SearchQuery& query, int maxHits, int* total) const
{
    std::vector<Hit> hits;
    if (total)
        *total = 0;
    if (query.isEmpty() || maxHits <= 0)
        return hits;
    try {
        Xapian::Enquire enquire(d->db);
        enquire.set_query(buildQuery(query, d->vocabulary));
        // With a phrase every candidate is read, so the count is of those that hold it.
        const bool phrase = hasPhrase(query);
        const Xapian::MSet mset = enquire.get_mset(
            0, phrase ? std::max<Xapian::doccount>(d->db.get_doccount(), 1) : Xapian::doccount(maxHits));
        if (total)
            *total = phrase ? 0 : int(mset.get_matches_estimated());
        const textmatches::Stemmer stem = searchengine::stemmer();
        for (auto it = mset.begin(); it != mset.end(); ++it) {
            const QString data = fromUtf8(it.get_document().get_data());
            const qsizetype nl = data.indexOf(QLatin1Char('\n'));
            const SearchDocument* doc = searchdocuments::byPath(data.left(nl));
            if (!doc)
                continue;
            const QString text = nl < 0 ? QString() : data.mid(nl + 1);
            if (phrase) {
                if (!phrasesHold(query, titleOf(*doc, text), text, stem))
                    continue;
                if (total)
                    ++*total;
                if (int(hits.size()) >= maxHits)
                    continue;
            }
            const std::vector<searchtext::Span> spans =
                textmatches::findFirst(text, query, stem, kSnippetChars);
            Hit h;
            h.document = doc;
            h.weight = it.get_weight();
            h.snippetHtml = textmatches::snippet(text, spans, kSnippetChars, true);
            h.snippet = textmatches::snippet(text, spans, kSnippetChars, false);
            hits.push_back(std::move(h));
        }
    } catch (const Xapian::Error&) {
        // An index that fails while it is read finds nothing; it is rebuilt at the next start.
        hits.clear();
    }
    return hits;
}

int SearchIndex::documentCount() const
{
    return int(d->db.get_doccount());
}

bool SearchIndex::inMemory() const
{
    return d->path.isEmpty();
}

QString SearchIndex::path() const
{
    return d->path;
}

namespace searchengine {

QString stem(const QString& foldedWord)
{
    return fromUtf8(englishStem()(utf8(foldedWord)));
}

textmatches::Stemmer stemmer()
{
    return [](const QString& w) { return stem(w); };
}

QString documentText(const QString& realPath, bool* readable)
{
    QTextDocument doc;
    const bool ok = loadRichTextFile(realPath, doc).has_value();
    if (readable)
        *readable = ok;
    return ok ? richTextPlainText(doc) : QString();
}

} // namespace searchengine
