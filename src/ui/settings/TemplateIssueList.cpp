#include "ui/settings/TemplateIssueList.h"

#include "ui/Theme.h"
#include "ui/stages/StageStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

namespace stowly {
namespace {

constexpr int markEdge = 16;

// The mark is drawn at paint time in the label's own text colour, which the style sheet's
// warning role sets, so it follows a change of theme without being told.
class IssueMark : public QLabel {
public:
    IssueMark(TemplateIssue::Severity severity, QWidget* parent)
        : QLabel(parent), m_severity(severity) {
        setFixedSize(markEdge, markEdge);
        stageStyle::setRole(this, QStringLiteral("warning"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const bool error = m_severity == TemplateIssue::Severity::error;
        QIcon icon =
            Theme::icon(error ? QStringLiteral("dialog-error") : QStringLiteral("dialog-warning"),
                        palette().color(QPalette::WindowText));
        // A bare machine without any icon theme still gets the style's own marks.
        if (icon.isNull())
            icon = style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                               : QStyle::SP_MessageBoxWarning);
        QPainter painter(this);
        icon.paint(&painter, rect());
    }

private:
    TemplateIssue::Severity m_severity;
};

} // namespace

TemplateIssueList::TemplateIssueList(QWidget* parent)
    : QWidget(parent), m_rows(new QVBoxLayout(this)) {
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(4);
    hide();
}

void TemplateIssueList::setIssues(const QList<TemplateIssue>& issues) {
    if (issues == m_issues)
        return;
    m_issues = issues;
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        if (QWidget* row = item->widget())
            row->deleteLater();
        delete item;
    }
    for (const TemplateIssue& issue : issues) {
        const bool error = issue.severity == TemplateIssue::Severity::error;
        auto* row = new QWidget(this);
        row->setObjectName(error ? QStringLiteral("templateError")
                                 : QStringLiteral("templateWarning"));
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(8);
        auto* mark = new IssueMark(issue.severity, row);
        mark->setAccessibleName(error ? tr("Error") : tr("Warning"));
        layout->addWidget(mark, 0, Qt::AlignTop);
        auto* message = new QLabel(issue.message, row);
        message->setTextFormat(Qt::PlainText);
        message->setWordWrap(true);
        // Errors stop an offload and read in the warning colour; warnings are advice.
        if (error)
            stageStyle::setRole(message, QStringLiteral("warning"));
        message->setAccessibleName(mark->accessibleName() + QStringLiteral(": ") + issue.message);
        layout->addWidget(message, 1);
        m_rows->addWidget(row);
    }
    setVisible(!issues.isEmpty());
}

} // namespace stowly
