#pragma once
// The document: every generation bred so far, the user's marks, the time
// spent per generation, the face shown in window 2 and the views' geometry.
// Views own nothing; they read and change this. No Qt here: what the
// document needs from the windows goes through its DocumentHost.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "document/DocumentHost.h"
#include "document/DocumentState.h"
#include "document/SessionFile.h"
#include "document/WallClock.h"
#include "face/FaceRecord.h"
#include "face/LoadFailure.h"
#include "ga/PartLocks.h"
#include "ga/PopulationStore.h"
#include "ga/ToolGeneration.h"
#include "output/FaceTextExport.h"
#include "output/HistoryRecord.h"
#include "render/Canvas.h"
#include "render/DrawFace.h"
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
    // Adds or removes the mark of a cell; a full Selection (60 marks) only
    // gives marks back, it takes no new one.
    void ToggleMark(Canvas& canvas, int cell);
    // Whether `face` is among the newest generation's marks.
    bool IsMarked(GeneRef face) const;
    void HoverFace(int cell);
    // Repaints view n (without erasing) in every window that shows this document.
    void InvalidateView(int n);
    // Breeds the next generation from the current marks, if there is one.
    void AdvanceGeneration();
    // Shows `face` in window 1 (its generation and page) and in window 2;
    // false, changing nothing, when it is not stored.
    bool ShowFace(GeneRef face);
    // Shows page `newPage` (0 to 2) of the viewed generation in window 1;
    // false, changing nothing, when it is out of range or already shown.
    bool ShowPage(int newPage);

    // The chosen face: one face the user picked with a click, which window 2
    // shows whenever the mouse is not over window 1 and which the commands
    // that act on "the face" use.
    const std::optional<GeneRef>& chosenFace() const { return chosen_; }
    // Chooses the face in `cell` of the viewed page; false when it already was.
    bool ChooseFace(int cell);
    void ClearChosenFace();
    // "The face": the chosen face when there is one, else the hover slot's.
    GeneRef theFaceRef() const;
    // Its record: the chosen face as window 2 draws it (a copy of the stored
    // record brought up to date), else detailFace.
    FaceRecord theFace() const;
    // Window 1 says whether the mouse is over it: window 2 previews the face
    // under the mouse there, and shows the chosen face again once it leaves.
    void SetPointerOverGrid(bool over);
    // The face window 2 shows now.
    GeneRef detailRef() const;

    // Windows 1 and 2 draw the hair and outline pale, so the inner face is
    // judged first. Only the screen: files and printouts never change.
    bool innerFaceFirst() const { return innerFaceFirst_; }
    void SetInnerFaceFirst(bool on);

    // Makes the next generation with a tool from the chosen face instead of
    // breeding (`part` names the gallery's part). Refuses, changing nothing,
    // without a chosen face, at the last generation, or when the tool would
    // vary nothing.
    std::optional<ToolRefusal> MakeToolGeneration(ToolKind kind, FacePart part = FacePart::Eyes);
    // Entry g: the tool that made generation g + 1, if one did.
    const ToolsPerGeneration& toolsUsed() const { return toolsUsed_; }

    // Part locks: every child bred while a part is locked takes that part
    // from the face it is locked to.
    const PartLocks& partLocks() const { return locks_; }
    // Locks `part` to the face (theFaceRef).
    void LockPart(FacePart part);
    void UnlockPart(FacePart part);
    void ClearPartLocks();
    // The locks generation g was bred from, at index g; the newest
    // generation's entry is the locks in force now.
    std::array<PartLocks, kGenerationCount> locksPerGeneration() const;

    // Breeding settings: the step size and the new people of every
    // generation bred from now on. The default breeds as without settings.
    const BreedingSettings& breedingSettings() const { return breeding_; }
    void SetBreedingSettings(const BreedingSettings& settings);
    // The settings generation g was bred with, at index g; the newest
    // generation's entry is the settings in force now.
    std::array<BreedingSettings, kGenerationCount> settingsPerGeneration() const;
    // Writes the portrait, the face data and the history into the output
    // folder (made when missing); `face` is a copy, so the caller's record
    // stays as it is. Ends with the success message, or, when a file was not
    // written, with the host's list of the files not written.
    void SaveFace(FaceRecord face);
    // Where SaveFace writes: "Output" in the working directory unless set;
    // made by the save that finds it missing.
    void setOutputFolder(std::filesystem::path folder) { outputFolder_ = std::move(folder); }
    const std::filesystem::path& outputFolder() const { return outputFolder_; }

    // Undo: the state now, without the stored records; the records of the
    // generations above `generationCount` (those a breeding added since a
    // state was taken), in order; and going back or forward to a state, the
    // generations it does not reach dropped and, going forward, `regained`
    // (what recordsAbove gave) put back. The views are repainted.
    DocumentState undoState() const;
    std::vector<FaceRecord> recordsAbove(int generationCount) const;
    void restoreUndoState(const DocumentState& state, std::span<const FaceRecord> regained = {});

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
    // Window 2's drawing: white, layout, copy of the hovered face (or of the
    // chosen one while the mouse is not over window 1), centred face.
    void DrawDetailWindow(Canvas& canvas, int width, int height, FaceStyle style = {});

private:
    void locksChanged();
    // What follows a new generation, bred or made by a tool, from generation g.
    void generationAdded(int g);
    void choiceChanged();
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
    BreedingSettings breeding_;
    std::array<BreedingSettings, kGenerationCount> bredSettings_{};
    std::filesystem::path outputFolder_ = kOutputFolder;
    bool modified_ = false;
    std::filesystem::path recoveryFile_;
    std::string recoveryDocumentPath_;
    std::optional<GeneRef> chosen_;
    bool pointerOverGrid_ = false;
    bool innerFaceFirst_ = false;
    ToolsPerGeneration toolsUsed_{};

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
