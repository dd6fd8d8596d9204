#include "app/onboarding/OnboardingStep.h"

namespace stowly::onboardingStep {

QString rawValue(OnboardingStep step) {
    switch (step) {
    case OnboardingStep::splash:
        return QStringLiteral("splash");
    case OnboardingStep::template_:
        return QStringLiteral("template");
    case OnboardingStep::destination:
        return QStringLiteral("destination");
    case OnboardingStep::folders:
        return QStringLiteral("folders");
    case OnboardingStep::naming:
        return QStringLiteral("naming");
    case OnboardingStep::review:
        return QStringLiteral("review");
    case OnboardingStep::done:
        return QStringLiteral("done");
    }
    return QStringLiteral("splash");
}

std::optional<OnboardingStep> fromRawValue(const QString& raw) {
    for (const OnboardingStep step : allCases)
        if (rawValue(step) == raw)
            return step;
    return std::nullopt;
}

OnboardingStep next(OnboardingStep step) {
    return step == OnboardingStep::done ? step : OnboardingStep(int(step) + 1);
}

OnboardingStep previous(OnboardingStep step) {
    return step == OnboardingStep::splash ? step : OnboardingStep(int(step) - 1);
}

} // namespace stowly::onboardingStep
