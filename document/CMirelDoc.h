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
#include "document/SessionFile.h"
#include "document/WallClock.h"
#include "face/FaceRecord.h"
#include "face/LoadFailure.h"
#include "ga/PartLocks.h"
#include "ga/PopulationStore.h"
#include "output/FaceTextExport.h"
#include "output/HistoryRecord.h"
#include "render/Canvas.h"
#include "render/SelectionMarks.h"

namespace mirel {

inline constexpr int kStatusPaneWidth = 450;
inline constexpr const char* kFaceSavedText = "顔情報を出力しました";
inline constexpr const char* kMessageCaption = "Mirel";
// Window 1 shows a generation's 60 faces as three pages of 20.
inline constexpr int kPageCount = kPopulationSize / kCellsPerPage;
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
    // The document a session file holds, as it was saved; only the clock of
    // the current generation starts again now.
    CMirelDoc(Session session, WallClock clock);
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
    // Window 1 has painted a page: a recovery file waiting for the new
    // generation to be on the screen may now be written.
    void PageShown() {
        if (host_ != nullptr) host_->pageShown();
    }
    // Call only while the current Selection has fewer than 60 marks.
    void ToggleMark(Canvas& canvas, int cell);
    void HoverFace(int cell);
    // Repaints view n (without erasing) in every window that shows this document.
    void InvalidateView(int n);
    // Breeds the next generation from the current marks, if there is one.
    void AdvanceGeneration();
    // Shows page `newPage` (0 to 2) of the viewed generation in window 1;
    // false, changing nothing, when it is out of range or already shown.
    bool ShowPage(int newPage);

    // Part locks: every child bred while a part is locked takes that part
    // from the face it is locked to.
    const PartLocks& partLocks() const { return locks_; }
    // Locks `part` to the face shown in window 2 (the hover slot).
    void LockPart(FacePart part);
    void UnlockPart(FacePart part);
    void ClearPartLocks();
    // The locks generation g was bred from, at index g; the newest
    // generation's entry is the locks in force now.
    std::array<PartLocks, kGenerationCount> locksPerGeneration() const;
    // Writes the portrait, the face data and the history into the output
    // folder (made when missing); `face` is a copy, so the caller's record
    // stays as it is. Ends with the success message, or, when a file was not
    // written, with the host's list of the files not written.
    void SaveFace(FaceRecord face);
    // Where SaveFace writes: "Output" in the working directory unless set;
    // made by the save that finds it missing.
    void setOutputFolder(std::filesystem::path folder) { outputFolder_ = std::move(folder); }
    const std::filesystem::path& outputFolder() const { return outputFolder_; }

    // Set by marking, unmarking and breeding; cleared by a successful saveSession.
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

    // Everything a session file holds, borrowed from this document; the
    // history is `booked`, a copy with the running generation's time added.
    SessionSource sessionSource(const HistoryRecord& booked, std::string documentPath = {}) const;
    // Writes the session to `path` as a whole or not at all; on success the
    // document is no longer modified and its recovery file is removed.
    [[nodiscard]] FileWriteResult saveSession(const std::filesystem::path& path);

    // After every breeding step the session is also written to `file`
    // (silently: it is a safety net), naming `documentPath` as its document.
    // An empty file turns this off.
    void setRecoveryFile(std::filesystem::path file, std::string documentPath);
    const std::filesystem::path& recoveryFile() const { return recoveryFile_; }
    // Removes the recovery file, if one was written (a clean close or a save).
    void discardRecovery();

    // Window 1's layout step: geometry fields from its client size.
    void LayoutGrid(int width, int height);
    // Window 1's drawing: white, LayoutGrid, faces, marks, status.
    void DrawGridWindow(Canvas& canvas, int width, int height);
    // Window 2's drawing: white, layout, copy of the hovered face, centred face.
    void DrawDetailWindow(Canvas& canvas, int width, int height);

private:
    void locksChanged();
    // `text` in the user's language, and `detail` (already in it) on a line of its own.
    void report(MessageKind kind, const std::string& caption, const std::string& text,
                const std::string& detail = {});
    std::string translate(const std::string& text) const;
    std::filesystem::path inOutputFolder(const char* fixedPath) const;
    HistoryRecord bookedHistory() const;
    void writeRecovery();

    // Declared in construction order: detailFace copies from the store.
    WallClock clock_;
    DocumentHost* host_ = nullptr;
    PopulationStore store_;
    SelectionMarkTable marks_;
    HistoryRecord history_;
    PartLocks locks_;
    std::array<PartLocks, kGenerationCount> bredLocks_{};
    std::filesystem::path outputFolder_ = kOutputFolder;
    bool modified_ = false;
    std::filesystem::path recoveryFile_;
    std::string recoveryDocumentPath_;

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
