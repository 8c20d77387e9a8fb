#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "search/searchquery.h"
#include "search/searchtext.h"

// Where a query's words stand in a text, so a result can show them and the viewer can highlight them.
namespace textmatches {

// A word's stem (English): "engines" -> "engin". Given by the search engine.
using Stemmer = std::function<QString(const QString& foldedWord)>;

// The spans of every word or phrase of the query in the text, in order, not overlapping. A word matches by
// its stem, the prefix part also by its beginning, a phrase when its words follow each other.
std::vector<searchtext::Span> find(const QString& text, const SearchQuery& query, const Stemmer& stem);

// The first matches only, enough for a snippet of maxChars: looks for the query's words with a quick
// search first and cuts into words only around what it finds, so a long document costs little.
std::vector<searchtext::Span> findFirst(const QString& text, const SearchQuery& query, const Stemmer& stem,
                                        int maxChars);

// A piece of the text of about maxChars characters around the first match (the start of the text when
// there is none), with line breaks and runs of blanks made one blank and "…" where it was cut. With html,
// the text is escaped and each match is put between <b> and </b>.
QString snippet(const QString& text, const std::vector<searchtext::Span>& spans, int maxChars, bool html);

} // namespace textmatches
