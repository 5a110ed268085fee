#include "FixtureFace.h"

#include <array>
#include <span>

#include "face/RecordConverter.h"

namespace mirel::test {
namespace {

struct Placed {
    int index;
    double x;
    double y;
};

// clang-format off
// Face points of the stored side (x < 0) and of the centre line.
constexpr Placed kFacePoints[] = {
    // eyes: lid line 5-0, lower lid 6-8, pupil 9, crease 10-13, under-eye 14-17
    {0, -20, -3}, {1, -24, -5}, {2, -36, -14}, {3, -54, -14}, {4, -66, -4}, {5, -71, -6},
    {6, -25, -2}, {7, -45, 5}, {8, -65, -2}, {9, -45, -5}, {10, -24, -9}, {11, -36, -20},
    {12, -54, -20}, {13, -67, -9}, {14, -26, 5}, {15, -37, 12}, {16, -53, 12}, {17, -64, 4},
    {18, -36, 19}, {19, -54, 19}, {20, -34, 23}, {21, -56, 23}, {22, -38, 27}, {23, -52, 27},
    {24, 7, 0}, {25, -45, 0}, {26, -45, 0}, {27, -45, 0},
    // eyebrows
    {28, -20, -30}, {29, -35, -38}, {30, -55, -39}, {31, -73, -29}, {32, -21, -25},
    {33, -45, -32}, {34, -71, -25}, {35, -80, -40}, {36, -82, -30}, {37, -83, -20},
    {38, -82, -10}, {39, -40, -35}, {40, -40, -35}, {41, -40, -35},
    // nose
    {42, -9, -20}, {43, -11, 0}, {44, -13, 18}, {45, -15, 32}, {46, -6, -18}, {47, -5, 0},
    {48, -5, 20}, {49, -15, 36}, {50, -21, 43}, {51, -16, 50}, {52, -12, 42}, {53, -16, 47},
    {54, -12, 51}, {55, -9, 52}, {56, -4, 51}, {57, 0, 53}, {58, 0, 46}, {59, 0, 30},
    {60, 0, 30},
    // mouth (the right half, 61-64, 70, 71, 75, 76, 80, is mirrored below)
    {65, 0, 66}, {66, -7, 63}, {67, -18, 64}, {68, -30, 71}, {69, -33, 71}, {72, 0, 85},
    {73, -15, 83}, {74, -26, 75}, {77, 0, 72}, {78, -15, 73}, {79, -30, 71}, {81, 0, 78},
    {82, -15, 76}, {83, -10, 80}, {84, -10, 80}, {85, -10, 80}, {86, -10, 80}, {87, -10, 80},
    {88, -10, 80}, {89, -10, 80}, {90, -10, 80},
    // forehead
    {91, -10, -60}, {92, 0, -62}, {93, -40, -68}, {94, -20, -71}, {95, 0, -72}, {96, 8, 0},
    {97, 0, -62},
    // beside and below the nose
    {98, -30, 35}, {99, -33, 45}, {100, -35, 55}, {104, -40, 40}, {105, -42, 50},
    {106, -43, 60}, {110, -30, 40}, {111, -30, 40}, {112, -30, 40}, {113, -30, 40},
    {114, -20, 60}, {115, -24, 68}, {116, -26, 76}, {120, -4, 55}, {121, -5, 62},
    {122, 0, 62}, {123, 0, 62}, {124, 0, 62}, {125, 0, 62}, {126, 0, 62},
    // cheeks
    {127, -60, 30}, {128, -62, 40}, {129, -63, 50}, {130, -62, 60}, {135, -50, 70},
    {136, -48, 80}, {137, -45, 90}, {141, -60, 40}, {142, -60, 40}, {143, -60, 40},
    {144, -60, 40}, {145, -60, 40}, {146, -60, 40},
    // chin and neck
    {147, -12, 95}, {148, 0, 97}, {149, -8, 100}, {150, 0, 101}, {151, -32, 150},
    {152, -30, 108}, {153, -16, 106}, {154, 0, 105}, {155, 0, 105}, {156, 0, 105},
    {157, 0, 105},
    // ears
    {158, -92, -12}, {159, -103, -16}, {160, -113, -6}, {161, -116, 8}, {162, -112, 24},
    {163, -102, 34}, {164, -93, 30}, {165, -110, 10},
    // outline
    {166, -95, -60}, {167, 0, -105}, {168, -102, -20}, {169, -100, 15}, {170, -92, 50},
    {171, -80, 75}, {172, -60, 90}, {173, -36, 97}, {174, -60, -95}, {175, 0, 0},
    {176, 0, 0}, {177, 0, 0},
};

// Right-hand points that the face rules mirror from the left: {to, from}.
constexpr int kFaceMirrors[][2] = {
    {61, 69}, {62, 68}, {63, 67}, {64, 66}, {70, 74}, {71, 73}, {75, 79}, {76, 78},
    {80, 82}, {101, 98}, {102, 99}, {103, 100}, {107, 104}, {108, 105}, {109, 106},
    {117, 114}, {118, 115}, {119, 116}, {131, 127}, {132, 128}, {133, 129}, {134, 130},
    {138, 135}, {139, 136}, {140, 137},
};

// Hairline, already at the face's scale (point 0 on face point 166).
constexpr Placed kHairlinePoints[] = {
    {0, -95, -60}, {1, -60, -95}, {2, 0, -104}, {5, -100, -55}, {6, -72, -112}, {7, 0, -126},
    {10, -100, -20}, {11, -100, 15}, {12, -110, -20}, {13, -108, 15},
    {18, 0, -80}, {19, 0, -80}, {20, 0, -80}, {21, 0, -80}, {22, 0, -80}, {23, 0, -80},
    {24, -100, 15}, {25, -102, 32}, {26, -100, 48}, {27, -94, 15}, {28, -95, 32},
    {29, -94, 46}, {36, -95, 20}, {37, -95, 20}, {38, -95, 20}, {39, -95, 20},
    {40, -98, 15}, {41, -98, 30}, {42, -96, 45}, {46, -60, -100}, {47, 0, -108},
    {49, -90, 40}, {50, -90, 40}, {51, -90, 40}, {52, -90, 40}, {53, -90, 40},
    {54, -90, 40}, {55, -90, 40}, {56, -90, 40},
};
constexpr int kHairlineMirrors[][2] = {
    {3, 1},   {4, 0},   {8, 6},   {9, 5},   {14, 10}, {15, 11}, {16, 12}, {17, 13},
    {30, 24}, {31, 25}, {32, 26}, {33, 27}, {34, 28}, {35, 29}, {43, 40}, {44, 41},
    {45, 42}, {48, 46},
};

struct FlagValue {
    int index;
    int value;
};
// Open eyes with pupils and lid lines, a crease and an under-eye line, filled
// brows, nose wings, lip outlines, one forehead line, a philtrum, a neck.
constexpr FlagValue kFaceFlags[] = {
    {3, 4},  {4, 1},  {5, 1},  {16, 1}, {17, 1}, {25, 1}, {32, 1},
    {39, 1}, {40, 1}, {50, 1}, {62, 1}, {81, 1}, {82, 1},
};
// Hair above the head, side locks over the features, sideburns.
constexpr FlagValue kHairFlags[] = {{0, 1}, {10, 1}, {25, 1}};

// clang-format on

template <std::size_t N>
void place(std::array<Point2, N>& points, std::span<const Placed> placed,
           std::span<const int[2]> mirrors) {
    for (const Placed& p : placed) points[static_cast<std::size_t>(p.index)] = {p.x, p.y};
    for (const auto& m : mirrors) {
        const Point2 from = points[static_cast<std::size_t>(m[1])];
        points[static_cast<std::size_t>(m[0])] = {-from.x, from.y};
    }
}

}  // namespace

FaceRecord fixtureFace() {
    FaceRecord record;
    place(record.face.absPoints, kFacePoints, kFaceMirrors);
    place(record.hair.haegiwaAbs, kHairlinePoints, kHairlineMirrors);
    for (const FlagValue& f : kFaceFlags) record.face.flags[f.index] = f.value;
    for (const FlagValue& f : kHairFlags) record.hair.haegiwaFlags[f.index] = f.value;
    RecordConverter().toRelative(record);
    return record;
}

FaceRecord fixtureFaceWithoutHair() {
    FaceRecord record = fixtureFace();
    for (int flag : {0, 10, 25}) record.hair.haegiwaFlags[flag] = 0;
    return record;
}

}  // namespace mirel::test
