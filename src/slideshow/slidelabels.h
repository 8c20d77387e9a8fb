#pragma once

#include <optional>

#include <QString>

// The texts a slide puts into the label and counter panels, and the way back from a label to an entry code.
namespace slidelabels {

// ShowSlideLabel: the entry of a photo from its two-character code. Collections by their entry text, except
// "MN", which reads "The National Zephane Museum "; "A0" is "2000"; any other code "19" + code.
QString photoLabel(const QString& code);

// The clip-art tick's label: the first two characters in upper case name the three collection pictures,
// anything else shows the first four characters (the year).
QString clipArtTickLabel(const QString& name);

// The step operations test the name case-sensitively; the Brenmore test differs per operation.
enum class BrenmoreTest { FirstTwoBM, FirstB };
QString clipArtStepLabel(const QString& name, BrenmoreTest test);

// pnlPhotoNumber: "12 of 340".
QString counterText(int n, int m);

// n / 2 rounded to the nearest integer, a half to the even neighbour (5 -> 2, 7 -> 4).
int halfRoundedToEven(int n);

// The entry code of a label ShowSlideLabel gives a collection; nothing for model years and other texts.
std::optional<QString> codeForLabel(const QString& label);

} // namespace slidelabels
