#include "ui/WelcomeWindow.h"

#include "app/model/AppModel.h"
#include "app/onboarding/OnboardingStore.h"
#include "app/settings/AppSettings.h"
#include "app/stores/DestinationStore.h"
#include "app/stores/PresetStore.h"
#include "naming/NamingTemplate.h"
#include "naming/TemplateDescription.h"
#include "ui/WelcomeDestinationStep.h"
#include "ui/stages/StageStyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace stowly {

namespace {

const OnboardingStep formSteps[] = {OnboardingStep::template_, OnboardingStep::destination,
                                    OnboardingStep::folders, OnboardingStep::naming,
                                    OnboardingStep::review};

QString starterTitle(OnboardingStarter starter) {
    switch (starter) {
    case OnboardingStarter::filmShoot:
        return WelcomeWindow::tr("Film Shoot");
    case OnboardingStarter::photoSession:
        return WelcomeWindow::tr("Photo Session");
    case OnboardingStarter::podcast:
        return WelcomeWindow::tr("Podcast");
    case OnboardingStarter::dailyArchive:
        return WelcomeWindow::tr("Daily Archive");
    case OnboardingStarter::blank:
        return WelcomeWindow::tr("Start from Scratch");
    }
    return {};
}

QString stepTitle(OnboardingStep step) {
    switch (step) {
    case OnboardingStep::template_:
        return WelcomeWindow::tr("Starter");
    case OnboardingStep::destination:
        return WelcomeWindow::tr("Destination");
    case OnboardingStep::folders:
        return WelcomeWindow::tr("Folders");
    case OnboardingStep::naming:
        return WelcomeWindow::tr("File Names");
    case OnboardingStep::review:
        return WelcomeWindow::tr("Review");
    default:
        return {};
    }
}

QString firstError(const QString& text, NamingTemplate::Kind kind) {
    const NamingTemplate::ParseResult result = NamingTemplate::parse(text, kind);
    for (const TemplateIssue& issue : result.issues)
        if (issue.severity == TemplateIssue::Severity::error)
            return issue.message;
    return {};
}

void setTextKeepingCursor(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

QCheckBox* checkBox(const QString& text, const char* name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(text);
    return box;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleName(text);
    return b;
}

} // namespace

WelcomeWindow::WelcomeWindow(AppModel& model, QWidget* parent)
    : WelcomeWindow(model, model.settings().defaults(), {}, parent) {}

WelcomeWindow::WelcomeWindow(AppModel& model, std::shared_ptr<QSettings> preferences,
                             DriveSource drives, QWidget* parent)
    : QDialog(parent), m_model(model),
      m_store(std::make_unique<OnboardingStore>(std::move(preferences))) {
    if (!drives)
        drives = [] { return OnboardingDrive::live(); };
    setObjectName(QStringLiteral("welcomeWindow"));
    setWindowTitle(tr("Welcome to Stowly"));
    setAccessibleName(windowTitle());
    setModal(false);
    setMinimumSize(640, 540);
    resize(760, 600);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(24, 24, 24, 24);
    root->setSpacing(16);

    m_stepBar = new QWidget(this);
    auto* bar = new QHBoxLayout(m_stepBar);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(8);
    for (const OnboardingStep step : formSteps) {
        auto* b = new QPushButton(QStringLiteral("%1  %2").arg(int(step)).arg(stepTitle(step)),
                                  m_stepBar);
        b->setObjectName(QStringLiteral("welcomeStep-") + onboardingStep::rawValue(step));
        b->setAccessibleName(stepTitle(step));
        b->setFlat(true);
        b->setCheckable(true);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, [this, step] { m_store->jump(step); });
        bar->addWidget(b);
        m_stepButtons.append(b);
    }
    bar->addStretch();
    root->addWidget(m_stepBar);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildSplash());
    m_pages->addWidget(buildStarters());
    m_destination = new WelcomeDestinationStep(model.destinations(), std::move(drives), m_pages);
    connect(m_destination, &WelcomeDestinationStep::folderChosen, this,
            [this](const QString& path) {
                edit([path](OnboardingDraft& d) { d.destinationPath = path; });
            });
    connect(m_destination, &WelcomeDestinationStep::makeDefaultChanged, this,
            [this](bool on) { edit([on](OnboardingDraft& d) { d.makeDefaultDestination = on; }); });
    m_pages->addWidget(m_destination);
    m_pages->addWidget(buildFolders());
    m_pages->addWidget(buildNaming());
    m_pages->addWidget(buildReview());
    m_pages->addWidget(buildDone());
    root->addWidget(m_pages, 1);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("welcomeHint"));
    m_hint->setWordWrap(true);
    stageStyle::setRole(m_hint, QStringLiteral("warning"));
    root->addWidget(m_hint);

    m_nav = new QWidget(this);
    auto* nav = new QHBoxLayout(m_nav);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(8);
    m_back = button(tr("Back"), "welcomeBack", m_nav);
    m_back->setAutoDefault(false);
    m_next = button(tr("Continue"), "welcomeNext", m_nav);
    stageStyle::setRole(m_next, QStringLiteral("primary"));
    nav->addWidget(m_back);
    nav->addStretch();
    nav->addWidget(m_next);
    root->addWidget(m_nav);
    connect(m_back, &QPushButton::clicked, this, [this] { m_store->goBack(); });
    connect(m_next, &QPushButton::clicked, this, &WelcomeWindow::next);

    connect(m_store.get(), &OnboardingStore::changed, this, &WelcomeWindow::refresh);
    connect(&m_model, &AppModel::cardsChanged, this, &WelcomeWindow::refreshCards);
    connect(&m_model.destinations(), &DestinationStore::changed, this, &WelcomeWindow::refresh);
    refreshCards();
}

WelcomeWindow::~WelcomeWindow() = default;

bool WelcomeWindow::isNeeded(const AppModel& model) {
    const std::shared_ptr<QSettings>& preferences = model.settings().defaults();
    const OnboardingStore store(preferences);
    return OnboardingStore::shouldShow(
        store,
        OnboardingStore::hasExistingSetup(model.presets(), model.destinations(), model.history()),
        OnboardingStore::demoSwitch(preferences.get()));
}

QWidget* WelcomeWindow::page(const QString& title, const QString& subtitle, QVBoxLayout*& content) {
    auto* widget = new QWidget(m_pages);
    content = new QVBoxLayout(widget);
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(8);
    auto* heading = stageStyle::titleLabel(title, widget);
    heading->setAccessibleName(title);
    content->addWidget(heading);
    content->addWidget(stageStyle::secondaryLabel(subtitle, widget));
    content->addSpacing(16);
    return widget;
}

QWidget* WelcomeWindow::buildSplash() {
    auto* widget = new QWidget(m_pages);
    auto* layout = new QVBoxLayout(widget);
    layout->setSpacing(16);
    layout->addStretch(2);
    auto* title = new QLabel(tr("Welcome to Stowly"), widget);
    title->setAlignment(Qt::AlignCenter);
    stageStyle::setRole(title, QStringLiteral("finishedTitle"));
    layout->addWidget(title);
    auto* text = stageStyle::secondaryLabel(
        tr("Stowly copies your camera cards into tidy folders, checks every copy with SHA-256 "
           "and never overwrites a file. Tell it how you like your media organised; it takes "
           "about a minute."),
        widget);
    text->setAlignment(Qt::AlignCenter);
    // Full width with side margins: a wrapped label only gets its height when it fills the row.
    text->setContentsMargins(96, 0, 96, 0);
    layout->addWidget(text);
    layout->addSpacing(8);

    m_start = button(tr("Set up your first preset"), "welcomeStart", widget);
    stageStyle::setRole(m_start, QStringLiteral("primary"));
    connect(m_start, &QPushButton::clicked, this, [this] { m_store->goForward(); });
    layout->addWidget(m_start, 0, Qt::AlignHCenter);

    auto* skip = button(tr("Skip Setup"), "welcomeSkip", widget);
    skip->setFlat(true);
    skip->setAutoDefault(false);
    connect(skip, &QPushButton::clicked, this, [this] {
        m_store->markFinished();
        leave(OnboardingExit::skipped());
    });
    layout->addWidget(skip, 0, Qt::AlignHCenter);
    layout->addStretch(3);
    return widget;
}

QWidget* WelcomeWindow::buildStarters() {
    QVBoxLayout* layout = nullptr;
    QWidget* widget = page(tr("What do you shoot?"),
                           tr("Pick the closest starting point. It sets how folders and files "
                              "are named; you can change both in the next steps."),
                           layout);
    auto* group = new QButtonGroup(widget);
    for (const OnboardingStarter starter : onboardingStarter::allCases) {
        auto* radio = new QRadioButton(starterTitle(starter), widget);
        radio->setObjectName(QStringLiteral("welcomeStarter-") +
                             onboardingStarter::rawValue(starter));
        const QString detail = onboardingStarter::namingPresetName(starter);
        radio->setAccessibleName(starterTitle(starter));
        radio->setAccessibleDescription(detail);
        group->addButton(radio);
        layout->addWidget(radio);
        auto* indented = new QHBoxLayout;
        indented->addSpacing(24);
        indented->addWidget(stageStyle::secondaryLabel(detail, widget), 1);
        layout->addLayout(indented);
        layout->addSpacing(4);
        connect(radio, &QRadioButton::clicked, this, [this, starter] {
            edit([starter](OnboardingDraft& d) { d.chooseStarter(starter); });
        });
        m_starters.append(radio);
    }
    layout->addStretch();
    return widget;
}

QWidget* WelcomeWindow::buildFolders() {
    QVBoxLayout* layout = nullptr;
    QWidget* widget = page(tr("How should folders be built?"),
                           tr("Each “/” starts a folder inside the one before. Words in braces "
                              "are filled in per file, such as {date}, {project} or {camera}."),
                           layout);
    m_folderTemplate = new QLineEdit(widget);
    m_folderTemplate->setObjectName(QStringLiteral("welcomeFolderTemplate"));
    m_folderTemplate->setAccessibleName(tr("Folder template"));
    connect(m_folderTemplate, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit([text](OnboardingDraft& d) { d.folderTemplate = text; });
    });
    layout->addWidget(m_folderTemplate);
    m_folderLevels = stageStyle::secondaryLabel({}, widget);
    layout->addWidget(m_folderLevels);
    layout->addStretch();
    return widget;
}

QWidget* WelcomeWindow::buildNaming() {
    QVBoxLayout* layout = nullptr;
    QWidget* widget = page(tr("How should files be named?"),
                           tr("Renamed files sort well and say where they came from. {seq} "
                              "numbers them; {original} keeps the camera’s name."),
                           layout);
    m_renameFiles = checkBox(tr("Rename files"), "welcomeRenameFiles", widget);
    connect(m_renameFiles, &QCheckBox::toggled, this,
            [this](bool on) { edit([on](OnboardingDraft& d) { d.renameFiles = on; }); });
    layout->addWidget(m_renameFiles);
    m_fileTemplate = new QLineEdit(widget);
    m_fileTemplate->setObjectName(QStringLiteral("welcomeFileTemplate"));
    m_fileTemplate->setAccessibleName(tr("File name template"));
    connect(m_fileTemplate, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit([text](OnboardingDraft& d) { d.fileTemplate = text; });
    });
    layout->addWidget(m_fileTemplate);
    m_fileDescription = stageStyle::secondaryLabel({}, widget);
    layout->addWidget(m_fileDescription);
    layout->addStretch();
    return widget;
}

QWidget* WelcomeWindow::buildReview() {
    QVBoxLayout* layout = nullptr;
    QWidget* widget =
        page(tr("Review your preset"),
             tr("Give it a name and choose what happens around each offload."), layout);
    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(8);
    auto* nameLabel = new QLabel(tr("Preset name"), widget);
    m_presetName = new QLineEdit(widget);
    m_presetName->setObjectName(QStringLiteral("welcomePresetName"));
    m_presetName->setAccessibleName(tr("Preset name"));
    nameLabel->setBuddy(m_presetName);
    connect(m_presetName, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit([text](OnboardingDraft& d) { d.editPresetName(text); });
    });
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_presetName, 1);
    layout->addLayout(nameRow);

    m_summary = new QLabel(widget);
    m_summary->setObjectName(QStringLiteral("welcomeSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);
    layout->addSpacing(16);

    auto* shortRow = new QHBoxLayout;
    shortRow->setSpacing(8);
    m_skipShort = checkBox(tr("Skip clips shorter than"), "welcomeSkipShort", widget);
    m_shortSeconds = new QSpinBox(widget);
    m_shortSeconds->setObjectName(QStringLiteral("welcomeShortSeconds"));
    m_shortSeconds->setAccessibleName(tr("Shortest clip to copy, in seconds"));
    m_shortSeconds->setRange(AppSettings::shortClipSecondsMinimum,
                             AppSettings::shortClipSecondsMaximum);
    m_shortSeconds->setSuffix(tr(" s"));
    connect(m_skipShort, &QCheckBox::toggled, this,
            [this](bool on) { edit([on](OnboardingDraft& d) { d.skipShortClips = on; }); });
    connect(m_shortSeconds, &QSpinBox::valueChanged, this, [this](int seconds) {
        edit([seconds](OnboardingDraft& d) { d.shortClipSeconds = seconds; });
    });
    shortRow->addWidget(m_skipShort);
    shortRow->addWidget(m_shortSeconds);
    shortRow->addStretch();
    layout->addLayout(shortRow);

    const auto flag = [&](const QString& text, const char* name, bool OnboardingDraft::*field) {
        QCheckBox* box = checkBox(text, name, widget);
        connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
            edit([field, on](OnboardingDraft& d) { d.*field = on; });
        });
        layout->addWidget(box);
        return box;
    };
    m_eject = flag(tr("Eject the card when the offload is done"), "welcomeEject",
                   &OnboardingDraft::ejectAfterOffload);
    m_sound = flag(tr("Play a sound when an offload succeeds"), "welcomeSound",
                   &OnboardingDraft::playSuccessSound);
    m_askToImport = flag(tr("Ask to import when a card is inserted"), "welcomeAskToImport",
                         &OnboardingDraft::askToImport);
    m_useNow = flag(tr("Use this preset now"), "welcomeUseNow", &OnboardingDraft::useNow);
    layout->addStretch();
    return widget;
}

QWidget* WelcomeWindow::buildDone() {
    auto* widget = new QWidget(m_pages);
    auto* layout = new QVBoxLayout(widget);
    layout->setSpacing(16);
    layout->addStretch(2);
    auto* title = new QLabel(tr("You’re all set"), widget);
    title->setAlignment(Qt::AlignCenter);
    stageStyle::setRole(title, QStringLiteral("finishedTitle"));
    layout->addWidget(title);
    m_doneText = stageStyle::secondaryLabel({}, widget);
    m_doneText->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_doneText);
    layout->addSpacing(8);

    m_waiting = new QLabel(tr("Waiting for a card"), widget);
    m_waiting->setObjectName(QStringLiteral("welcomeWaiting"));
    m_waiting->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_waiting);
    m_cardButtons = new QWidget(widget);
    auto* cards = new QVBoxLayout(m_cardButtons);
    cards->setContentsMargins(0, 0, 0, 0);
    cards->setSpacing(8);
    layout->addWidget(m_cardButtons, 0, Qt::AlignHCenter);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addStretch();
    m_openStowly = button(tr("Open Stowly"), "welcomeOpenStowly", widget);
    connect(m_openStowly, &QPushButton::clicked, this,
            [this] { leave(OnboardingExit::openStowly()); });
    auto* settings = button(tr("Open Settings"), "welcomeOpenSettings", widget);
    settings->setAutoDefault(false);
    connect(settings, &QPushButton::clicked, this,
            [this] { leave(OnboardingExit::openSettings()); });
    row->addWidget(m_openStowly);
    row->addWidget(settings);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch(3);
    return widget;
}

void WelcomeWindow::edit(const std::function<void(OnboardingDraft&)>& change) {
    OnboardingDraft draft = m_store->draft();
    change(draft);
    m_store->setDraft(draft);
}

void WelcomeWindow::refresh() {
    const OnboardingStep step = m_store->step();
    const OnboardingDraft& draft = m_store->draft();
    const bool scene = step == OnboardingStep::splash || step == OnboardingStep::done;
    m_pages->setCurrentIndex(int(step));
    m_stepBar->setVisible(!scene);
    m_nav->setVisible(!scene);
    for (qsizetype i = 0; i < m_stepButtons.size(); ++i) {
        const OnboardingStep at = formSteps[i];
        m_stepButtons[i]->setEnabled(m_store->canJump(at));
        m_stepButtons[i]->setChecked(at == step);
        QFont font = m_stepButtons[i]->font();
        font.setBold(at == step);
        m_stepButtons[i]->setFont(font);
    }
    m_back->setEnabled(int(step) > int(OnboardingStep::template_));
    m_next->setEnabled(draft.canLeave(step));
    m_next->setText(step == OnboardingStep::review ? tr("Save Preset") : tr("Continue"));
    m_next->setAccessibleName(m_next->text());
    const QString message = scene ? QString() : blockingMessage();
    m_hint->setText(message);
    // A broken template is a mistake to fix; a choice not made yet is only a reminder.
    const bool mistake = step == OnboardingStep::folders || step == OnboardingStep::naming;
    stageStyle::setRole(m_hint, mistake ? QStringLiteral("warning") : QStringLiteral("secondary"));
    m_hint->setVisible(!message.isEmpty());

    for (qsizetype i = 0; i < m_starters.size(); ++i) {
        const QSignalBlocker block(m_starters[i]);
        m_starters[i]->setChecked(onboardingStarter::allCases[i] == draft.starter);
    }
    m_destination->showDraft(draft);
    m_destination->setActive(step == OnboardingStep::destination);

    setTextKeepingCursor(m_folderTemplate, draft.folderTemplate);
    m_folderLevels->setText(TemplateDescription::levels(draft.folderTemplate));
    {
        const QSignalBlocker block(m_renameFiles);
        m_renameFiles->setChecked(draft.renameFiles);
    }
    setTextKeepingCursor(m_fileTemplate, draft.fileTemplate);
    m_fileTemplate->setEnabled(draft.renameFiles);
    m_fileDescription->setText(draft.renameFiles
                                   ? TemplateDescription::level(draft.fileTemplate)
                                   : tr("Files keep the names the camera gave them."));

    setTextKeepingCursor(m_presetName, draft.presetName);
    m_presetName->setPlaceholderText(onboardingStarter::defaultPresetName(draft.starter));
    m_summary->setText(tr("Destination: %1\nFolders: %2\nFile names: %3")
                           .arg(draft.hasDestination() ? *draft.destinationPath : tr("none chosen"),
                                TemplateDescription::levels(draft.folderTemplate),
                                TemplateDescription::level(draft.effectiveFileTemplate())));
    const auto set = [](QAbstractButton* box, bool on) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    };
    set(m_skipShort, draft.skipShortClips);
    {
        const QSignalBlocker block(m_shortSeconds);
        m_shortSeconds->setValue(draft.shortClipSeconds);
    }
    m_shortSeconds->setEnabled(draft.skipShortClips);
    set(m_eject, draft.ejectAfterOffload);
    set(m_sound, draft.playSuccessSound);
    set(m_askToImport, draft.askToImport);
    set(m_useNow, draft.useNow);

    const QString saved =
        m_store->savedPreset() ? m_store->savedPreset()->name : draft.effectivePresetName();
    m_doneText->setText(
        m_model.cards().isEmpty()
            ? tr("“%1” is saved and ready. Put in a card to start your first offload.").arg(saved)
            : tr("“%1” is saved and ready.").arg(saved));

    chooseDefaultButton();
}

void WelcomeWindow::refreshCards() {
    const QList<CardVolume>& cards = m_model.cards();
    m_waiting->setVisible(cards.isEmpty());
    for (QPushButton* old : m_cardButtons->findChildren<QPushButton*>()) {
        old->hide();
        old->setParent(nullptr);
        old->deleteLater();
    }
    for (const CardVolume& card : cards) {
        auto* b = button(tr("Offload “%1”").arg(card.name), "welcomeOffloadCard", m_cardButtons);
        stageStyle::setRole(b, QStringLiteral("primary"));
        connect(b, &QPushButton::clicked, this,
                [this, card] { leave(OnboardingExit::offload(card)); });
        m_cardButtons->layout()->addWidget(b);
    }
    stageStyle::setRole(m_openStowly, cards.isEmpty() ? QStringLiteral("primary") : QString());
    refresh();
}

void WelcomeWindow::chooseDefaultButton() {
    // Return presses the button of the screen in front.
    QPushButton* preferred = m_next;
    if (m_store->step() == OnboardingStep::splash) {
        preferred = m_start;
    } else if (m_store->step() == OnboardingStep::done) {
        auto* card = m_cardButtons->findChild<QPushButton*>();
        preferred = card ? card : m_openStowly;
    }
    preferred->setDefault(true);
}

QString WelcomeWindow::blockingMessage() const {
    const OnboardingDraft& draft = m_store->draft();
    const OnboardingStep step = m_store->step();
    if (draft.canLeave(step))
        return {};
    switch (step) {
    case OnboardingStep::destination:
        return tr("Choose a drive or a folder to continue.");
    case OnboardingStep::folders:
        return firstError(draft.folderTemplate, NamingTemplate::Kind::folder);
    case OnboardingStep::naming:
        return firstError(draft.effectiveFileTemplate(), NamingTemplate::Kind::file);
    case OnboardingStep::review:
        if (!draft.hasDestination())
            return tr("Choose a destination before saving.");
        if (draft.presetName.trimmed().isEmpty())
            return tr("Give your preset a name.");
        return tr("These folder and file names can’t be used together. Go back and change one "
                  "of them.");
    default:
        return {};
    }
}

void WelcomeWindow::next() {
    if (m_store->step() == OnboardingStep::review)
        finish();
    else
        m_store->goForward();
}

void WelcomeWindow::finish() {
    const OnboardingDraft draft = m_store->draft();
    if (!m_store->save(m_model.settings(), m_model.destinations(), m_model.presets()))
        return;
    // The destination changed under the model: let it look at the cards again.
    if (draft.useNow && draft.hasDestination())
        m_model.useFolder(*draft.destinationPath);
    m_store->goForward();
    m_store->markFinished();
}

void WelcomeWindow::leave(const OnboardingExit& exit) {
    if (m_exited)
        return;
    m_exited = true;
    m_destination->setActive(false);
    Q_EMIT exited(exit);
    QDialog::done(QDialog::Accepted);
}

void WelcomeWindow::reject() {
    // Closing early keeps the progress: the setup picks up here next time. Once done, closing
    // is the way on to the main window.
    leave(m_store->step() == OnboardingStep::done ? OnboardingExit::openStowly()
                                                  : OnboardingExit::skipped());
}

} // namespace stowly
