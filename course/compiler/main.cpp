// kwcompile: turns the course sources into the resources embedded in the
// player, and refuses a course that the player could not read soundly.
//
//   kwcompile <course folder> <output folder> <qrc file>

#include "compiler/coursecheck.h"
#include "compiler/coursecompiler.h"
#include "compiler/coursesource.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 4) {
        err << "usage: kwcompile <course folder> <output folder> <qrc file>\n";
        return 2;
    }

    QStringList problems;
    const kw::CourseSource source = kw::readCourseSource(args.at(1), &problems);
    const kw::CompiledCourse course = kw::compileCourse(source, &problems);
    if (problems.isEmpty()) {
        problems += kw::checkCourse([&course](int id) -> std::optional<QByteArray> {
            if (!course.contains(id))
                return std::nullopt;
            return course.value(id);
        });
    }
    if (!problems.isEmpty()) {
        for (const QString &problem : std::as_const(problems))
            err << "kwcompile: " << problem << '\n';
        err << "kwcompile: " << problems.size() << " problem(s); the course was not compiled\n";
        return 1;
    }
    if (!kw::writeCompiledCourse(course, args.at(2), args.at(3), &problems)) {
        for (const QString &problem : std::as_const(problems))
            err << "kwcompile: " << problem << '\n';
        return 1;
    }
    return 0;
}
