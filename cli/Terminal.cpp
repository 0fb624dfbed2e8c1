#include "cli/Terminal.h"

#ifdef _WIN32
#include <io.h>
#define ESOA_ISATTY _isatty
#define ESOA_FILENO _fileno
#else
#include <unistd.h>
#define ESOA_ISATTY isatty
#define ESOA_FILENO fileno
#endif

#include <cerrno>

#include "core/files/SaveFile.h"

namespace esoa::cli {
namespace {

QString outFailure;

}  // namespace

void Out(const QString& text) {
    if (std::fputs(text.toLocal8Bit().constData(), stdout) < 0 || std::fflush(stdout) != 0) {
        if (outFailure.isEmpty()) outFailure = WriteFailureCause(errno);
    }
}

QString OutFailure() { return outFailure; }

void Err(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
}

ProgressLine::ProgressLine() : terminal_(ESOA_ISATTY(ESOA_FILENO(stderr)) != 0) {}

ProgressLine::~ProgressLine() { Clear(); }

void ProgressLine::Show(const QString& text) {
    if (!terminal_) return;
    const QString line = text.left(78);
    Err(QLatin1Char('\r') + line + QString(std::max(0, shown_ - int(line.size())), QLatin1Char(' ')));
    shown_ = int(line.size());
}

void ProgressLine::Clear() {
    if (!terminal_ || shown_ == 0) return;
    Err(QLatin1Char('\r') + QString(shown_, QLatin1Char(' ')) + QLatin1Char('\r'));
    shown_ = 0;
}

}  // namespace esoa::cli
