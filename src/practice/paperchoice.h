#pragma once

#include "data/catalogue.h"
#include "practice/attempt.h"

#include <QString>

namespace kw {

// The paper the pupil chose on the main window, and everything a practice
// window needs to know about that choice.
struct PaperChoice {
    int subject = 1;          // 1..3
    int paperNumber = 101;    // 101 .. 100 + paperCount
    Attempt attempt = Attempt::first();
    QString topicName;
    int paperCount = 0;       // papers of the subject
    QString productCode;

    // Papers are numbered through the subject; a topic owns five in a row.
    int paperInTopic() const { return placeInTopic(paperNumber); }
};

} // namespace kw
