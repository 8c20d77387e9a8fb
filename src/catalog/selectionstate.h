#pragma once

#include <QString>

#include "catalog/catalogue.h"

// The main window's choice: the entry text (panYear's caption), its code and how it was reached.
struct SelectionState {
    QString entryText = catalogue::kNoEntry;
    QString entryCode;
    int currentYearIndex = 0; // button of the current year; 0 after a menu collection, 47 after a walked one
    int nextYearIndex = 0;    // working value of the photo click
    bool entryChosen = false; // a click, space key or photo click chose an entry
    bool firstClickPending = false;
    bool refreshPending = false; // the slide show asks for a picture refresh

    bool hasEntry() const { return entryText != catalogue::kNoEntry; }
};
