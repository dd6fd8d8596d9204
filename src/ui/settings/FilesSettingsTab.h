#pragma once

#include "ui/settings/SettingsPage.h"

namespace stowly {

class AppSettings;

// Which files are proxies or sidecars, and which are never copied.
class FilesSettingsTab : public SettingsPage {
    Q_OBJECT
public:
    FilesSettingsTab(AppSettings& settings, std::shared_ptr<MailHandoff> handoff, QWidget* parent);
};

} // namespace stowly
