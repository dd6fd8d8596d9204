#include "ui/settings/NamingSettingsTab.h"

#include "app/model/AppModel.h"
#include "app/settings/AppSettings.h"
#include "app/settings/ExamplePaths.h"
#include "app/stores/CameraStore.h"
#include "naming/NamingPreset.h"
#include "naming/NamingTemplates.h"
#include "ui/settings/TemplateIssueList.h"
#include "ui/settings/TokenChips.h"
#include "ui/stages/ElidedLabel.h"
#include "ui/stages/StageStyle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace stowly {
namespace {

QPushButton* menuButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setMenu(new QMenu(button));
    return button;
}

} // namespace

NamingSettingsTab::NamingSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff,
                                     QWidget* parent)
    : SettingsPage(std::move(handoff), parent), m_model(model) {
    setObjectName(QStringLiteral("namingSettings"));
    addSection(tr("Templates"));

    m_folder = addTemplateField(tr("Folder structure"), QStringLiteral("folderTemplateField"),
                                m_folderIssues);
    // Shown exactly while the field is empty, where the user looks.
    m_folder->setPlaceholderText(tr("Files go straight into the destination"));
    addNote(tr("“/” makes a subfolder. Inside it, each extension gets its own folder (MP4, ARW, "
               "WAV…). Leave empty to put those right in the destination."));
    m_file = addTemplateField(tr("File name"), QStringLiteral("fileTemplateField"), m_fileIssues);
    addNote(tr("The extension (.mp4, .arw…) is always added, in lower case."));

    auto* menus = new QHBoxLayout;
    menus->setSpacing(8);
    QPushButton* tokens = menuButton(tr("Insert Token"), QStringLiteral("insertToken"), this);
    fillTokenMenu(tokens->menu());
    QPushButton* presets = menuButton(tr("Naming Presets"), QStringLiteral("namingPresets"), this);
    connect(presets->menu(), &QMenu::aboutToShow, this,
            [this, menu = presets->menu()] { fillPresetMenu(menu); });
    fillPresetMenu(presets->menu());
    menus->addWidget(tokens);
    menus->addWidget(presets);
    menus->addStretch(1);
    addLayout(menus);

    m_tokenHint = stageStyle::secondaryLabel(QString(), this);
    m_tokenHint->setObjectName(QStringLiteral("tokenHint"));
    addWidget(m_tokenHint);
    m_chips = new TokenChips(this);
    connect(m_chips, &TokenChips::chosen, this,
            [this](TemplateToken token) { insert(TokenChips::text(token)); });
    addWidget(m_chips);

    addSection(tr("Example"));
    m_examples = new QWidget(this);
    m_examples->setObjectName(QStringLiteral("examplePaths"));
    m_exampleRows = new QGridLayout(m_examples);
    m_exampleRows->setContentsMargins(0, 0, 0, 0);
    m_exampleRows->setHorizontalSpacing(8);
    m_exampleRows->setVerticalSpacing(8);
    m_exampleRows->setColumnStretch(2, 1);
    addWidget(m_examples);
    m_examplesBlocked = stageStyle::secondaryLabel(ExamplePaths::fixProblemsText(), this);
    m_examplesBlocked->setObjectName(QStringLiteral("examplesBlocked"));
    m_examplesBlocked->setAccessibleName(m_examplesBlocked->text());
    addWidget(m_examplesBlocked);
    finish();

    for (QLineEdit* field : {m_folder, m_file})
        field->installEventFilter(this);
    connect(m_folder, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_showing)
            return;
        m_model.settings().setValue(setting::folderTemplate, text);
        showIssues();
    });
    connect(m_file, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_showing)
            return;
        m_model.settings().setValue(setting::fileTemplate, text);
        showIssues();
    });
    AppSettings& settings = m_model.settings();
    settings.onChange(setting::folderTemplate, this, &NamingSettingsTab::showTemplates);
    settings.onChange(setting::fileTemplate, this, &NamingSettingsTab::showTemplates);
    // The samples use the last project, the selected camera, the destination and the rules.
    connect(&settings, &AppSettings::changed, this, &NamingSettingsTab::showExamples);
    connect(&m_model, &AppModel::sessionChanged, this, &NamingSettingsTab::showExamples);
    connect(&m_model, &AppModel::sessionUpdated, this, &NamingSettingsTab::showExamples);
    connect(&m_model.cameras(), &CameraStore::changed, this, &NamingSettingsTab::showExamples);
    aimAt(m_folder);
    showTemplates();
}

QLineEdit* NamingSettingsTab::addTemplateField(const QString& title, const QString& name,
                                               TemplateIssueList*& issues) {
    auto* heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setWeight(QFont::DemiBold);
    heading->setFont(bold);
    addWidget(heading);
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(title);
    heading->setBuddy(field);
    addWidget(field);
    issues = new TemplateIssueList(this);
    issues->setObjectName(name + QStringLiteral("Issues"));
    addWidget(issues);
    return field;
}

void NamingSettingsTab::fillTokenMenu(QMenu* menu) {
    for (const TemplateToken token : templateToken::allCases) {
        QAction* action =
            menu->addAction(TokenChips::text(token) + QStringLiteral(" — ") + summary(token));
        action->setObjectName(QStringLiteral("insert_") + rawValue(token));
        connect(action, &QAction::triggered, this,
                [this, token] { insert(TokenChips::text(token)); });
    }
}

void NamingSettingsTab::fillPresetMenu(QMenu* menu) {
    menu->clear();
    const AppSettings& settings = m_model.settings();
    const auto use = [this](const QString& folder, const QString& file) {
        m_model.settings().setValue(setting::folderTemplate, folder);
        m_model.settings().setValue(setting::fileTemplate, file);
    };
    for (const NamingPreset& preset : NamingPreset::all()) {
        QAction* action = menu->addAction(
            QCoreApplication::translate("NamingPreset", preset.name.toUtf8().constData()));
        action->setData(preset.name);
        action->setCheckable(true);
        // The pair in use is ticked, compared as parsed: spaces around the text don't count.
        action->setChecked(settings.value(setting::folderTemplate).trimmed() == preset.folder &&
                           settings.value(setting::fileTemplate).trimmed() == preset.file);
        connect(action, &QAction::triggered, this,
                [use, folder = preset.folder, file = preset.file] { use(folder, file); });
    }
    menu->addSeparator();
    QAction* reset = menu->addAction(tr("Reset to Default"));
    reset->setObjectName(QStringLiteral("resetNaming"));
    connect(reset, &QAction::triggered, this, [use] {
        const NamingTemplates& standard = NamingTemplates::standard();
        use(standard.folder.raw, standard.file.raw);
    });
}

void NamingSettingsTab::insert(const QString& token) {
    m_target->insert(token);
    m_target->setFocus(Qt::OtherFocusReason);
}

bool NamingSettingsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        aimAt(qobject_cast<QLineEdit*>(watched));
    return SettingsPage::eventFilter(watched, event);
}

void NamingSettingsTab::aimAt(QLineEdit* field) {
    if (!field)
        return;
    m_target = field;
    m_tokenHint->setText(tr("Click a token to add it to the ") +
                         (field == m_folder ? tr("folder structure") : tr("file name")));
    m_tokenHint->setAccessibleName(m_tokenHint->text());
}

void NamingSettingsTab::showTemplates() {
    const AppSettings& settings = m_model.settings();
    m_showing = true;
    if (m_folder->text() != settings.value(setting::folderTemplate))
        m_folder->setText(settings.value(setting::folderTemplate));
    if (m_file->text() != settings.value(setting::fileTemplate))
        m_file->setText(settings.value(setting::fileTemplate));
    m_showing = false;
    showIssues();
}

void NamingSettingsTab::showIssues() {
    m_folderIssues->setIssues(
        NamingTemplate::parse(m_folder->text(), NamingTemplate::Kind::folder).issues);
    m_fileIssues->setIssues(
        NamingTemplate::parse(m_file->text(), NamingTemplate::Kind::file).issues);
    showExamples();
}

void NamingSettingsTab::showExamples() {
    const AppSettings& settings = m_model.settings();
    const ExamplePaths paths = ExamplePaths::make(
        m_folder->text(), m_file->text(),
        ExamplePaths::sampleContext(settings.value(setting::lastProject),
                                    m_model.selectedCameraToken()),
        settings.value(setting::destinationPath), settings.value(setting::fileRules));
    while (QLayoutItem* item = m_exampleRows->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    int row = 0;
    // The destination once on top and the paths below it, so a long destination never hides
    // what the templates make of the names.
    if (!paths.destination.isEmpty()) {
        auto* root = new ElidedLabel(m_examples);
        root->setObjectName(QStringLiteral("exampleDestination"));
        root->setFont(stageStyle::secondaryFont(font()));
        stageStyle::setRole(root, QStringLiteral("secondary"));
        root->setFullText(paths.destination.endsWith(u'/') ? paths.destination
                                                           : paths.destination + u'/');
        m_exampleRows->addWidget(root, row++, 0, 1, 3);
    }
    for (const ExamplePaths::Example& example : paths.examples) {
        QLabel* source = stageStyle::secondaryLabel(example.source, m_examples);
        source->setWordWrap(false);
        QLabel* arrow = stageStyle::secondaryLabel(QStringLiteral("→"), m_examples);
        arrow->setAccessibleName(QString());
        auto* path = new ElidedLabel(m_examples);
        path->setObjectName(QStringLiteral("examplePath"));
        path->setFullText(example.relativePath);
        path->setAccessibleName(example.source + QStringLiteral(" → ") + paths.path(example));
        path->setToolTip(paths.path(example));
        m_exampleRows->addWidget(source, row, 0);
        m_exampleRows->addWidget(arrow, row, 1);
        m_exampleRows->addWidget(path, row, 2);
        ++row;
    }
    m_examples->setAccessibleName(paths.text());
    m_examples->setVisible(!paths.examples.isEmpty());
    m_examplesBlocked->setVisible(paths.examples.isEmpty());
}

} // namespace stowly
