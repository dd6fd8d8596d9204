#include "ui/settings/GeneralSettingsTab.h"

#include "app/model/AppModel.h"
#include "app/model/SharedHistory.h"
#include "app/settings/LoginItem.h"
#include "base/PlatformWords.h"
#include "history/ServerAddress.h"
#include "ui/StatusItemController.h"
#include "ui/stages/ElidedLabel.h"
#include "ui/stages/StageStyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSysInfo>

namespace stowly {

GeneralSettingsTab::GeneralSettingsTab(AppModel& model, std::shared_ptr<MailHandoff> handoff,
                                       QWidget* parent)
    : SettingsPage(std::move(handoff), parent), m_model(model) {
    setObjectName(QStringLiteral("generalSettings"));
    addFiles();
    addAfterOffload();
    addReports();
    addSharedHistory();
    addBackground();
    addIgnoredCards();
    addUpdates();
    finish();
}

void GeneralSettingsTab::addFiles() {
    AppSettings& settings = m_model.settings();
    addSection(tr("Files to Offload"));
    const std::pair<MediaCategory, QString> categories[] = {
        {MediaCategory::video, tr("Video (MP4, MOV, MXF, BRAW, R3D…)")},
        {MediaCategory::photo, tr("Photos (JPG, HEIC, RAW, DNG…)")},
        {MediaCategory::audio, tr("Audio (WAV, MP3, M4A…)")},
        {MediaCategory::other, tr("Other files (proxies, XML, metadata…)")},
    };
    for (const auto& [category, label] : categories) {
        QCheckBox* box = addSwitch(
            label, [&settings, c = category] { return settings.includedCategories().contains(c); },
            [&settings, c = category](bool on) { settings.setCategory(c, on); }, settings,
            setting::excludedCategories);
        box->setObjectName(QStringLiteral("category_") + mediaCategory::rawValue(category));
    }
    addNote(tr("Sidecars (like C0001M01.XML) and proxies (like GoPro .LRV) get their clip’s name "
               "and their own folders when Other is on. Change the lists and the ignore list in "
               "the Files tab."));

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* label = new QLabel(tr("Skip videos shorter than"), this);
    m_shortClips = new QSlider(Qt::Horizontal, this);
    m_shortClips->setObjectName(QStringLiteral("shortClipSlider"));
    m_shortClips->setAccessibleName(tr("Skip videos shorter than, in seconds"));
    m_shortClips->setRange(0, AppSettings::shortClipSecondsMaximum);
    m_shortClips->setPageStep(5);
    m_shortClips->setMinimumWidth(200);
    m_shortClipValue = new QLabel(this);
    // Wide enough for the longest value, so the slider does not shift while dragging.
    m_shortClipValue->setMinimumWidth(
        m_shortClipValue->fontMetrics().horizontalAdvance(tr("%n seconds", nullptr, 88)) + 8);
    label->setBuddy(m_shortClips);
    row->addWidget(label);
    row->addWidget(m_shortClips, 1);
    row->addWidget(m_shortClipValue);
    addLayout(row);
    connect(m_shortClips, &QSlider::valueChanged, this,
            [this, &settings](int seconds) { settings.setShortClipSliderSeconds(seconds); });
    settings.onChange({setting::skipShortClips, setting::shortClipSeconds}, this,
                      &GeneralSettingsTab::showShortClips);
    showShortClips();
    addNote(tr("Off keeps every clip. Accidental takes stay on the card, with their sidecars and "
               "proxies. Include them from the Media list any time. Clips whose length can’t be "
               "read (like BRAW or R3D) are always offloaded."));
}

void GeneralSettingsTab::showShortClips() {
    const int seconds = m_model.settings().shortClipSliderSeconds();
    {
        const QSignalBlocker blocker(m_shortClips);
        m_shortClips->setValue(seconds);
    }
    m_shortClipValue->setText(seconds == 0 ? tr("Off") : tr("%n second(s)", nullptr, seconds));
}

void GeneralSettingsTab::addAfterOffload() {
    AppSettings& settings = m_model.settings();
    addSection(tr("After Offload"));
    addSwitch(tr("Play a sound when an offload finishes"), settings, setting::playSuccessSound);
    addSwitch(tr("Eject card after offload"), settings, setting::ejectAfterOffload);
    addNote(tr("Only when every file was copied and verified."));

    addTextField(tr("Then run this program:"), tr("None"), setting::afterOffloadProgram,
                 QStringLiteral("afterOffloadProgram"));
    addNote(tr("After each card, with the offload as JSON on its standard input. It has a minute; "
               "whatever it does, the copies and the history stay as they are."));
}

void GeneralSettingsTab::addReports() {
    AppSettings& settings = m_model.settings();
    addSection(tr("Reports"));
    addTextField(tr("Operator:"), tr("Your name"), setting::operatorName,
                 QStringLiteral("operatorName"));
    addNote(tr("Named in every offload’s report, with the card, the camera and the project."));
    addSwitch(tr("Write each offload’s report into every destination"), settings,
              setting::writeReports);
    addNote(tr("A PDF and a CSV table of every file and its checksums, in the folder “Stowly "
               "Reports” at the top of each destination. Any offload’s report is also under Show "
               "Report in Recent Offloads."));
}

void GeneralSettingsTab::addSharedHistory() {
    AppSettings& settings = m_model.settings();
    addSection(tr("Shared History"));
    // A password typed in here would be kept in clear: such an address is refused, not stored.
    addTextField(tr("History server:"), tr("None: the history stays on this computer"),
                 setting::historyServer, QStringLiteral("historyServer"),
                 [this](const QString& text) {
                     QString error;
                     if (!text.isEmpty() && !ServerAddress::parse(text, &error))
                         m_serverRefusal = error;
                     else
                         m_serverRefusal.reset();
                     showSharedHistory();
                     return !m_serverRefusal;
                 });
    m_serverNote = addNote({});
    m_serverNote->setObjectName(QStringLiteral("historyServerNote"));
    addTextField(tr("This station:"), QSysInfo::machineHostName(), setting::stationName,
                 QStringLiteral("stationName"));
    addSwitch(tr("Trust copies verified by other stations"), settings, setting::trustOtherStations)
        ->setObjectName(QStringLiteral("trustOtherStations"));
    addNote(tr("A card may then be erased when its only copies are on another station’s drives, "
               "which this one can’t check."));
    connect(&m_model, &AppModel::sharedHistoryChanged, this,
            &GeneralSettingsTab::showSharedHistory);
    showSharedHistory();
}

void GeneralSettingsTab::showSharedHistory() {
    const std::optional<QString> problem =
        m_serverRefusal ? m_serverRefusal : m_model.sharedHistory().problem();
    m_serverNote->setText(
        problem ? *problem
                : tr("Stations that name the same PostgreSQL server (host=… dbname=… user=…) see "
                     "each other’s copies. The password comes from ~/.pgpass or the desktop’s "
                     "keyring, never from here."));
    stageStyle::setRole(m_serverNote,
                        problem ? QStringLiteral("warning") : QStringLiteral("secondary"));
}

void GeneralSettingsTab::addTextField(const QString& text, const QString& placeholder,
                                      SettingKey<QString> key, const QString& name,
                                      std::function<bool(const QString&)> accepts) {
    AppSettings& settings = m_model.settings();
    auto* label = new QLabel(text, this);
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setAccessibleName(label->text());
    field->setPlaceholderText(placeholder);
    field->setClearButtonEnabled(true);
    label->setBuddy(field);
    const auto show = [&settings, field, key] {
        const QString value = settings.value(key);
        if (!field->hasFocus() && field->text() != value)
            field->setText(value);
    };
    show();
    settings.onChange(key, field, show);
    connect(field, &QLineEdit::editingFinished, this, [&settings, field, key, accepts] {
        const QString value = field->text().trimmed();
        if (!accepts || accepts(value))
            settings.setValue(key, value);
    });
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(label);
    row->addWidget(field, 1);
    addLayout(row);
}

void GeneralSettingsTab::addBackground() {
    AppSettings& settings = m_model.settings();
    addSection(platformWords::statusAreaTitle());
    addSwitch(tr("Keep Stowly running in the %1").arg(platformWords::statusArea()), settings,
              setting::keepRunningInMenuBar)
        ->setObjectName(QStringLiteral("keepRunning"));
    addNote(tr("Closing the window leaves Stowly running, so it can notice cards and drives as "
               "they’re plugged in."));
    addSwitch(tr("Ask to import when a card or drive is plugged in"), settings,
              setting::askToImportOnMount);
    addNote(tr("Whenever Stowly is running. Only for cards and drives with camera folders or "
               "media; a card an Automatic Offload rule takes is offloaded without asking."));

    auto* styles = new QHBoxLayout;
    styles->setContentsMargins(24, 0, 0, 0);
    styles->setSpacing(16);
    auto* group = new QButtonGroup(this);
    const std::pair<ImportPromptStyle, QString> choices[] = {
        {ImportPromptStyle::notification, tr("Notification")},
        {ImportPromptStyle::panel, tr("Floating panel")},
    };
    for (const auto& [style, text] : choices) {
        auto* button = new QRadioButton(text, this);
        button->setAccessibleName(text);
        button->setObjectName(QStringLiteral("promptStyle_") + importPromptStyle::rawValue(style));
        group->addButton(button, int(style));
        styles->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [&settings, s = style](bool on) {
            if (on)
                settings.setValue(setting::importPromptStyle, s);
        });
    }
    styles->addStretch(1);
    addLayout(styles);
    auto showStyle = [group, &settings] {
        const QSignalBlocker blocker(group);
        group->button(int(settings.value(setting::importPromptStyle)))->setChecked(true);
    };
    showStyle();
    settings.onChange(setting::importPromptStyle, this, showStyle);
    addNote(platformWords::quietNotificationsNote());

    addSwitch(tr("Show %1 icon").arg(platformWords::statusArea()), settings,
              setting::showMenuBarIcon);
    addNote(platformWords::hiddenIconNote());
    if (!StatusItemController::desktopHasTray())
        stageStyle::setRole(addNote(tr("This desktop shows no tray icons, so the %1 icon can’t "
                                       "appear here.")
                                        .arg(platformWords::statusArea())),
                            QStringLiteral("warning"));

    LoginItem& login = m_model.loginItem();
    m_loginSwitch = addSwitch(
        tr("Open at login"), [&login] { return login.isOn(); },
        [&login](bool on) { login.set(on); });
    m_loginSwitch->setObjectName(QStringLiteral("openAtLogin"));
    m_loginNote = addNote(QString());
    connect(&login, &LoginItem::changed, this, &GeneralSettingsTab::showLoginItem);
    showLoginItem();

    addSwitch(tr("Mount cards when they are inserted"), settings, setting::mountCardsWhenInserted);
}

void GeneralSettingsTab::showLoginItem() {
    const LoginItem& login = m_model.loginItem();
    {
        const QSignalBlocker blocker(m_loginSwitch);
        m_loginSwitch->setChecked(login.isOn());
    }
    QString note;
    if (login.lastError())
        note = *login.lastError();
    else if (login.status() == LoginItem::Status::requiresApproval)
        note = platformWords::allowLoginItem();
    m_loginNote->setText(note);
    m_loginNote->setVisible(!note.isEmpty());
    stageStyle::setRole(m_loginNote, login.lastError() ? QStringLiteral("warning")
                                                       : QStringLiteral("secondary"));
}

void GeneralSettingsTab::addIgnoredCards() {
    m_ignoredBox = new QWidget(this);
    auto* layout = new QVBoxLayout(m_ignoredBox);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->setSpacing(8);
    auto* title = new QLabel(tr("Don’t ask for these cards"), m_ignoredBox);
    layout->addWidget(title);
    m_ignoredRows = new QVBoxLayout;
    m_ignoredRows->setContentsMargins(24, 0, 0, 0);
    m_ignoredRows->setSpacing(8);
    layout->addLayout(m_ignoredRows);
    addWidget(m_ignoredBox);
    m_model.settings().onChange(setting::ignoredImportCards, this,
                                &GeneralSettingsTab::showIgnoredCards);
    showIgnoredCards();
}

void GeneralSettingsTab::showIgnoredCards() {
    while (QLayoutItem* item = m_ignoredRows->takeAt(0)) {
        if (QWidget* row = item->widget())
            row->deleteLater();
        delete item;
    }
    const QList<IgnoredImportCard> cards = m_model.settings().value(setting::ignoredImportCards);
    m_ignoredBox->setVisible(!cards.isEmpty());
    for (const IgnoredImportCard& card : cards) {
        auto* row = new QWidget(m_ignoredBox);
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(8);
        auto* name = new ElidedLabel(row);
        name->setFullText(card.name);
        layout->addWidget(name, 1);
        auto* again = new QPushButton(tr("Ask Again"), row);
        again->setAccessibleName(tr("Ask again for ") + card.name);
        connect(again, &QPushButton::clicked, this, [this, identity = card.identity] {
            m_model.settings().stopIgnoringImports(identity);
        });
        layout->addWidget(again);
        m_ignoredRows->addWidget(row);
    }
}

void GeneralSettingsTab::addUpdates() {
    addSection(tr("Updates"));
    for (const QString& text : {tr("Automatically check for updates"),
                                tr("Automatically download and install updates")}) {
        auto* box = new QCheckBox(text, this);
        box->setAccessibleName(text);
        box->setEnabled(false);
        addWidget(box);
    }
    addNote(platformWords::updatesNote());
}

} // namespace stowly
