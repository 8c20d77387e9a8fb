#pragma once

#include <vector>

#include <QString>
#include <QStringList>

// What the user typed into the search field, taken apart the way people type queries: words (all of them
// must be found), "quoted phrases" (the words next to each other), and the last word taken as the
// beginning of a word while it is still being typed.
struct QueryPart {
    QStringList words;   // folded (searchtext::fold)
    bool phrase = false; // more than one word, in this order
    bool prefix = false; // a single word that may go on ("eng" finds "engine")
    bool operator==(const QueryPart& other) const = default;
};

struct SearchQuery {
    std::vector<QueryPart> parts;
    bool isEmpty() const { return parts.empty(); }
    // Every word of the query, phrases included.
    QStringList allWords() const;
};

// An open quote runs to the end of the text. The last word is a prefix only when the text ends inside it
// (no blank or quote after it), and only outside quotes. Little words ("the", "of", "in") among others are
// left out, except in phrases.
SearchQuery parseQuery(const QString& text);
