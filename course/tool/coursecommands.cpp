#include "tool/coursecommands.h"

#include "data/catalogue.h"
#include "data/papercontent.h"
#include "data/resources.h"
#include "data/runtimeerror.h"

namespace kw {

namespace {

bool toNumber(const QString &text, int *value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

} // namespace

int runList(QTextStream &out, QTextStream &err)
{
    try {
        const Catalogue catalogue = loadCatalogue();
        if (catalogue.title.isEmpty() && catalogue.code.isEmpty()) {
            err << "kwcourse: this executable carries no catalogue\n";
            return 1;
        }
        out << "Title: " << catalogue.title << '\n' << "Code: " << catalogue.code << '\n';
        for (int s = 1; s <= 3; ++s) {
            if (!catalogue.hasSubject(s))
                continue;
            const CatalogueSubject &subject = catalogue.subject(s);
            out << '\n'
                << "Subject " << s << ": " << subject.name << " (" << subject.topicCount << " topics, "
                << subject.paperCount << " papers)\n";
            for (int t = 0; t < subject.topicCount; ++t) {
                const int first = 101 + 5 * t;
                out << "  " << t + 1 << ". " << subject.topicNames.at(t) << "  (papers " << first << "-" << first + 4
                    << ")\n";
            }
        }
    } catch (const RuntimeError &error) {
        err << "kwcourse: the catalogue cannot be read: " << error.detail() << '\n';
        return 1;
    }
    return 0;
}

int runPaper(const QString &subjectText, const QString &paperText, QTextStream &out, QTextStream &err)
{
    int subject = 0;
    int paper = 0;
    if (!toNumber(subjectText, &subject) || subject < 1 || subject > 3 || !toNumber(paperText, &paper)) {
        err << "kwcourse: usage: kwcourse paper SUBJECT PAPER   (SUBJECT 1-3, PAPER such as 101)\n";
        return 2;
    }
    try {
        const PaperContent content = loadPaperContent(subject, paper);
        out << "Questions: " << content.questionIds.join(QLatin1Char(' ')) << '\n';
        for (int slot = 1; slot <= content.slotCount(); ++slot) {
            out << slot << '\t' << content.questionIds.at(content.questionOfSlot(slot) - 1) << '\t'
                << content.keys.at(slot - 1) << '\t' << slotTypeLetter(content.types.at(slot - 1)) << '\t'
                << content.marks.at(slot - 1);
            if (!content.units.at(slot - 1).isEmpty())
                out << '\t' << content.units.at(slot - 1);
            out << '\n';
        }
        out << "Total marks: " << content.totalMarks << '\n';
    } catch (const RuntimeError &error) {
        err << "kwcourse: paper " << paper << " of subject " << subject << " cannot be read: " << error.detail() << '\n';
        return 1;
    }
    return 0;
}

int runValidate(const ResourceLookup &lookup, QTextStream &out, QTextStream &err)
{
    const QStringList problems = checkCourse(lookup);
    for (const QString &problem : problems)
        err << problem << '\n';
    if (!problems.isEmpty()) {
        err << problems.size() << " problem(s)\n";
        return 1;
    }
    out << "The course is sound.\n";
    return 0;
}

int runPage(const QString &idText, const QString &file, QTextStream &err)
{
    int id = 0;
    if (!toNumber(idText, &id)) {
        err << "kwcourse: usage: kwcourse page ID FILE\n";
        return 2;
    }
    const int error = extractResourceToFile(id, QStringLiteral("Custom"), file);
    if (error != 0) {
        err << "kwcourse: page " << idText << " cannot be written to " << file << " (error " << error << ")\n";
        return 1;
    }
    return 0;
}

} // namespace kw
