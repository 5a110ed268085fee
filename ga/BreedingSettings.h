#pragma once
// How far breeding reaches beyond the marked faces: the size of the mutation
// steps and how many of a generation's children are new people instead of
// children of the marks. The default value breeds exactly as without settings.

#include <cstdint>
#include <optional>

namespace mirel {

// Multiplies the amplitude of every point step of a mutation.
enum class StepSize : std::int32_t { Standard = 1, Large = 2, ExtraLarge = 4 };
// How many of the 60 slots, counted from the last, hold new people.
enum class NewBlood : std::int32_t { None = 0, Few = 6, Many = 15 };

inline constexpr StepSize kStepSizes[] = {StepSize::Standard, StepSize::Large,
                                          StepSize::ExtraLarge};
inline constexpr NewBlood kNewBloodLevels[] = {NewBlood::None, NewBlood::Few, NewBlood::Many};

struct BreedingSettings {
    StepSize stepSize = StepSize::Standard;
    NewBlood newBlood = NewBlood::None;

    constexpr int stepScale() const { return static_cast<int>(stepSize); }
    constexpr int newPeople() const { return static_cast<int>(newBlood); }
    // Larger steps also reach the first children after the elites, which the
    // standard breeding passes on as pure crossovers.
    constexpr bool mutatesEveryChild() const { return stepSize != StepSize::Standard; }
    constexpr bool isDefault() const { return *this == BreedingSettings{}; }

    friend constexpr bool operator==(const BreedingSettings&, const BreedingSettings&) = default;
};

// The settings that bring the simulated witness nearest its target by
// generation 10 while the faces on view keep at least half the samples'
// variety: new faces add variety where larger steps cost likeness.
inline constexpr BreedingSettings kRecommendedSettings{StepSize::Standard, NewBlood::Many};

// The setting of a stored number, or nothing when no setting has it.
std::optional<StepSize> stepSizeOf(std::int32_t scale);
std::optional<NewBlood> newBloodOf(std::int32_t people);

}  // namespace mirel
