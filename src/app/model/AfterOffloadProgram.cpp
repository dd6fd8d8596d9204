#include "app/model/AfterOffloadProgram.h"

#include "base/Log.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTimer>

namespace stowly {

namespace {

QJsonValue time(const std::optional<QDateTime>& when) {
    return when ? QJsonValue(when->toUTC().toString(Qt::ISODateWithMs)) : QJsonValue();
}

} // namespace

QByteArray AfterOffloadProgram::input(const CardVolume& card, const OffloadSummary& summary,
                                      const std::optional<QDateTime>& startedAt,
                                      const QDateTime& endedAt) {
    QJsonArray destinations;
    for (const CopyOutcome& copy : summary.copies)
        if (!destinations.contains(copy.destination))
            destinations.append(copy.destination);
    QJsonArray failures;
    for (const QString& line :
         summary.failures + summary.leftOnRemovedCard + summary.recordFailures)
        failures.append(line);
    const QJsonObject object{
        {QStringLiteral("card"), card.name},
        {QStringLiteral("path"), card.url},
        {QStringLiteral("identity"), card.volumeIdentity()},
        {QStringLiteral("destinations"), destinations},
        {QStringLiteral("copied"), summary.copied},
        {QStringLiteral("skipped"), summary.skipped},
        {QStringLiteral("failed"), summary.failed},
        {QStringLiteral("cancelled"), summary.cancelled},
        {QStringLiteral("failures"), failures},
        {QStringLiteral("historyNotSaved"),
         summary.historyNotSaved ? QJsonValue(*summary.historyNotSaved) : QJsonValue()},
        {QStringLiteral("startedAt"), time(startedAt)},
        {QStringLiteral("endedAt"), time(endedAt)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

AfterOffloadProgram::AfterOffloadProgram(const QString& command, const QByteArray& input,
                                         std::chrono::milliseconds limit, QObject* parent)
    : QObject(parent), m_process(new QProcess(this)), m_limit(new QTimer(this)) {
    QStringList arguments = QProcess::splitCommand(command);
    m_program = arguments.isEmpty() ? command : arguments.takeFirst();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::readyRead, this, [this] {
        for (const QByteArray& line : m_process->readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                Log::info(Log::Category::app, QFileInfo(m_program).fileName() +
                                                  QStringLiteral(": ") +
                                                  QString::fromUtf8(line.trimmed()));
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finish(tr("“%1” couldn’t be started: %2").arg(m_program, m_process->errorString()));
    });
    connect(m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit)
            finish(tr("“%1” ended abnormally.").arg(m_program));
        else if (code != 0)
            finish(tr("“%1” ended with status %2.").arg(m_program).arg(code));
        else
            finish(std::nullopt);
    });
    m_limit->setSingleShot(true);
    connect(m_limit, &QTimer::timeout, this, [this, limit] {
        const QString why =
            tr("“%1” was still running after %2 seconds and was stopped.")
                .arg(m_program)
                .arg(std::chrono::duration_cast<std::chrono::seconds>(limit).count());
        m_process->kill();
        finish(why);
    });
    m_limit->start(limit);
    m_process->start(m_program, arguments);
    m_process->write(input);
    m_process->closeWriteChannel();
}

AfterOffloadProgram::~AfterOffloadProgram() {
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(2000);
    }
}

void AfterOffloadProgram::finish(const std::optional<QString>& failure) {
    if (m_ended)
        return;
    m_ended = true;
    m_limit->stop();
    if (failure)
        Log::info(Log::Category::app, *failure);
    Q_EMIT ended(failure);
}

} // namespace stowly
