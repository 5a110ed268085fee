#pragma once
// What the simulated witness does each generation once it has looked: a
// strategy makes the next generation from what the witness saw (usually by
// marking the faces it prefers and breeding). Tools that make a generation
// another way plug in as further strategies.

#include <string>
#include <vector>

#include "face/FaceRecord.h"
#include "ga/BreedingSettings.h"
#include "ga/PartLocks.h"
#include "ga/PopulationStore.h"

namespace mirel::witness {

// What the witness sees in generation `generation`.
struct Turn {
    int generation = 0;
    // Indices of the shown faces, the one the witness prefers first (its
    // picks carry the witness's noise).
    std::vector<int> preferred;
    // The shown faces as drawn (absolute points, constrained flags), by index.
    const std::vector<FaceRecord>* drawn = nullptr;
    const FaceRecord* targetDrawn = nullptr;
};

class Strategy {
  public:
    virtual ~Strategy() = default;
    // Makes generation turn.generation + 1 in `store`; false when none was made.
    virtual bool nextGeneration(const Turn& turn, PopulationStore& store) = 0;
};

// Marks the K preferred faces and breeds with `settings`; with `locks`, first
// locks each part to the shown face whose part is right (within a couple of
// face units of the target's, flags included), keeping the best so far.
class BreedFromMarks final : public Strategy {
  public:
    BreedFromMarks(int marks, bool locks, BreedingSettings settings)
        : marks_(marks), useLocks_(locks), settings_(settings) {}
    bool nextGeneration(const Turn& turn, PopulationStore& store) override;

  private:
    int marks_;
    bool useLocks_;
    BreedingSettings settings_;
    PartLocks locks_;
    std::array<double, kFacePartCount> lockedDistance_{};
};

}  // namespace mirel::witness
