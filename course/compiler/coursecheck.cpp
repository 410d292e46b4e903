#include "compiler/coursecheck.h"

#include "checking/answercheck.h"
#include "compiler/coursecompiler.h"
#include "compiler/mhtml.h"
#include "data/catalogue.h"
#include "data/papercontent.h"
#include "data/resources.h"
#include "data/runtimeerror.h"
#include "data/recordfile.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace kw {

namespace {

constexpr int kMaxSlotsPerQuestion = 20;
constexpr int kMaxFollowers = 20;

// A page's HTML as the words a pupil reads: tags dropped, entities and
// raised 2 and 3 turned into characters, white space run together.
QString readableText(QString html)
{
    static const QRegularExpression square(QStringLiteral("<sup>\\s*2\\s*</sup>"));
    static const QRegularExpression cube(QStringLiteral("<sup>\\s*3\\s*</sup>"));
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression entity(QStringLiteral("&(#x[0-9a-fA-F]+|#\\d+|[a-zA-Z0-9]+);"));
    static const QRegularExpression space(QStringLiteral("\\s+"));
    static const QHash<QString, QString> named{
        {QStringLiteral("nbsp"), QStringLiteral(" ")},   {QStringLiteral("deg"), QStringLiteral("°")},
        {QStringLiteral("pound"), QStringLiteral("£")},  {QStringLiteral("sup2"), QStringLiteral("²")},
        {QStringLiteral("sup3"), QStringLiteral("³")},   {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},     {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")}, {QStringLiteral("minus"), QStringLiteral("-")},
        {QStringLiteral("ndash"), QStringLiteral("-")},  {QStringLiteral("times"), QStringLiteral("×")},
        {QStringLiteral("divide"), QStringLiteral("÷")}, {QStringLiteral("frasl"), QStringLiteral("/")},
    };
    html.replace(square, QStringLiteral("²"));
    html.replace(cube, QStringLiteral("³"));
    html.replace(tag, QStringLiteral(" "));
    QString text;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &m : entity.globalMatch(html)) {
        text += html.mid(done, m.capturedStart() - done);
        const QString name = m.captured(1);
        if (name.startsWith(QLatin1String("#x")))
            text += QChar(char16_t(name.mid(2).toUInt(nullptr, 16)));
        else if (name.startsWith(QLatin1Char('#')))
            text += QChar(char16_t(name.mid(1).toUInt()));
        else
            text += named.value(name, QStringLiteral(" "));
        done = m.capturedEnd();
    }
    text += html.mid(done);
    return text.replace(space, QStringLiteral(" ")).trimmed();
}

// What a compiled page asks: its instruction, its whole question and, when
// it has them, each labelled part on its own.
struct PageWords {
    QString instruction;
    QString question;
    QStringList parts;
    QStringList altTexts; // one per picture; null when a picture has none
};

PageWords pageWords(const QString &html)
{
    static const QRegularExpression instruction(QStringLiteral("<p class=\"instruction\">(.*?)</p>"),
                                                QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression part(QStringLiteral("<p class=\"part\">(.*?)</p>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression picture(QStringLiteral("<img\\b[^>]*>"));
    static const QRegularExpression alt(QStringLiteral("\\salt=\"([^\"]*)\""));
    PageWords words;
    words.instruction = readableText(instruction.match(html).captured(1));
    const qsizetype body = html.indexOf(QLatin1String("<div class=\"question\">"));
    const QString question = body < 0 ? QString() : html.mid(body);
    words.question = readableText(question);
    for (const QRegularExpressionMatch &m : part.globalMatch(question))
        words.parts.append(readableText(m.captured(1)));
    for (const QRegularExpressionMatch &m : picture.globalMatch(question)) {
        const QRegularExpressionMatch a = alt.match(m.captured());
        words.altTexts.append(a.hasMatch() ? a.captured(1) : QString());
    }
    return words;
}


struct Checker {
    const ResourceLookup &lookup;
    QStringList problems;
    QSet<QString> idsSeen;

    void problem(const QString &text) { problems.append(text); }

    // Parses a resource with the player's own reader.
    std::optional<RecordFile> table(int id)
    {
        const std::optional<QByteArray> bytes = lookup(id);
        if (!bytes) {
            problem(QStringLiteral("resource %1 is missing").arg(id));
            return std::nullopt;
        }
        return RecordFile::fromBytes(*bytes, QString::number(id));
    }

    // Record keys of a table, in file order.
    QStringList keysInOrder(const QByteArray &bytes)
    {
        static const QRegularExpression key(QStringLiteral("^#([^#]*)#"));
        QStringList keys;
        for (const QByteArray &line : bytes.split('\n')) {
            const QRegularExpressionMatch m = key.match(QString::fromUtf8(line));
            if (m.hasMatch())
                keys.append(m.captured(1));
        }
        return keys;
    }

    void checkOrder(int table, const QStringList &keys)
    {
        for (int i = 1; i < keys.size(); ++i) {
            if (keys.at(i).toInt() <= keys.at(i - 1).toInt())
                problem(QStringLiteral("table %1: record %2 follows %3 (records must be in ascending key order)")
                            .arg(table)
                            .arg(keys.at(i), keys.at(i - 1)));
        }
    }

    void checkGroups(const QString &where, const QStringList &keys, const QStringList &types)
    {
        for (int v = 1; v <= keys.size(); ++v) {
            const QString &key = keys.at(v - 1);
            const QString &type = types.at(v - 1);
            if (key != QLatin1String(" "))
                continue;
            if (type != QLatin1String("G") && type != QLatin1String("M")) {
                problem(QStringLiteral("%1 slot %2: a single-space key belongs to a G or M group, not type %3")
                            .arg(where)
                            .arg(v)
                            .arg(type));
                continue;
            }
            int head = v - 1;
            while (head >= 1 && keys.at(head - 1) == QLatin1String(" "))
                --head;
            if (head < 1) {
                problem(QStringLiteral("%1 slot %2: group follower with no head before it").arg(where).arg(v));
                continue;
            }
            if (v - head > kMaxFollowers)
                problem(QStringLiteral("%1 slot %2: a group has at most %3 followers").arg(where).arg(v).arg(kMaxFollowers));
        }
        // Enough alternatives for every slot of each group.
        for (int head = 1; head <= keys.size(); ++head) {
            if (keys.at(head - 1) == QLatin1String(" ") || !keys.at(head - 1).startsWith(QLatin1Char(';')))
                continue;
            int size = 1;
            while (head + size <= keys.size() && keys.at(head + size - 1) == QLatin1String(" "))
                ++size;
            const int alternatives = int(alternativesOf(keys.at(head - 1)).size());
            if (size > 1 && alternatives < size)
                problem(QStringLiteral("%1 slot %2: a group of %3 slots has only %4 alternatives")
                            .arg(where)
                            .arg(head)
                            .arg(size)
                            .arg(alternatives));
            if (size == 1 && types.at(head - 1) == QLatin1String("G"))
                problem(QStringLiteral("%1 slot %2: a G group needs single-space followers (use M for one slot)")
                            .arg(where)
                            .arg(head));
            if (size > 1 && types.at(head - 1) != QLatin1String("G") && types.at(head - 1) != QLatin1String("M"))
                problem(QStringLiteral("%1 slot %2: a group head must be of type G").arg(where).arg(head));
        }
    }

    // Returns the page's HTML, or "" when there is no readable page.
    QString checkPage(const QString &id)
    {
        const std::optional<QByteArray> bytes = lookup(id.toInt());
        if (!bytes) {
            problem(QStringLiteral("question %1: page is missing").arg(id));
            return {};
        }
        if (!bytes->contains("\r\n") || bytes->count('\n') != bytes->count("\r\n"))
            problem(QStringLiteral("question %1: page lines must end in CR LF").arg(id));
        const MhtmlDocument page = parseMhtml(*bytes);
        if (!page.error.isEmpty()) {
            problem(QStringLiteral("question %1: page is not MIME HTML: %2").arg(id, page.error));
            return {};
        }
        if (!page.parts.first().contentType.startsWith("text/html")) {
            problem(QStringLiteral("question %1: page's first part is not HTML").arg(id));
            return {};
        }
        QSet<QByteArray> partIds;
        for (const MhtmlPart &part : page.parts)
            partIds.insert(part.contentId);
        for (const QByteArray &ref : contentIdReferences(page.parts.first().body)) {
            if (!partIds.contains(ref))
                problem(QStringLiteral("question %1: page refers to cid:%2, which it does not hold").arg(id, QString::fromUtf8(ref)));
        }
        for (const MhtmlPart &part : page.parts.mid(1)) {
            if (part.body.isEmpty())
                problem(QStringLiteral("question %1: part %2 is empty").arg(id, QString::fromUtf8(part.contentId)));
        }
        if (page.parts.first().body.contains("<script"))
            problem(QStringLiteral("question %1: page holds a script").arg(id));
        return QString::fromUtf8(page.parts.first().body);
    }

    // What the page asks against how its slots are marked: a number whose
    // unit the question names carries that unit, a multiple-choice question
    // asks for the option's number, and every picture is described.
    void checkWording(const QString &id, const QString &html, const QStringList &types, const QStringList &units)
    {
        const PageWords words = pageWords(html);
        for (const QString &alt : words.altTexts) {
            if (alt.trimmed().isEmpty())
                problem(QStringLiteral("question %1: a picture has no alt text describing it").arg(id));
        }
        if (types.contains(QStringLiteral("Q")) && !asksForOptionNumber(words.instruction))
            problem(QStringLiteral("question %1: a multiple-choice question's instruction must ask for the option's "
                                   "number (\"Write the number of the correct answer.\")")
                        .arg(id));
        const bool byPart = types.size() >= 2 && words.parts.size() == types.size();
        for (int k = 0; k < types.size(); ++k) {
            if (types.at(k) != QLatin1String("N"))
                continue;
            const QString asked = words.instruction + QLatin1Char(' ') + (byPart ? words.parts.at(k) : words.question);
            const QStringList named = unitsNamedIn(asked);
            if (!named.isEmpty() && !named.contains(units.value(k)))
                problem(QStringLiteral("question %1: slot %2 asks for a number in %3 but %4")
                            .arg(id)
                            .arg(k + 1)
                            .arg(named.join(QStringLiteral(" or ")),
                                 units.value(k).isEmpty() ? QStringLiteral("declares no unit")
                                                          : QStringLiteral("declares %1").arg(units.value(k))));
        }
    }

    void checkSubject(int s, const CatalogueSubject &subject)
    {
        const QString name = QStringLiteral("subject %1").arg(s);
        if (subject.topicCount < 1 || subject.topicCount > kTopicNameCapacity)
            problem(QStringLiteral("%1: %2 topics (1 to 10)").arg(name).arg(subject.topicCount));
        if (subject.paperCount != kPapersPerTopic * subject.topicCount)
            problem(QStringLiteral("%1: %2 papers for %3 topics (five each)").arg(name).arg(subject.paperCount).arg(subject.topicCount));
        for (int t = 0; t < subject.topicCount && t < kTopicNameCapacity; ++t) {
            if (subject.topicNames.at(t).trimmed().isEmpty())
                problem(QStringLiteral("%1: topic %2 has no name").arg(name).arg(t + 1));
        }

        std::optional<RecordFile> tables[7];
        for (int number = 2; number <= 6; ++number)
            tables[number] = table(contentTableResource(s, number));
        if (!tables[2] || !tables[3] || !tables[4] || !tables[5] || !tables[6])
            return;
        QStringList keyOrder[7]; // the keys of each table, in file order
        for (int table = 2; table <= 6; ++table) {
            keyOrder[table] = keysInOrder(*lookup(contentTableResource(s, table)));
            checkOrder(contentTableResource(s, table), keyOrder[table]);
        }
        for (int table = 4; table <= 6; ++table) {
            if (keyOrder[table] != keyOrder[3])
                problem(QStringLiteral("%1: tables %2 and %3 list different questions")
                            .arg(name)
                            .arg(contentTableResource(s, 3))
                            .arg(contentTableResource(s, table)));
        }

        QList<int> slotsPerPaper;
        QStringList usedIds;
        for (int index = 1; index <= subject.paperCount && index <= kProgressCapacity; ++index) {
            const int paper = 100 + index;
            const QString where = QStringLiteral("%1 paper %2").arg(name).arg(paper);
            try {
                const QStringList ids = tables[2]->allFields(QString::number(paper));
                usedIds += ids;
                const QStringList keys = tables[3]->fieldsForKeys(ids);
                const QStringList types = tables[4]->fieldsForKeys(ids);
                const QStringList marks = tables[5]->fieldsForKeys(ids);
                const QStringList units = tables[6]->fieldsForKeys(ids);
                const QList<int> counts[4] = {tables[3]->fieldCountsForKeys(ids), tables[4]->fieldCountsForKeys(ids),
                                              tables[5]->fieldCountsForKeys(ids), tables[6]->fieldCountsForKeys(ids)};
                const bool slotsAgree = types.size() == keys.size() && marks.size() == keys.size()
                                        && units.size() == keys.size();
                int first = 0;
                for (int q = 0; q < ids.size(); ++q) {
                    if (counts[0].at(q) != counts[1].at(q) || counts[0].at(q) != counts[2].at(q)
                        || counts[0].at(q) != counts[3].at(q))
                        problem(QStringLiteral("%1 question %2: %3 keys, %4 types, %5 marks, %6 units")
                                    .arg(where, ids.at(q))
                                    .arg(counts[0].at(q))
                                    .arg(counts[1].at(q))
                                    .arg(counts[2].at(q))
                                    .arg(counts[3].at(q)));
                    if (counts[0].at(q) < 1 || counts[0].at(q) > kMaxSlotsPerQuestion)
                        problem(QStringLiteral("%1 question %2: %3 slots (1 to 20)").arg(where, ids.at(q)).arg(counts[0].at(q)));
                    if (idsSeen.contains(ids.at(q)))
                        problem(QStringLiteral("%1: question id %2 is used twice").arg(where, ids.at(q)));
                    idsSeen.insert(ids.at(q));
                    const QString html = checkPage(ids.at(q));
                    if (slotsAgree && !html.isEmpty())
                        checkWording(ids.at(q), html, types.mid(first, counts[0].at(q)), units.mid(first, counts[0].at(q)));
                    first += counts[0].at(q);
                }
                if (keys.size() > kPaperFieldCapacity)
                    problem(QStringLiteral("%1: %2 slots (at most 80)").arg(where).arg(keys.size()));
                slotsPerPaper.append(int(keys.size()));
                if (!slotsAgree)
                    continue;
                int total = 0;
                for (int v = 1; v <= keys.size(); ++v) {
                    const QString at = QStringLiteral("%1 slot %2 (question %3)")
                                           .arg(where)
                                           .arg(v)
                                           .arg(ids.at(questionOfSlot(counts[0], v) - 1));
                    bool whole = false;
                    const int mark = marks.at(v - 1).toInt(&whole);
                    if (!whole || mark < 1)
                        problem(QStringLiteral("%1: mark \"%2\" is not a whole number of at least 1").arg(at, marks.at(v - 1)));
                    else
                        total += mark;
                    if (keys.at(v - 1) != QLatin1String(" ")) {
                        const QString form = keyFormProblem(types.at(v - 1), keys.at(v - 1));
                        if (!form.isEmpty())
                            problem(at + QStringLiteral(": ") + form);
                    }
                    const QString &unit = units.at(v - 1);
                    if (!unit.isEmpty() && !unitOf(unit))
                        problem(QStringLiteral("%1: unit \"%2\" is not one the answer sheet knows").arg(at, unit));
                    else if (!unit.isEmpty() && types.at(v - 1) != QLatin1String("N"))
                        problem(QStringLiteral("%1: only a number (N) slot takes a unit, not type %2").arg(at, types.at(v - 1)));
                    const bool head = keys.at(v - 1).startsWith(QLatin1Char(';')) && v < keys.size()
                                      && keys.at(v) == QLatin1String(" ");
                    if (head) {
                        const QString twice = sameWordTwice(alternativesOf(keys.at(v - 1)));
                        if (!twice.isEmpty())
                            problem(QStringLiteral("%1: the group lists %2, spellings of one word, so one answer "
                                                   "could score twice")
                                        .arg(at, twice));
                    }
                }
                if (total < 20 || total > 100)
                    problem(QStringLiteral("%1: %2 marks in all (20 to 100)").arg(where).arg(total));
                checkGroups(where, keys, types);
            } catch (const RuntimeError &error) {
                problem(QStringLiteral("%1 cannot be read: %2").arg(where, error.detail()));
                slotsPerPaper.append(0);
            }
        }
        for (const QString &id : keyOrder[3]) {
            if (!usedIds.contains(id))
                problem(QStringLiteral("%1: question %2 is in the tables but on no paper").arg(name, id));
        }

        checkTemplate(progressTemplateResource(s, 1), summaryTemplate(subject.paperCount));
        for (int f = 2; f <= 5; ++f)
            checkTemplate(progressTemplateResource(s, f), paperTemplate(slotsPerPaper));
        checkTemplate(progressTemplateResource(s, 6), kTrendTemplate);
    }

    void checkTemplate(int id, const QByteArray &expected)
    {
        const std::optional<QByteArray> bytes = lookup(id);
        if (!bytes)
            problem(QStringLiteral("template %1 is missing").arg(id));
        else if (*bytes != expected)
            problem(QStringLiteral("template %1 does not match the papers' slot counts").arg(id));
    }

    void run()
    {
        const std::optional<RecordFile> file = table(kCatalogueResource);
        if (!file)
            return;
        Catalogue catalogue;
        try {
            catalogue = readCatalogue(*file);
        } catch (const RuntimeError &error) {
            problem(QStringLiteral("catalogue cannot be read: %1").arg(error.detail()));
            return;
        }
        const QByteArray bytes = *lookup(kCatalogueResource);
        if (!bytes.startsWith("...\r\n") || !bytes.endsWith("\r\n..."))
            problem(QStringLiteral("catalogue must begin with a line \"...\" and end with \"...\""));
        if (!bytes.contains("\r\n" + QByteArray(31, '-') + "\r\n"))
            problem(QStringLiteral("catalogue has no divider line of 31 '-'"));
        if (catalogue.title.isEmpty())
            problem(QStringLiteral("catalogue has no title"));
        static const QRegularExpression codeForm(QStringLiteral("^[A-Za-z0-9]+$"));
        if (!codeForm.match(catalogue.code).hasMatch())
            problem(QStringLiteral("product code \"%1\" must be letters and digits only").arg(catalogue.code));
        bool any = false;
        for (int s = 1; s <= 3; ++s) {
            if (!catalogue.hasSubject(s))
                continue;
            any = true;
            checkSubject(s, catalogue.subject(s));
        }
        if (!any)
            problem(QStringLiteral("catalogue names no subject"));
    }
};

} // namespace

ResourceLookup embeddedCourse()
{
    return [](int id) -> std::optional<QByteArray> {
        QFile f(resourcePath(id, QStringLiteral("Custom")));
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        return f.readAll();
    };
}

QString keyFormProblem(const QString &type, const QString &key)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    static const QRegularExpression option(QStringLiteral("^[1-9]$"));
    static const QRegularExpression fraction(QStringLiteral("^\\d+/\\d+$"));
    static const QRegularExpression mixed(QStringLiteral("^\\d+ \\d+/\\d+$"));
    static const QRegularExpression ratio(QStringLiteral("^\\d+(:\\d+)+$"));
    auto fits = [&](const QRegularExpression &form) { return form.match(key).hasMatch(); };

    if (type == QLatin1String("N"))
        return fits(number) ? QString() : QStringLiteral("N key \"%1\" is not a number").arg(key);
    if (type == QLatin1String("Q"))
        return fits(option) ? QString() : QStringLiteral("Q key \"%1\" is not an option number 1 to 9").arg(key);
    if (type == QLatin1String("F"))
        return fits(fraction) ? QString() : QStringLiteral("F key \"%1\" is not a fraction like 9/28").arg(key);
    if (type == QLatin1String("X"))
        return fits(mixed) ? QString() : QStringLiteral("X key \"%1\" is not a mixed number like 1 3/5").arg(key);
    if (type == QLatin1String("R"))
        return fits(ratio) ? QString() : QStringLiteral("R key \"%1\" is not a ratio like 5:3").arg(key);
    if (type == QLatin1String("M") || type == QLatin1String("G")) {
        if (!key.startsWith(QLatin1Char(';')) || key.size() < 2)
            return QStringLiteral("%1 key \"%2\" must list alternatives, each after ';'").arg(type, key);
        for (const QString &alternative : alternativesOf(key)) {
            if (normaliseAnswer(alternative).isEmpty())
                return QStringLiteral("%1 key \"%2\" has an empty alternative").arg(type, key);
        }
        return {};
    }
    if (type == QLatin1String("T") || type == QLatin1String("L"))
        return normaliseAnswer(key).isEmpty() ? QStringLiteral("%1 key is empty").arg(type) : QString();
    return QStringLiteral("unknown type letter \"%1\"").arg(type);
}

bool asksForOptionNumber(const QString &instruction)
{
    static const QRegularExpression asks(QStringLiteral("\\b(write|type)\\b[^.]*\\bnumber\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return asks.match(instruction).hasMatch();
}

QStringList unitsNamedIn(const QString &text)
{
    struct Found {
        qsizetype start, end;
        QString symbol;
    };
    QList<Found> found;
    const QString lead = QStringLiteral("\\b(?:[Ii]n|[Hh]ow many|[Nn]umber of)\\s+(?:the\\s+)?(");
    const QString tail = QStringLiteral(")(?![\\w²³/])");
    for (const Unit &unit : unitSpellings()) {
        for (const QString &spelling : {unit.symbol, unit.name}) {
            // Short symbols keep their case: "in N" is newtons, "in n" is not.
            const QString pattern = spelling.size() <= 2 ? QRegularExpression::escape(spelling)
                                                         : QStringLiteral("(?i:%1)").arg(QRegularExpression::escape(spelling));
            const QRegularExpression phrase(lead + pattern + tail);
            for (const QRegularExpressionMatch &m : phrase.globalMatch(text))
                found.append({m.capturedStart(1), m.capturedEnd(1), unit.symbol});
        }
    }
    static const QRegularExpression percentage(QStringLiteral("\\b(?:what|as an?|which) percentage\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch &m : percentage.globalMatch(text))
        found.append({m.capturedStart(), m.capturedEnd(), QStringLiteral("%")});

    QStringList named;
    for (const Found &f : std::as_const(found)) {
        // "in degrees Celsius" names °C, not also °.
        const bool inside = std::any_of(found.begin(), found.end(), [&](const Found &other) {
            return other.start <= f.start && other.end >= f.end && other.end - other.start > f.end - f.start;
        });
        if (!inside && !named.contains(f.symbol))
            named.append(f.symbol);
    }
    return named;
}

QString spellingVariantForm(const QString &word)
{
    static const QList<std::pair<QRegularExpression, QString>> rules{
        {QRegularExpression(QStringLiteral("ou")), QStringLiteral("o")},
        {QRegularExpression(QStringLiteral("re(s|d)?\\b")), QStringLiteral("er\\1")},
        {QRegularExpression(QStringLiteral("is(e|ed|es|ing|ation|ations)\\b")), QStringLiteral("iz\\1")},
        {QRegularExpression(QStringLiteral("ys(e|ed|es|ing)\\b")), QStringLiteral("yz\\1")},
        {QRegularExpression(QStringLiteral("ogue\\b")), QStringLiteral("og")},
        {QRegularExpression(QStringLiteral("ll(ed|ing|er)\\b")), QStringLiteral("l\\1")},
    };
    QString form = normaliseAnswer(word);
    for (const auto &[pattern, replacement] : rules)
        form.replace(pattern, replacement);
    return form;
}

QString sameWordTwice(const QStringList &alternatives)
{
    for (int i = 0; i < alternatives.size(); ++i) {
        for (int j = i + 1; j < alternatives.size(); ++j) {
            if (normaliseAnswer(alternatives.at(i)) != normaliseAnswer(alternatives.at(j))
                && spellingVariantForm(alternatives.at(i)) == spellingVariantForm(alternatives.at(j)))
                return QStringLiteral("\"%1\" and \"%2\"").arg(alternatives.at(i), alternatives.at(j));
        }
    }
    return {};
}

QStringList checkCourse(const ResourceLookup &lookup)
{
    Checker checker{lookup, {}, {}};
    checker.run();
    return checker.problems;
}

} // namespace kw
