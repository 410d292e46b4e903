#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace kw {

// The steps of one save, in the order they run.
enum class WriteStep { Open, Write, Flush, Sync, Rename };

// Every file the program writes goes through one FileWriter. A save writes a
// temporary file beside the target (named "<name>.kwsave-XXXXXX", a name the
// program alone uses, so start-up can tell its own leftovers from anything
// else), checks that every byte was accepted, syncs it to the disk, renames
// it over the target and syncs the folder. Only then does it return.
class FileWriter {
public:
    // Returns true to make that step fail, for tests; empty in the program.
    // path is the file being replaced, not the temporary.
    using Fault = std::function<bool(WriteStep step, const QString &path)>;

    FileWriter() = default;
    explicit FileWriter(Fault fault);

    // Replaces the file at path with bytes, or leaves it exactly as it was.
    // Throws RuntimeError(FileAccess) naming the file (its name, not its
    // folder) and the reason. A path that is a symbolic link, a folder or
    // anything but a plain file is refused, never followed.
    void write(const QString &path, const QByteArray &bytes) const;

    // The infix of the writer's temporary files, and whether name is one of
    // them for the file called target.
    static QString temporaryInfix() { return QStringLiteral(".kwsave-"); }
    static bool isTemporaryOf(const QString &name, const QString &target);

private:
    bool fails(WriteStep step, const QString &path) const;

    Fault m_fault;
};

} // namespace kw
