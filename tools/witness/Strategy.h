#pragma once
// What the simulated witness does each generation once it has looked: a
// strategy makes the next generation from what the witness saw (usually by
// marking the faces it prefers and breeding). Tools that make a generation
// another way plug in as further strategies.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "FacePicture.h"

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
    // Their pictures and the distances as the witness judges them (noise included).
    const std::vector<FacePicture>* pictures = nullptr;
    const std::vector<double>* judged = nullptr;
    const FaceRecord* targetDrawn = nullptr;
    const FacePicture* targetPicture = nullptr;
    // How the witness judges any face's picture now, with this generation's
    // noise: a face seen before is looked at again beside the shown ones.
    std::function<double(const FacePicture&)> judge;
};

class Strategy {
  public:
    virtual ~Strategy() = default;
    // Makes generation turn.generation + 1 in `store`; false when none was made.
    virtual bool nextGeneration(const Turn& turn, PopulationStore& store) = 0;
};

// The witness's part locks: each part locked to the shown face whose part is
// right (within a couple of face units of the target's, flags included),
// keeping the best seen so far.
class WitnessLocks {
  public:
    void look(const Turn& turn);
    const PartLocks& locks() const { return locks_; }

  private:
    PartLocks locks_;
    std::array<double, kFacePartCount> lockedDistance_{};
};

// Marks the K preferred faces and breeds with `settings`, with the witness's
// part locks when `locks`.
class BreedFromMarks final : public Strategy {
  public:
    BreedFromMarks(int marks, bool locks, BreedingSettings settings)
        : marks_(marks), useLocks_(locks), settings_(settings) {}
    bool nextGeneration(const Turn& turn, PopulationStore& store) override;

  private:
    int marks_;
    bool useLocks_;
    BreedingSettings settings_;
    WitnessLocks locks_;
};

}  // namespace mirel::witness
