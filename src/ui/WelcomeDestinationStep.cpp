#include "ui/WelcomeDestinationStep.h"

#include "app/onboarding/OnboardingApplier.h"
#include "app/stores/DestinationStore.h"
#include "base/Background.h"
#include "ui/stages/ElidedLabel.h"
#include "ui/stages/SoftSelectionDelegate.h"
#include "ui/stages/StageStyle.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace stowly {

namespace {

// Fixed drives come and go rarely; a look every few seconds is enough.
constexpr int driveRefreshMs = 4000;

QString size(qint64 bytes) {
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

QString driveText(const OnboardingDrive& drive) {
    QString line = drive.name + QStringLiteral(" · ") + drive.kind;
    if (drive.freeBytes && drive.totalBytes)
        line += QStringLiteral(" · ") + WelcomeDestinationStep::tr("%1 free of %2")
                                            .arg(size(*drive.freeBytes), size(*drive.totalBytes));
    else if (drive.freeBytes)
        line += QStringLiteral(" · ") +
                WelcomeDestinationStep::tr("%1 free").arg(size(*drive.freeBytes));
    return line + u'\n' + drive.suggestedPath;
}

} // namespace

WelcomeDestinationStep::WelcomeDestinationStep(const DestinationStore& destinations,
                                               DriveSource drives, QWidget* parent)
    : QWidget(parent), m_destinations(destinations), m_driveSource(std::move(drives)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    const QString title = tr("Where should your media go?");
    auto* heading = stageStyle::titleLabel(title, this);
    heading->setAccessibleName(title);
    layout->addWidget(heading);
    layout->addWidget(stageStyle::secondaryLabel(
        tr("Pick a drive or any folder. Stowly builds its folders inside it."), this));
    layout->addSpacing(16);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("welcomeDrives"));
    m_list->setAccessibleName(tr("Drives"));
    m_list->setIconSize(QSize(24, 24));
    m_list->setItemDelegate(new SoftSelectionDelegate(m_list));
    m_list->setSpacing(2);
    m_list->setTextElideMode(Qt::ElideMiddle);
    layout->addWidget(m_list, 1);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = m_list->selectedItems();
        if (!chosen.isEmpty())
            Q_EMIT folderChosen(chosen.first()->data(Qt::UserRole).toString());
    });

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    m_path = new ElidedLabel(this);
    m_path->setObjectName(QStringLiteral("welcomeDestinationPath"));
    m_path->setAccessibleName(tr("Destination folder"));
    const QString chooseText = tr("Choose Folder…");
    auto* choose = new QPushButton(chooseText, this);
    choose->setObjectName(QStringLiteral("welcomeChooseFolder"));
    choose->setAccessibleName(chooseText);
    choose->setAutoDefault(false);
    connect(choose, &QPushButton::clicked, this, &WelcomeDestinationStep::chooseFolder);
    row->addWidget(m_path, 1);
    row->addWidget(choose);
    layout->addLayout(row);

    m_firstFavoriteNote = stageStyle::secondaryLabel(
        tr("As your first favorite, it’s also your default destination. Add more and pick "
           "another default in Settings ▸ Destinations."),
        this);
    layout->addWidget(m_firstFavoriteNote);
    const QString makeDefaultText = tr("Make it my default destination");
    m_makeDefault = new QCheckBox(makeDefaultText, this);
    m_makeDefault->setObjectName(QStringLiteral("welcomeMakeDefault"));
    m_makeDefault->setAccessibleName(makeDefaultText);
    connect(m_makeDefault, &QCheckBox::toggled, this, &WelcomeDestinationStep::makeDefaultChanged);
    layout->addWidget(m_makeDefault);

    m_timer = new QTimer(this);
    m_timer->setInterval(driveRefreshMs);
    connect(m_timer, &QTimer::timeout, this, &WelcomeDestinationStep::loadDrives);
}

WelcomeDestinationStep::~WelcomeDestinationStep() {
    m_driveTask.request_stop();
}

void WelcomeDestinationStep::showDraft(const OnboardingDraft& draft) {
    m_draft = draft;
    m_path->setFullText(draft.hasDestination() ? *draft.destinationPath
                                               : tr("No folder chosen yet"));
    {
        const QSignalBlocker block(m_list);
        m_list->clearSelection();
        for (int i = 0; i < m_list->count(); ++i)
            if (draft.destinationPath &&
                m_list->item(i)->data(Qt::UserRole).toString() == *draft.destinationPath)
                m_list->setCurrentRow(i);
    }
    // The first favourite becomes the default anyway, and the current default's folder is
    // the default already: only otherwise is there a choice to offer.
    m_firstFavoriteNote->setVisible(!m_destinations.defaultFavorite());
    m_makeDefault->setVisible(
        OnboardingApplier::offersDefaultChoice(m_destinations, draft.destinationPath));
    const QSignalBlocker block(m_makeDefault);
    m_makeDefault->setChecked(draft.makeDefaultDestination);
}

void WelcomeDestinationStep::setActive(bool active) {
    if (!active) {
        m_timer->stop();
    } else if (!m_timer->isActive()) {
        loadDrives();
        m_timer->start();
    }
}

void WelcomeDestinationStep::chooseFolder() {
    const QString start =
        m_draft.hasDestination() ? *m_draft.destinationPath : OnboardingDrive::moviesFolder();
    const QString path =
        QFileDialog::getExistingDirectory(this, tr("Choose a Destination Folder"), start);
    if (!path.isEmpty())
        Q_EMIT folderChosen(path);
}

void WelcomeDestinationStep::loadDrives() {
    // A hung network mount must not freeze the window, so the drives are gathered aside.
    if (m_loadingDrives)
        return;
    m_loadingDrives = true;
    m_driveTask = background::run(this, m_driveSource, [this](QList<OnboardingDrive> drives) {
        m_loadingDrives = false;
        showDrives(drives);
    });
}

void WelcomeDestinationStep::showDrives(const QList<OnboardingDrive>& drives) {
    if (m_hasDrives && drives == m_drives)
        return;
    m_hasDrives = true;
    m_drives = drives;
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const OnboardingDrive& drive : drives) {
            auto* item =
                new QListWidgetItem(stageStyle::icon(drive.kind == QLatin1String("Internal")
                                                         ? QStringLiteral("drive-harddisk")
                                                         : QStringLiteral("drive-removable-media")),
                                    driveText(drive), m_list);
            item->setData(Qt::UserRole, drive.suggestedPath);
            item->setData(Qt::AccessibleTextRole, drive.name);
            item->setToolTip(drive.suggestedPath);
        }
    }
    showDraft(m_draft);
}

} // namespace stowly
