#pragma once

#include "naming/TemplateIssue.h"

#include <QList>
#include <QWidget>

class QVBoxLayout;

namespace stowly {

// The problems of one template under its field: errors with a stop mark, warnings with a
// warning mark, each spoken with its kind. Hidden while there are none.
class TemplateIssueList : public QWidget {
    Q_OBJECT
public:
    explicit TemplateIssueList(QWidget* parent = nullptr);

    void setIssues(const QList<TemplateIssue>& issues);
    const QList<TemplateIssue>& issues() const { return m_issues; }

private:
    QVBoxLayout* m_rows;
    QList<TemplateIssue> m_issues;
};

} // namespace stowly
