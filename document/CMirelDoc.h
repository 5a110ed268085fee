#pragma once
// The document: every generation bred so far, the user's marks, the time
// spent per generation, the face shown in window 2 and the views' geometry.
// Views own nothing; they read and change this. No Qt here: what the
// document needs from the windows goes through its DocumentHost.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "document/DocumentHost.h"
#include "document/WallClock.h"
#include "face/FaceRecord.h"
#include "face/LoadFailure.h"
#include "ga/PopulationStore.h"
#include "output/HistoryRecord.h"
#include "render/Canvas.h"
#include "render/SelectionMarks.h"

namespace mirel {

inline constexpr int kStatusPaneWidth = 450;
inline constexpr const char* kFaceSavedText = "顔情報を出力しました";
inline constexpr const char* kMessageCaption = "Mirel";
// The second line of the saved message when the files go elsewhere than the
// working directory's Output folder.
inline constexpr const char* kSavedToText = "保存先：";
inline constexpr const char* kStatusFormat =
    " 現在までにかかった世代数：%3d世代，　現在閲覧している世代：%3d世代目";

// kStatusFormat, or its translation (which takes the same two numbers), filled in.
std::string formatStatusText(int generationCount, int viewedGeneration,
                             const std::string& format = kStatusFormat);

class CMirelDoc {
public:
    // The sample bank under dataDir makes generation 0; an unreadable sample
    // gives the reader's failure and no document.
    static std::variant<std::unique_ptr<CMirelDoc>, LoadFailure> create(
        WallClock clock = systemWallClock, const std::string& dataDir = "Data");

    CMirelDoc(PopulationStore store, WallClock clock);
    CMirelDoc(const CMirelDoc&) = delete;
    CMirelDoc& operator=(const CMirelDoc&) = delete;

    // The frame that shows this document; nullptr detaches it.
    void attachHost(DocumentHost* host) { host_ = host; }

    PopulationStore& populationStore() { return store_; }
    const PopulationStore& populationStore() const { return store_; }
    SelectionMarkTable& marks() { return marks_; }
    const SelectionMarkTable& marks() const { return marks_; }
    const HistoryRecord& history() const { return history_; }
    int generationCount() const { return store_.generationCount(); }
    // The Selection of the newest generation, where every mark goes.
    const Selection& currentSelection() const;
    // The stored individual under the hover slot.
    FaceRecord& hoveredFace();
    // Individual page * 20 + cell of the viewed generation.
    FaceRecord& faceInCell(int cell);

    void ActivateView(int n);
    void UpdateStatusText();
    void DrawPopulationPage(Canvas& canvas);
    // What DrawPopulationPage does to the stored records of a page (they are
    // brought up to date as drawing does), without drawing: copies of them,
    // in cell order, to be drawn elsewhere.
    std::vector<FaceRecord> PreparePageFaces(int generation, int page);
    // The records of a page as drawing them now would draw them; the stored
    // ones stay as they are.
    std::vector<FaceRecord> PreparedPageCopies(int generation, int page) const;
    void RedrawMarks(Canvas& canvas);
    // Call only while the current Selection has fewer than 60 marks.
    void ToggleMark(Canvas& canvas, int cell);
    void HoverFace(int cell);
    // Repaints view n (without erasing) in every window that shows this document.
    void InvalidateView(int n);
    // Breeds the next generation from the current marks, if there is one.
    void AdvanceGeneration();
    // Writes the portrait, the face data and the history; `face` is a copy,
    // so the caller's record stays as it is.
    void SaveFace(FaceRecord face);
    // Where SaveFace writes: "Output" in the working directory unless set.
    // A folder set here is created by the first save that finds it missing.
    void setOutputFolder(std::filesystem::path folder);
    const std::filesystem::path& outputFolder() const { return outputFolder_; }

    // Window 1's layout step: geometry fields from its client size.
    void LayoutGrid(int width, int height);
    // Window 1's drawing: white, LayoutGrid, faces, marks, status.
    void DrawGridWindow(Canvas& canvas, int width, int height);
    // Window 2's drawing: white, layout, copy of the hovered face, centred face.
    void DrawDetailWindow(Canvas& canvas, int width, int height);

private:
    // `text` in the user's language, and `detail` (already in it) on a line of its own.
    void report(MessageKind kind, const std::string& caption, const std::string& text,
                const std::string& detail = {});
    std::string translate(const std::string& text) const;
    std::filesystem::path inOutputFolder(const char* fixedPath) const;

    // Declared in construction order: detailFace copies from the store.
    WallClock clock_;
    DocumentHost* host_ = nullptr;
    PopulationStore store_;
    SelectionMarkTable marks_;
    HistoryRecord history_;
    std::filesystem::path outputFolder_;
    bool createOutputFolder_ = false;

public:
    // The face window 2 shows and the save command writes.
    FaceRecord detailFace;

    // The view state; the views' layout steps write the geometry.
    std::int32_t activeView = kGridView;
    std::int32_t gridWidth = 0;
    std::int32_t gridHeight = 0;
    std::int32_t cellSize = 0;
    std::int32_t faceLineWidth = 0;
    std::int32_t markLineWidth = 0;
    std::int32_t detailWidth = 0;
    std::int32_t detailHeight = 0;
    std::int32_t detailSize = 0;
    std::int32_t detailLineWidth = 0;
    std::int32_t viewedGeneration = 0;
    std::int32_t page = 0;
    std::int32_t hoverCell = 0;
};

}  // namespace mirel
