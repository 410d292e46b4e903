#pragma once

#include "checking/marking.h"
#include "data/filewriter.h"
#include "data/papercontent.h"
#include "data/progressfiles.h"
#include "data/recordfile.h"
#include "data/verdict.h"
#include "practice/attempt.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace kw {

// Which paper is being worked, and where its files are.
struct PaperAddress {
    QString folder;       // the program's data folder
    int subject = 1;      // 1..3
    QString code;         // product code
    int paperCount = 0;   // papers of the subject: the length of every per-paper list
    int paperNumber = 101;

    int index() const { return paperNumber - 100; }
};

// One paper being worked in one attempt: its content, the pupil's answers and
// results for it, and the subject's summary. Holds no widgets; the practice
// window shows it.
class PaperSession {
public:
    // Reads the paper's content tables and this attempt's stored progress.
    // Throws RuntimeError when any of them cannot be read. Every file the
    // session writes goes through writer, which must outlive the session.
    PaperSession(const PaperAddress &address, const Attempt &attempt, const FileWriter &writer);
    PaperSession(const PaperAddress &, const Attempt &, const FileWriter &&) = delete;

    const PaperAddress &address() const { return m_address; }
    const Attempt &attempt() const { return m_attempt; }
    const PaperContent &content() const { return m_content; }

    QStringList answers;    // one per slot
    QList<Verdict> results; // one per slot
    // What the first attempt gave and scored, for an attempt that carries
    // over from it; empty otherwise.
    const QStringList &firstAnswers() const { return m_firstAnswers; }
    const QList<Verdict> &firstResults() const { return m_firstResults; }
    const SubjectProgress &summary() const { return m_summary; }

    // Whether this attempt at the paper has been marked.
    bool marked() const;
    QString storedPercent() const;
    QString storedTime() const;
    QString storedDate() const;

    // Writes the answers into the paper's record of the attempt's answers file.
    void saveAnswers();

    // Whether slot (1-based) was right in the first attempt and is carried
    // over into this one, locked.
    bool carriedOver(int slot) const;
    // Why the first attempt's answer to slot was wrong, when the rules can
    // tell and this attempt is not yet marked; "" otherwise.
    QString hint(int slot, const QLocale &locale = QLocale::system()) const;
    // The answer shown beside slot once it is judged wrong.
    QString modelAnswer(int slot) const;

    // The first slot whose answer is empty (not trimmed), or 0. Carried-over
    // slots are never counted as empty.
    int firstEmptySlot() const;
    // Slots whose answer is not empty.
    int answeredCount() const;
    // Questions with a slot whose answer is blank once trimmed (carried-over
    // slots never are), ascending.
    QList<int> remainingQuestions() const;

    // Judges every slot and stores the results and the percentage (and, for
    // a timed attempt, the time and date) in the progress files, all
    // committed together. Throws RuntimeError when
    // a file cannot be written; the session is then left unmarked (and the
    // files either as they were or, when the commit had been reached, to be
    // completed by the next marking or the next start).
    PaperMarking mark(qint64 secondsTaken, const QString &date, const QLocale &locale = QLocale::system());

private:
    PaperAddress m_address;
    Attempt m_attempt;
    const FileWriter *m_writer;
    PaperContent m_content;
    SubjectProgress m_summary;
    RecordFile m_answerFile; // the attempt's answers file, as last read or written
    QStringList m_firstAnswers;
    QList<Verdict> m_firstResults;
};

} // namespace kw
