#include "ui/settings/FilesSettingsTab.h"

#include "app/settings/AppSettings.h"
#include "ui/settings/FileRuleList.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace stowly {

FilesSettingsTab::FilesSettingsTab(AppSettings& settings, std::shared_ptr<MailHandoff> handoff,
                                   QWidget* parent)
    : SettingsPage(std::move(handoff), parent) {
    setObjectName(QStringLiteral("filesSettings"));
    addSection(tr("Proxies"));
    addWidget(
        new FileRuleList(settings, FileRuleList::Kind::proxies, tr("Proxy extensions"), this));
    addNote(tr("Low-res copies like GoPro .LRV and DJI .LRF go into a Proxies folder inside the "
               "shoot folder, named after their clip. They’re never treated as footage and never "
               "skipped on their own: they follow their clip."));
    addSection(tr("Sidecars"));
    addWidget(
        new FileRuleList(settings, FileRuleList::Kind::sidecars, tr("Sidecar extensions"), this));
    addNote(tr("Thumbnails, metadata and telemetry (.THM, .XML, .SRT) go into a Sidecars folder. "
               "Audio recorded with a clip (.WAV) goes in the WAV folder with the clip’s name."));
    addSection(tr("Ignored"));
    addWidget(new FileRuleList(settings, FileRuleList::Kind::ignored, tr("Ignored names"), this));
    addNote(tr("Ignored files are never copied and don’t stop a card being ready to format. The "
               "card shows how many there are. Use * and ? as wildcards, or .ext for an "
               "extension."));

    auto* restore = new QPushButton(tr("Restore Defaults"), this);
    restore->setObjectName(QStringLiteral("restoreFileRules"));
    restore->setAccessibleName(restore->text());
    connect(restore, &QPushButton::clicked, this,
            [&settings] { settings.setValue(setting::fileRules, FileRules::standard()); });
    auto* row = new QHBoxLayout;
    row->addWidget(restore);
    row->addStretch(1);
    addLayout(row);
    finish();
}

} // namespace stowly
