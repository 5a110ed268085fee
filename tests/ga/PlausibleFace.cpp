#include "PlausibleFace.h"

#include "face/AnchorGroups.h"

namespace mirel::test {

namespace {

struct Placed {
    int point;
    double x;
    double y;
};

// Relative face points of variant 0. Centre-line points (57, 58, 65, 72, 77,
// 81, 92, 95, 122, 148, 150) are a little off the line, as mutation puts them on it.
constexpr Placed kFacePoints[] = {
    {0, 15, -2},     {1, 10, -5},     {2, 5, -6},      {3, 1, -6.5},    {4, -5, -5},
    {5, -10, -2},    {6, 10, 5},      {7, 1, 6},       {8, -10, 5},     {9, -40, -20},
    {10, 6, -3},     {11, 2, -4},     {12, -2, -4},    {13, -6, -3},    {14, 6, 3},
    {15, 2, 4},      {16, -2, 4},     {17, -6, 3},     {18, 3, 1},      {19, -3, 1},
    {20, 3, 2},      {21, -3, 2},     {22, 3, 3},      {23, -3, 3},     {24, 6, 2},
    {28, -40, -45},  {29, -2, -1},    {30, -10, -2},   {31, -20, -1},   {32, -5, 2},
    {33, -12, 2.5},  {34, -20, 3},    {35, 10, -3},    {36, 5, -1},     {37, -5, 1},
    {38, -10, 3},    {42, -5, -30},   {43, -6, -20},   {44, -7, -10},   {45, -8, -1},
    {46, -8, 2},     {47, -9, 4},     {48, -10, 6},    {49, -11, 4},    {50, -9, 5},
    {51, -10, 6},    {52, -7, 1},     {53, -8, 2},     {54, -9, 3},     {55, -6, 8},
    {56, -3, 9},     {57, 2, 10},     {58, 3, 20},     {61, 8, 1},      {62, 6, 2},
    {63, 4, 3},      {64, 2, 4},      {65, 1, -3},     {66, -2, 1},     {67, -4, 2},
    {68, -6, 3},     {69, -8, 4},     {70, 8, 3},      {71, 4, 4},      {72, 1, 5},
    {73, -4, 4},     {74, -8, 3},     {75, 8, -1},     {76, 4, 0.5},    {77, 2, 60},
    {78, -4, 0.5},   {79, -8, -1},    {80, 4, 2},      {81, 1, 3},      {82, -4, 2},
    {91, -10, -2},   {92, 1, -60},    {93, -6, -1},    {94, -3, -1.5},  {95, 1, -3},
    {96, 5, 1},      {98, -20, 5},    {99, -2, 2},     {100, -4, 4},    {101, -10, 1},
    {102, -9, 2},    {103, -8, 3},    {104, -10, 1},   {105, -9, 2},    {106, -8, 3},
    {107, -1, 1},    {108, -2, 2},    {109, -3, 3},    {114, 1, 1},     {115, 2, 2},
    {116, 3, 3},     {117, -1, 1},    {118, -2, 2},    {119, -3, 3},    {120, -2, -4},
    {121, -3, -2},   {122, 1, 40},    {127, -1, -2},   {128, -50, 10},  {129, -2, 2},
    {130, -3, 4},    {131, -1, 1},    {132, -2, 2},    {133, -3, 3},    {134, -4, 4},
    {135, -1, 1},    {136, -2, 2},    {137, -3, 3},    {138, -1, 1},    {139, -2, 2},
    {140, -3, 3},    {147, -10, -5},  {148, 1, -10},   {149, -10, -10}, {150, 1, -5},
    {151, -30, -30}, {152, -20, -20}, {153, -10, -10}, {154, 1, 105},   {158, 5, -8},
    {159, 1, -10},   {160, -5, -5},   {161, -110, 1},  {162, -5, 5},    {163, 1, 10},
    {164, 5, 6},     {166, -90, 1},   {167, 1, -105},  {168, -92, 20},  {169, -95, 40},
    {170, -80, 50},  {171, -70, 60},  {172, -50, 70},  {173, -30, 80},  {174, -50, -60},
};

constexpr Placed kHairlinePoints[] = {
    {0, -100, -80}, {1, 5, -1},   {2, 10, -2},  {3, 15, -3}, {4, 20, -4},  {5, 1, -5},
    {6, 2, -4},     {7, 3, -3},   {8, 4, -2},   {9, 5, 1},   {10, 3, 2},   {11, 4, 4},
    {12, 5, -3},    {13, 6, -1},  {14, 7, 2},   {15, 8, 4},  {16, 9, 2},   {17, 10, 3},
    {24, -90, -40}, {25, 5, 2},   {26, 5, 4},   {27, -2, 1}, {28, -1, 2},  {29, 3, 3},
    {30, 1, 1},     {31, 1.5, 2}, {32, 1, 3},   {33, 2, 1},  {34, 2.5, 2}, {35, 2, 3},
    {40, 2, 60},    {41, -1, 2},  {42, -20, 4}, {43, 3, 1},  {44, 4, 2},   {45, 20, 3},
    {46, -10, 5},   {47, -5, 6},  {48, 5, 7},
};

// Hair element 1 and the first runs of elements 2-6; the rest is generated.
constexpr Placed kHairElementPoints[] = {
    {0, -5, 1}, {1, 1, -30}, {2, 5, 1},  {3, 6, 2},  {4, 7, 3},  {5, 2, 1},  {6, 1, -2},
    {7, 2, -4}, {9, 3, -1},  {10, 4, 5}, {52, 2, 2}, {53, 4, 4}, {54, 6, 6},
};

// First points of the runs of elements 2, 3, 5 and 6, which lie left of and
// below their anchors.
constexpr int kLeftRunStarts[] = {12, 32, 61, 81};

constexpr IndexRange kFaceGenome[] = {{0, 24},    {28, 38},   {42, 58},   {61, 82},
                                      {91, 96},   {98, 109},  {114, 122}, {127, 140},
                                      {147, 154}, {158, 164}, {166, 174}};
constexpr IndexRange kHairlineGenome[] = {{0, 17}, {24, 35}, {40, 48}};

bool inRuns(std::span<const IndexRange> runs, int k) {
    for (const IndexRange& run : runs) {
        if (run.first <= k && k <= run.last) return true;
    }
    return false;
}

constexpr double kVariantStep = 0.015;
constexpr double kFractionBase = 0.3;
constexpr double kFractionStep = 0.01;
constexpr Point2 kOutside{9, 9};

void place(std::span<Point2> points, std::span<const Placed> table) {
    for (const Placed& p : table) points[p.point] = {p.x, p.y};
}

KamiyousoPoints hairElementsOfVariant0() {
    KamiyousoPoints points{};
    for (int k = 0; k < kKamiyousoPointCount; ++k) points[k] = {-(k % 9) - 1.5, (k % 7) + 1.5};
    place(points, kHairElementPoints);
    for (const int k : kKamiyousoFractionSlots) points[k].x = 3;
    for (const int start : kLeftRunStarts) {
        for (int j = 0; j < 3; ++j) points[start + j] = {-2.0 * (j + 1), 2.0 * (j + 1)};
    }
    return points;
}

}  // namespace

FaceRecord plausibleRecord(int variant) {
    const double scale = 1.0 + kVariantStep * variant;
    FaceRecord record;
    FacePoints& face = record.face.relPoints;
    face.fill(kOutside);
    place(face, kFacePoints);
    HaegiwaPoints& hairline = record.hair.haegiwaRel;
    hairline.fill(kOutside);
    place(hairline, kHairlinePoints);
    KamiyousoPoints& elements = record.hair.kamiyousoRel;
    elements = hairElementsOfVariant0();

    for (Point2& p : face) p = {p.x * scale, p.y * scale};
    for (Point2& p : hairline) p = {p.x * scale, p.y * scale};
    for (int k = 0; k < kKamiyousoPointCount; ++k) {
        Point2& p = elements[k];
        if (isKamiyousoCoordinate(k, 0)) p.x *= scale;
        if (isKamiyousoCoordinate(k, 1)) p.y *= scale;
    }
    for (const int k : kKamiyousoFractionSlots)
        elements[k].y = kFractionBase + kFractionStep * variant;
    for (const int k : kKamiyousoParameterSlots) elements[k] = {0.7 + 0.001 * variant, 0.8};

    auto twice = [](Point2 p) { return Point2{2 * p.x, 2 * p.y}; };
    for (int k = 0; k < kFacePointCount; ++k) record.face.absPoints[k] = twice(face[k]);
    for (int k = 0; k < kHaegiwaPointCount; ++k) record.hair.haegiwaAbs[k] = twice(hairline[k]);
    for (int k = 0; k < kKamiyousoPointCount; ++k) record.hair.kamiyousoAbs[k] = twice(elements[k]);

    for (int k = 0; k < kFaceFlagCount; ++k) record.face.flags[k] = 1000 * (variant + 1) + k;
    for (int k = 0; k < kHaegiwaFlagCount; ++k)
        record.hair.haegiwaFlags[k] = 2000 * (variant + 1) + k;
    for (int k = 0; k < kKamiyousoFlagCount; ++k) {
        record.hair.kamiyousoFlags[k] = 3000 * (variant + 1) + k;
    }
    return record;
}

std::vector<FaceRecord> plausibleGeneration() {
    std::vector<FaceRecord> records;
    records.reserve(kVariantCount);
    for (int v = 0; v < kVariantCount; ++v) records.push_back(plausibleRecord(v));
    return records;
}

PopulationStore plausibleStore() {
    const std::vector<FaceRecord> records = plausibleGeneration();
    return PopulationStore(PopulationStore::Generation(records.data(), kPopulationSize));
}

bool inFaceGenome(int k) {
    return inRuns(kFaceGenome, k);
}
bool inHairlineGenome(int k) {
    return inRuns(kHairlineGenome, k);
}

int variantOfFacePoint(const FaceRecord& child, int k, std::span<const FaceRecord> candidates) {
    const Point2 p = child.face.relPoints[k];
    if (p == Point2{}) return -1;
    for (std::size_t c = 0; c < candidates.size(); ++c) {
        if (candidates[c].face.relPoints[k] == p) return static_cast<int>(c);
    }
    return -1;
}

}  // namespace mirel::test
