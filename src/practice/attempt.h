#pragma once

#include "data/progressfiles.h"

#include <QString>

namespace kw {

// Everything that differs between working a paper the first time and trying
// it again: which files hold this attempt's answers and results, which summary
// fields hold its score and state, and what else the attempt keeps.
struct Attempt {
    QString windowName;                // "Test1", "Test2"
    ProgressFile answersFile;
    ProgressFile resultsFile;
    SummaryField score = SummaryField::FirstScore;
    SummaryField state = SummaryField::FirstState;
    bool timed = true;                 // has a clock, a time taken and a completion date, and enters the trend
    bool carriesOver = false;          // starts from the first attempt: its right answers locked in, hints for the rest

    static Attempt first()
    {
        return {QStringLiteral("Test1"), ProgressFile::First, ProgressFile::FirstResults,
                SummaryField::FirstScore, SummaryField::FirstState, true, false};
    }

    static Attempt second()
    {
        return {QStringLiteral("Test2"), ProgressFile::Second, ProgressFile::SecondResults,
                SummaryField::SecondScore, SummaryField::SecondState, false, true};
    }
};

} // namespace kw
