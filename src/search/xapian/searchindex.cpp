// Xapian names a member "slots"; it must be read before Qt defines its keywords.
#include <xapian.h>

#include "search/xapian/searchindex.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextDocument>

#include "search/searchdocuments.h"
#include "search/searchtext.h"
#include "viewers/doc/richtextdocument.h"

namespace {

const std::string kStemPrefix = "Z";
const std::string kIdPrefix = "Q";
const std::string kFingerprintKey = "fingerprint";
const std::string kFormatKey = "format";
constexpr Xapian::termcount kTitleWeight = 5;
constexpr Xapian::termpos kBodyGap = 100; // phrases never join the title and the body
constexpr int kTitleLineChars = 120;
constexpr Xapian::termcount kPrefixExpansion = 64;
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

class Indexer {
public:
    Xapian::Document document(const SearchDocument& source, const QString& text)
    {
        Xapian::Document doc;
        doc.add_boolean_term(kIdPrefix + utf8(source.path.slashPath().toLower()));
        Xapian::termpos pos = 1;
        const QString title =
            source.title() + QLatin1Char(' ') + source.entry + QLatin1Char(' ') + headingLine(text);
        addWords(doc, title, pos, kTitleWeight);
        pos += kBodyGap;
        addWords(doc, text, pos, 1);
        doc.set_data(utf8(source.path.slashPath() + QLatin1Char('\n') + text));
        return doc;
    }

private:
    void addWords(Xapian::Document& doc, const QString& text, Xapian::termpos& pos, Xapian::termcount wdf)
    {
        for (const searchtext::Word& w : searchtext::words(text)) {
            auto it = m_terms.find(w.term);
            if (it == m_terms.end())
                it = m_terms.insert(w.term, {utf8(w.term), kStemPrefix + englishStem()(utf8(w.term))});
            doc.add_term(it->raw, wdf);
            doc.add_posting(it->stem, pos++, wdf);
        }
    }

    struct Terms {
        std::string raw;
        std::string stem;
    };
    QHash<QString, Terms> m_terms;
};

Xapian::Query wordQuery(const QString& word)
{
    return Xapian::Query(kStemPrefix + englishStem()(utf8(word)));
}

Xapian::Query buildQuery(const SearchQuery& query)
{
    std::vector<Xapian::Query> parts;
    for (const QueryPart& part : query.parts) {
        if (part.words.isEmpty())
            continue;
        if (part.phrase) {
            std::vector<Xapian::Query> words;
            for (const QString& w : part.words)
                words.push_back(wordQuery(w));
            parts.emplace_back(Xapian::Query::OP_PHRASE, words.begin(), words.end(),
                               Xapian::termcount(words.size()));
            continue;
        }
        Xapian::Query q = wordQuery(part.words.front());
        if (part.prefix)
            q = Xapian::Query(Xapian::Query::OP_OR, q,
                              Xapian::Query(Xapian::Query::OP_WILDCARD, utf8(part.words.front()),
                                            kPrefixExpansion, Xapian::Query::WILDCARD_LIMIT_MOST_FREQUENT));
        parts.push_back(q);
    }
    if (parts.empty())
        return Xapian::Query::MatchNothing;
    return Xapian::Query(Xapian::Query::OP_AND, parts.begin(), parts.end());
}

// Writes the documents into a new single-file index at path, in one step: built and compacted beside it,
// then renamed over whatever was there.
void writeIndex(const std::vector<Xapian::Document>& docs, const QString& path, const QByteArray& fingerprint)
{
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath()))
        throw Xapian::DatabaseCreateError("cannot create the folder " + utf8(target.absolutePath()));
    const QString stem = path + QStringLiteral(".tmp-") + QString::number(::getpid());
    const QString buildDir = stem + QStringLiteral(".d");
    QDir(buildDir).removeRecursively();
    struct Cleanup {
        QString dir, file;
        ~Cleanup()
        {
            QDir(dir).removeRecursively();
            QFile::remove(file);
        }
    } cleanup{buildDir, stem};
    {
        // No term lists: the index is only ever searched, never edited, and they would add half its size. No
        // syncing either: this copy is thrown away once it is compacted into the file that counts.
        Xapian::WritableDatabase db(utf8(buildDir), Xapian::DB_CREATE_OR_OVERWRITE |
                                                        Xapian::DB_BACKEND_GLASS | Xapian::DB_NO_TERMLIST |
                                                        Xapian::DB_NO_SYNC);
        for (const Xapian::Document& doc : docs)
            db.add_document(doc);
        db.set_metadata(kFingerprintKey, fingerprint.toStdString());
        db.set_metadata(kFormatKey, std::to_string(indexcache::kFormat));
        db.commit();
        db.compact(utf8(stem), Xapian::DBCOMPACT_SINGLE_FILE, kBlockSize);
        db.close();
    }
    if (std::rename(QFile::encodeName(stem).constData(), QFile::encodeName(path).constData()) != 0)
        throw Xapian::DatabaseCreateError("cannot rename the new index to " + utf8(path));
}

} // namespace

struct SearchIndex::Impl {
    Xapian::Database db;
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
        impl->path = path;
        return std::unique_ptr<SearchIndex>(new SearchIndex(std::move(impl)));
    } catch (const Xapian::Error& e) {
        return fail(QStringLiteral("the index cannot be read: ") + fromUtf8(e.get_description()));
    }
}

std::unique_ptr<SearchIndex> SearchIndex::build(const indexcache::Media& media, const QString& path,
                                                const Progress& progress, QString* note)
{
    Indexer indexer;
    std::vector<Xapian::Document> docs;
    docs.reserve(media.sources.size());
    const int total = int(media.sources.size());
    int done = 0;
    for (const indexcache::Source& s : media.sources) {
        bool readable = false;
        const QString text = searchengine::documentText(s.realPath, &readable);
        // A file that cannot be read at all is still found by its caption.
        docs.push_back(indexer.document(*s.document, text));
        if (progress && !progress(++done, total))
            return nullptr;
    }

    auto impl = std::make_unique<Impl>();
    if (!path.isEmpty()) {
        try {
            writeIndex(docs, path, media.fingerprint);
            impl->db = Xapian::Database(utf8(path));
            impl->path = path;
            return std::unique_ptr<SearchIndex>(new SearchIndex(std::move(impl)));
        } catch (const Xapian::Error& e) {
            if (note)
                *note = QStringLiteral("the index is kept in memory: ") + fromUtf8(e.get_description());
        }
    }
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
        enquire.set_query(buildQuery(query));
        const Xapian::MSet mset = enquire.get_mset(0, Xapian::doccount(maxHits));
        if (total)
            *total = int(mset.get_matches_estimated());
        const textmatches::Stemmer stem = searchengine::stemmer();
        for (auto it = mset.begin(); it != mset.end(); ++it) {
            const QString data = fromUtf8(it.get_document().get_data());
            const qsizetype nl = data.indexOf(QLatin1Char('\n'));
            const SearchDocument* doc = searchdocuments::byPath(data.left(nl));
            if (!doc)
                continue;
            const QString text = nl < 0 ? QString() : data.mid(nl + 1);
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
