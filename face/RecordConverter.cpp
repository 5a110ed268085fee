#include "face/RecordConverter.h"

#include <span>

#include "face/AnchorGroups.h"
#include "face/HairFitting.h"

namespace mirel {
namespace {

// Anchors are stored absolute in both forms, so members can be processed in
// any order and the two directions are exact inverses.
void membersToRelative(std::span<const Point2> abs, std::span<Point2> rel,
                       std::span<const AnchorGroup> groups) {
    for (const AnchorGroup& group : groups) {
        const Point2 anchor = abs[group.anchor];
        for (const IndexRange& range : group.members) {
            for (int m = range.first; m <= range.last; ++m) {
                rel[m] = {abs[m].x - anchor.x, abs[m].y - anchor.y};
            }
        }
    }
}

void membersToAbsolute(std::span<const Point2> rel, std::span<Point2> abs,
                       std::span<const AnchorGroup> groups) {
    for (const AnchorGroup& group : groups) {
        const Point2 anchor = rel[group.anchor];
        for (const IndexRange& range : group.members) {
            for (int m = range.first; m <= range.last; ++m) {
                abs[m] = {rel[m].x + anchor.x, rel[m].y + anchor.y};
            }
        }
    }
}

}  // namespace

void RecordConverter::toRelative(FaceRecord& record) const {
    faceToRelative(record.face);
    hairToRelative(record.hair);
}

void RecordConverter::toAbsolute(FaceRecord& record) const {
    faceToAbsolute(record.face);
    hairToAbsolute(record.hair);
}

void RecordConverter::applyConstraints(FaceRecord& record) const {
    constrainFace(record.face);
    fitHair(record.hair, record.face);
}

void RecordConverter::faceToRelative(FaceGene& face) const {
    face.relPoints = face.absPoints;
    membersToRelative(face.absPoints, face.relPoints, kFaceAnchorGroups);
}

void RecordConverter::hairToRelative(HairGene& hair) const {
    hair.haegiwaRel = hair.haegiwaAbs;
    membersToRelative(hair.haegiwaAbs, hair.haegiwaRel, kHaegiwaAnchorGroups);
    hair.kamiyousoRel = hair.kamiyousoAbs;
    membersToRelative(hair.kamiyousoAbs, hair.kamiyousoRel, kKamiyousoAnchorGroups);
}

void RecordConverter::faceToAbsolute(FaceGene& face) const {
    face.absPoints = face.relPoints;
    membersToAbsolute(face.relPoints, face.absPoints, kFaceAnchorGroups);
}

void RecordConverter::hairToAbsolute(HairGene& hair) const {
    hair.haegiwaAbs = hair.haegiwaRel;
    membersToAbsolute(hair.haegiwaRel, hair.haegiwaAbs, kHaegiwaAnchorGroups);
    hair.kamiyousoAbs = hair.kamiyousoRel;
    membersToAbsolute(hair.kamiyousoRel, hair.kamiyousoAbs, kKamiyousoAnchorGroups);
}

void toDrawnForm(FaceRecord& record) {
    const RecordConverter converter;
    converter.toAbsolute(record);
    converter.applyConstraints(record);
}

FaceRecord drawnForm(FaceRecord record) {
    toDrawnForm(record);
    return record;
}

}  // namespace mirel
