#include "cli/ProgressPrinter.h"

#include "cli/Console.h"
#include "cli/ProgressText.h"
#include "session/OffloadSession.h"

namespace stowly {
namespace {

// A terminal redraw is cheap, but hundreds a second only flicker.
constexpr qint64 redrawMs = 100;

} // namespace

ProgressPrinter::ProgressPrinter(OffloadSession& session, Console& console, QObject* parent)
    : QObject(parent), m_session(session), m_console(console), m_terminal(console.errIsTerminal()) {
    connect(&session, &OffloadSession::progressChanged, this, &ProgressPrinter::update);
}

void ProgressPrinter::update() {
    const OffloadProgress& progress = m_session.progress();
    const bool fileFinished = progress.filesDone > m_filesDone;
    if (fileFinished && !m_terminal && m_session.plan()) {
        // Files are counted in plan order, though the next may be under way by then.
        const QString id = m_session.plan()->value(progress.filesDone - 1).clip.relativePath;
        std::optional<QString> copiedTo;
        if (m_session.verifiedIDs().contains(id) && !m_session.copiedPaths().isEmpty())
            copiedTo = m_session.copiedPaths().last();
        m_console.message(ProgressText::fileLine(progress, id, copiedTo));
    }
    m_filesDone = progress.filesDone;
    // Nothing worth a bar before the run's first report.
    if (!m_terminal || progress.filesTotal == 0)
        return;
    const int verifying = progress.isVerifyingSource ? 2 : progress.isVerifying ? 1 : 0;
    const bool verifyingChanged = verifying != m_lastVerifying;
    m_lastVerifying = verifying;
    if (fileFinished || verifyingChanged || !m_sinceDraw.isValid() ||
        m_sinceDraw.elapsed() >= redrawMs)
        draw();
}

void ProgressPrinter::draw() {
    const std::optional<QDateTime>& started = m_session.startedAt();
    const double elapsed =
        started ? double(started->msecsTo(QDateTime::currentDateTime())) / 1000.0 : 0.0;
    m_console.replaceErrLine(
        ProgressText::barLine(m_session.progress(), elapsed, m_console.errColumns()));
    m_barShown = true;
    m_sinceDraw.start();
}

void ProgressPrinter::clearBar() {
    if (!m_barShown)
        return;
    m_console.replaceErrLine({});
    m_barShown = false;
}

void ProgressPrinter::note(const QString& line) {
    clearBar();
    m_console.message(line);
    if (m_terminal && m_session.isRunning())
        draw();
}

void ProgressPrinter::finish() {
    disconnect(&m_session, nullptr, this, nullptr);
    clearBar();
}

} // namespace stowly
