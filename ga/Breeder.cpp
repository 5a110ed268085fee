#include "ga/Breeder.h"

#include "ga/RandomSource.h"

namespace mirel {

namespace {

bool containsPair(const GeneRefList& list, int count, GeneRef ref) {
    for (int k = 0; k < count; ++k) {
        if (list.at(k) == ref) return true;
    }
    return false;
}

}  // namespace

Breeder::Breeder(const Selection& marks) : selection(marks) {}

void Breeder::chooseElites() {
    const int n = selection.count;
    if (n <= kMaxElites) {
        for (int k = 0; k < n; ++k) elites.set(k, selection.mark(k));
        eliteCount = n;
        return;
    }
    eliteCount = kMaxElites;
    elites.set(0, selection.mark(randomIndex(n)));
    for (int i = 1; i < kMaxElites; ++i) {
        GeneRef candidate = selection.mark(randomIndex(n));
        while (containsPair(elites, i, candidate)) candidate = selection.mark(randomIndex(n));
        elites.set(i, candidate);
    }
}

void Breeder::chooseParents() {
    const int n = selection.count;
    if (n < parentCount) {
        for (int k = 0; k < n; ++k) parents.set(k, selection.mark(k));
        for (int i = n; i < parentCount; ++i) parents.set(i, selection.mark(randomIndex(n)));
        return;
    }
    parents.set(0, selection.mark(randomIndex(n)));
    for (int i = 1; i < parentCount; ++i) {
        GeneRef candidate = selection.mark(randomIndex(n));
        while (containsPair(parents, i, candidate)) candidate = selection.mark(randomIndex(n));
        parents.set(i, candidate);
    }
}

GeneRef Breeder::drawParent() const {
    return parents.at(randomIndex(kParentsPerChild));
}

}  // namespace mirel
