// The course sources from arbitrary text, through everything kwcompile does
// with them: reading, compiling, and checking what was compiled. The input is
// a paper's source; when it holds a line "%%", the text before that line is
// the catalogue instead of the one-subject catalogue below. Every paper the
// catalogue names under the folder "science" reads the paper text. Sources
// report their problems as text: nothing may crash, hang or throw.

#include "fuzzcheck.h"

#include "compiler/coursecheck.h"
#include "compiler/coursecompiler.h"
#include "compiler/coursesource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using namespace kw;
using kwfuzz::require;

namespace {

const QByteArray kCatalogue = "title: Fuzzed Papers\n"
                              "code: FZ1\n"
                              "subject 3: Science\n"
                              "folder 3: science\n"
                              "topics 3: Living Things\n";

// Papers may show a picture; this one is there to be found.
const QByteArray kPicture = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"4\"/>\n";

// At most this many topics (five papers each) in a fuzzed catalogue, so one
// input never reads thousands of files.
constexpr int kMostTopicSeparators = 12;

QString courseRoot()
{
    static std::unique_ptr<QTemporaryDir> folder = [] {
        auto dir = std::make_unique<QTemporaryDir>();
        require(dir->isValid(), "a temporary folder for the course");
        QDir(dir->path()).mkpath(QStringLiteral("science/figures"));
        QFile picture(dir->path() + QStringLiteral("/science/figures/leaf.svg"));
        require(picture.open(QIODevice::WriteOnly) && picture.write(kPicture) == kPicture.size(),
                "the course picture is written");
        QFile style(dir->path() + QStringLiteral("/style.css"));
        require(style.open(QIODevice::WriteOnly) && style.write("p { margin: 0; }\n") > 0,
                "the stylesheet is written");
        return dir;
    }();
    return folder->path();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
                && file.flush(),
            "a source file is written", path);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = kwfuzz::bytesOf(data, size);
    QByteArray catalogue = kCatalogue;
    QByteArray paper = input;
    const qsizetype divider = input.startsWith("%%\n") ? 0 : input.indexOf("\n%%\n");
    if (divider >= 0) {
        catalogue = input.left(divider);
        paper = input.mid(divider + (divider == 0 ? 3 : 4));
        if (catalogue.count('|') > kMostTopicSeparators)
            return 0;
    }

    const QString root = courseRoot();
    writeFile(root + QStringLiteral("/catalogue.txt"), catalogue);
    for (int number = 101; number <= 100 + kPapersPerTopic * (kMostTopicSeparators + 1); ++number) {
        const QString path = QStringLiteral("%1/science/%2.txt").arg(root).arg(number);
        if (number == 101 || number <= 100 + kPapersPerTopic * (catalogue.count('|') + 1))
            writeFile(path, paper);
        else if (QFile::exists(path))
            QFile::remove(path);
    }

    QStringList problems;
    const CourseSource source = readCourseSource(root, &problems);
    courseSourceFiles(source);
    const CompiledCourse course = compileCourse(source, &problems);
    if (problems.isEmpty()) {
        problems += checkCourse([&course](int id) -> std::optional<QByteArray> {
            if (!course.contains(id))
                return std::nullopt;
            return course.value(id);
        });
    }
    for (const QString &problem : std::as_const(problems))
        require(!problem.isEmpty(), "every problem says what it is");
    return 0;
}
