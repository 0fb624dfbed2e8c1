#include "core/reference/FirstLines.h"

namespace esoa {

QString CodeConflict::Text() const {
    return QStringLiteral(
               "code \"%1\" is also in %2 line %3 with another description: \"%4\" there is kept, "
               "\"%5\" of %6 line %7 is not stored")
        .arg(code, keptFile, QString::number(keptLine), keptDescription, description, file,
             QString::number(line));
}

FirstLines::Noted FirstLines::Note(const QString& file, int line, const QString& code,
                                   const QString& description) {
    const CodeKey key(code);
    const auto found = first_.constFind(key);
    if (found == first_.constEnd()) {
        first_.insert(key, Line{file, line, description});
        return {true, std::nullopt};
    }
    const Line& first = *found;
    if (first.file == file && first.line == line) return {true, std::nullopt};
    if (first.file == file || first.description == description) return {false, std::nullopt};
    return {false, CodeConflict{code, first.file, first.line, first.description, file, line, description}};
}

}  // namespace esoa
