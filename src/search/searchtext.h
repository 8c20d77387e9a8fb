#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QStringView>

// How text is cut into words for searching, the same way for the documents and for what the user types, so
// that "Citroën", "CITROEN" and "citroen" are one word.
namespace searchtext {

// One word of a text: where it stands (in UTF-16 units) and its folded form.
struct Word {
    int start = 0;
    int length = 0;
    QString term;
};

// Lower case with accents and ligatures taken apart ("Ærø" -> "aero", "Straße" -> "strasse").
QString fold(const QString& word);

// The words of a text in order: runs of letters and digits; an apostrophe between two letters stays inside
// the word ("driver's"). Words longer than kMaxWordLength are left out (they are never typed).
std::vector<Word> words(const QString& text);
// The same words, each handed over as it is found: its place in the text and its folded form, which lasts
// only for the call. Spares a string for every word where the caller only counts them.
void forEachWord(const QString& text,
                 const std::function<void(int start, int length, QStringView term)>& visit);

constexpr int kMaxWordLength = 64;

// Positions of a needle in a text when case and accents are ignored ("resume" finds "Résumé"), as
// {start, length} in the text's own units; matches do not overlap.
struct Span {
    int start = 0;
    int length = 0;
    bool operator==(const Span& other) const = default;
};
std::vector<Span> findFolded(const QString& text, const QString& needle);

} // namespace searchtext
