#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "ga/Breeder.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

// n distinct marks spread over generations 0-2, in marking order.
Selection marksOf(int n) {
    Selection selection;
    selection.count = n;
    for (int k = 0; k < n; ++k) selection.setMark(k, {k % 3, (k * 7) % kPopulationSize});
    return selection;
}

std::vector<GeneRef> marksIn(const Selection& s) {
    std::vector<GeneRef> refs;
    for (int k = 0; k < s.count; ++k) refs.push_back(s.mark(k));
    return refs;
}

bool contains(const std::vector<GeneRef>& refs, GeneRef ref) {
    for (const GeneRef& r : refs) {
        if (r == ref) return true;
    }
    return false;
}

std::pair<int, int> key(GeneRef r) {
    return {r.generation, r.index};
}

class BreederTest : public ::testing::Test {
  protected:
    void SetUp() override { resetRandomSource(); }
};

TEST_F(BreederTest, ConstructionCopiesTheSelectionAndClearsTheRest) {
    const Selection marks = marksOf(5);
    const Breeder breeder(marks);
    EXPECT_EQ(breeder.selection, marks);
    EXPECT_EQ(breeder.parentCount, kParentsPerChild);
    EXPECT_EQ(breeder.currentChild, 0);
    for (int i = 0; i < kPopulationSize; ++i) EXPECT_EQ(breeder.mainParent.at(i), (GeneRef{0, 0}));
}

TEST_F(BreederTest, UpToTwentyMarksAreAllElitesInMarkingOrder) {
    for (const int n : {1, 2, 3, 19, 20}) {
        Breeder breeder(marksOf(n));
        breeder.chooseElites();
        ASSERT_EQ(breeder.eliteCount, n) << "n = " << n;
        for (int e = 0; e < n; ++e)
            EXPECT_EQ(breeder.elites.at(e), breeder.selection.mark(e)) << "n = " << n;
    }
}

TEST_F(BreederTest, MoreThanTwentyMarksGiveTwentyDistinctElites) {
    bool someNotInMarkingOrder = false;
    for (int n = 21; n <= kMaxMarks; ++n) {
        Breeder breeder(marksOf(n));
        breeder.chooseElites();
        ASSERT_EQ(breeder.eliteCount, kMaxElites) << "n = " << n;
        const std::vector<GeneRef> marks = marksIn(breeder.selection);
        std::set<std::pair<int, int>> distinct;
        for (int e = 0; e < kMaxElites; ++e) {
            const GeneRef elite = breeder.elites.at(e);
            EXPECT_TRUE(contains(marks, elite)) << "n = " << n << ", elite " << e;
            distinct.insert(key(elite));
            if (elite != breeder.selection.mark(e)) someNotInMarkingOrder = true;
        }
        EXPECT_EQ(distinct.size(), std::size_t(kMaxElites)) << "n = " << n;
    }
    EXPECT_TRUE(someNotInMarkingOrder);
}

TEST_F(BreederTest, OneMarkIsAllThreeParents) {
    Breeder breeder(marksOf(1));
    for (int child = 0; child < 50; ++child) {
        breeder.chooseParents();
        for (int p = 0; p < kParentsPerChild; ++p) {
            EXPECT_EQ(breeder.parents.at(p), breeder.selection.mark(0)) << "child " << child;
        }
    }
}

TEST_F(BreederTest, TwoMarksAreParentsInOrderWithOneRepeated) {
    Breeder breeder(marksOf(2));
    const GeneRef a = breeder.selection.mark(0);
    const GeneRef b = breeder.selection.mark(1);
    std::set<std::pair<int, int>> thirds;
    for (int child = 0; child < 50; ++child) {
        breeder.chooseParents();
        EXPECT_EQ(breeder.parents.at(0), a) << "child " << child;
        EXPECT_EQ(breeder.parents.at(1), b) << "child " << child;
        const GeneRef third = breeder.parents.at(2);
        EXPECT_TRUE(third == a || third == b) << "child " << child;
        thirds.insert(key(third));
    }
    EXPECT_EQ(thirds.size(), 2u);
}

TEST_F(BreederTest, ThreeOrMoreMarksGiveThreeDistinctParents) {
    for (const int n : {3, 4, 20, 21, 60}) {
        Breeder breeder(marksOf(n));
        const std::vector<GeneRef> marks = marksIn(breeder.selection);
        std::set<std::pair<int, int>> used;
        for (int child = 0; child < 200; ++child) {
            breeder.chooseParents();
            const GeneRef p0 = breeder.parents.at(0);
            const GeneRef p1 = breeder.parents.at(1);
            const GeneRef p2 = breeder.parents.at(2);
            ASSERT_TRUE(p0 != p1 && p1 != p2 && p0 != p2) << "n = " << n << ", child " << child;
            for (const GeneRef p : {p0, p1, p2}) {
                ASSERT_TRUE(contains(marks, p)) << "n = " << n;
                used.insert(key(p));
            }
        }
        EXPECT_EQ(used.size(), std::size_t(n)) << "n = " << n << ": every mark is drawn some time";
    }
}

TEST_F(BreederTest, DistinctnessComparesPairsNotPositions) {
    // Positions 0 and 1 name the same face; only three faces exist.
    Selection selection;
    selection.count = 4;
    selection.setMark(0, {0, 5});
    selection.setMark(1, {0, 5});
    selection.setMark(2, {0, 6});
    selection.setMark(3, {1, 5});
    Breeder breeder(selection);
    for (int child = 0; child < 200; ++child) {
        breeder.chooseParents();
        std::set<std::pair<int, int>> faces;
        for (int p = 0; p < kParentsPerChild; ++p) faces.insert(key(breeder.parents.at(p)));
        ASSERT_EQ(faces.size(), 3u) << "child " << child;
    }
}

}  // namespace
}  // namespace mirel
