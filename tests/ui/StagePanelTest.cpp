#include "ui/StagePanel.h"

#include <QLabel>

#include <gtest/gtest.h>

using namespace stowly;

TEST(StagePanelTest, DoneStageShowsACheckAndAttentionOnlyWhenAsked) {
    StagePanel panel(2);
    panel.setState(StageState::done, false);
    const auto labels = panel.findChildren<QLabel*>();
    auto text = [&](const char* role) {
        for (auto* label : labels)
            if (label->property("stowlyRole").toString() == QLatin1String(role))
                return std::make_pair(label->text(), label->isVisibleTo(&panel));
        return std::make_pair(QString(), false);
    };
    EXPECT_EQ(text("stageBadge").first, QStringLiteral("✓"));
    EXPECT_EQ(text("stageTitle").first, QStringLiteral("Media"));
    EXPECT_FALSE(text("pill").second);
    panel.setState(StageState::active, true);
    EXPECT_EQ(text("stageBadge").first, QStringLiteral("2"));
    EXPECT_TRUE(text("pill").second);
}
