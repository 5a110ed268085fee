#pragma once
// The witness with the chosen-face tools: each generation it chooses the face
// that looks nearest the target (the nearest seen so far, as a user goes back
// to it) and by turns runs a part gallery on the part that looks farthest
// off, breeds from the chosen face and its nearest shown faces, or takes the
// best level of an exaggeration range.

#include <vector>

#include "Strategy.h"

namespace mirel::witness {

class UseChosenFaceTools final : public Strategy {
  public:
    // Breeding turns mark the chosen face and the K - 1 preferred shown
    // faces and breed with `settings`, with the witness's locks when `locks`.
    UseChosenFaceTools(int marks, bool locks, BreedingSettings settings)
        : marks_(marks), useLocks_(locks), settings_(settings) {}
    bool nextGeneration(const Turn& turn, PopulationStore& store) override;

  private:
    bool breed(const Turn& turn, PopulationStore& store);

    int marks_;
    bool useLocks_;
    BreedingSettings settings_;
    WitnessLocks locks_;
    std::vector<FacePart> galleries_;  // the parts galleried so far, in order
    GeneRef chosen_{};
    FaceRecord chosenDrawn_;
    FacePicture chosenPicture_;
    bool hasChosen_ = false;
};

}  // namespace mirel::witness
