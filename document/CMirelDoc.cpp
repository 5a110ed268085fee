#include "document/CMirelDoc.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "document/ViewLayout.h"
#include "ga/Exaggeration.h"
#include "ga/PartGallery.h"
#include "output/BitmapExport.h"
#include "output/FaceTextExport.h"
#include "output/HistoryLog.h"
#include "output/MetafileExport.h"
#include "output/OutputFolder.h"
#include "render/DrawFace.h"

namespace mirel {

std::string formatStatusText(int generationCount, int viewedGeneration,
                             const std::string& format) {
    char text[256];
    // The format is one of ours (the source text or its translation).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::snprintf(text, sizeof text, format.c_str(), generationCount, viewedGeneration);
#pragma GCC diagnostic pop
    return text;
}

std::variant<std::unique_ptr<CMirelDoc>, LoadFailure> CMirelDoc::create(
    WallClock clock, const std::string& dataDir) {
    auto loaded = PopulationStore::load(dataDir);
    if (auto* failure = std::get_if<LoadFailure>(&loaded)) return std::move(*failure);
    return std::make_unique<CMirelDoc>(std::move(std::get<PopulationStore>(loaded)),
                                       std::move(clock));
}

CMirelDoc::CMirelDoc(PopulationStore store, WallClock clock)
    : clock_(std::move(clock)),
      store_(std::move(store)),
      outputFolder_(kOutputFolder),
      detailFace(store_.at({0, 0})) {
    history_.clockStart = clock_();
    viewedGeneration = store_.generationCount();
}

CMirelDoc::CMirelDoc(Session session, WallClock clock)
    : CMirelDoc(PopulationStore::restore(std::move(session.records), session.generationCount),
                std::move(clock)) {
    marks_ = session.marks;
    history_ = session.history;
    history_.clockStart = clock_();
    detailFace = session.detailFace;
    viewedGeneration = session.position.viewedGeneration;
    page = session.position.page;
    hoverCell = session.position.hoverCell;
    std::copy(session.locks.begin(), session.locks.begin() + store_.generationCount(),
              bredLocks_.begin());
    locks_ = session.locks[static_cast<std::size_t>(store_.generationCount())];
    chosen_ = session.chosenFace;
    innerFaceFirst_ = session.innerFaceFirst;
    toolsUsed_ = session.tools;
    std::copy(session.breeding.begin(), session.breeding.begin() + store_.generationCount(),
              bredSettings_.begin());
    breeding_ = session.breeding[static_cast<std::size_t>(store_.generationCount())];
}

const Selection& CMirelDoc::currentSelection() const {
    return marks_.selections[store_.generationCount()];
}

FaceRecord& CMirelDoc::hoveredFace() {
    return store_.at({marks_.hoverGeneration, marks_.hoverIndex});
}

FaceRecord& CMirelDoc::faceInCell(int cell) {
    return store_.at({viewedGeneration, page * kCellsPerPage + cell});
}

void CMirelDoc::ActivateView(int n) {
    activeView = n;
    if (host_ != nullptr) host_->activateView(n);
}

void CMirelDoc::UpdateStatusText() {
    if (host_ != nullptr) {
        host_->setStatusPane(formatStatusText(store_.generationCount(), viewedGeneration,
                                              translate(kStatusFormat)),
                             kStatusPaneWidth);
        host_->setPagePane(page, kPageCount);
        host_->setLockPane(locks_);
        host_->setChosenPane(chosen_);
    }
}

void CMirelDoc::DrawPopulationPage(Canvas& canvas) {
    const int half = cellSize / 2;
    for (int cell = 0; cell < kCellsPerPage; ++cell) {
        const int row = cell / kGridColumns;
        const int column = cell % kGridColumns;
        // The stored record is drawn itself: drawing refreshes its absolute
        // points and derived flags, which a save of this face then writes.
        DrawFace(faceInCell(cell), canvas, half + 2 * half * column, half + 2 * half * row,
                 cellSize, faceLineWidth);
    }
}

std::vector<FaceRecord> CMirelDoc::PreparePageFaces(int generation, int page) {
    std::vector<FaceRecord> faces;
    faces.reserve(kCellsPerPage);
    for (int cell = 0; cell < kCellsPerPage; ++cell) {
        FaceRecord& stored = store_.at({generation, page * kCellsPerPage + cell});
        PrepareFace(stored);
        faces.push_back(stored);
    }
    return faces;
}

std::vector<FaceRecord> CMirelDoc::PreparedPageCopies(int generation, int page) const {
    std::vector<FaceRecord> faces;
    faces.reserve(kCellsPerPage);
    for (int cell = 0; cell < kCellsPerPage; ++cell) {
        faces.push_back(store_.at({generation, page * kCellsPerPage + cell}));
        PrepareFace(faces.back());
    }
    return faces;
}

void CMirelDoc::RedrawMarks(Canvas& canvas) {
    marks_.RedrawSelectionMarks(canvas, viewedGeneration, page, store_.generationCount(),
                                cellSize, markLineWidth);
}

void CMirelDoc::ToggleMark(Canvas& canvas, int cell) {
    // A full Selection still gives a mark back, so a wrong one can be taken off.
    if (currentSelection().count >= kMaxMarks &&
        !IsMarked({viewedGeneration, page * kCellsPerPage + cell})) {
        return;
    }
    modified_ = true;
    marks_.ToggleSelectionMark(canvas, viewedGeneration, page, cell, store_.generationCount(),
                               cellSize, markLineWidth);
    if (host_ != nullptr) host_->marksChanged();
}

bool CMirelDoc::IsMarked(GeneRef face) const {
    if (marks_.resetPending != 0) return false;
    const Selection& marks = currentSelection();
    for (int k = 0; k < marks.count && k < kMaxMarks; ++k) {
        if (marks.mark(k) == face) return true;
    }
    return false;
}

void CMirelDoc::HoverFace(int cell) {
    const GeneRef hovered{viewedGeneration, page * kCellsPerPage + cell};
    const GeneRef previous{marks_.hoverGeneration, marks_.hoverIndex};
    marks_.hoverGeneration = hovered.generation;
    marks_.hoverIndex = hovered.index;
    if (hovered != previous && host_ != nullptr) host_->invalidateView(kDetailView);
}

void CMirelDoc::AdvanceGeneration() {
    const int g = store_.generationCount();
    if (marks_.selections[g].count < 1) return;
    // A refused breeding (the last generation) must leave the marks usable,
    // so the reset flag is only raised once the new generation exists.
    const BreedResult result =
        store_.breedNextGeneration(marks_.selections[g], locks_, breeding_);
    if (result == BreedResult::GenerationLimit) {
        report(MessageKind::Error, std::string(kGenerationLimitCaption),
               std::string(kGenerationLimitText));
    }
    if (result != BreedResult::Bred) return;
    bredLocks_[g] = locks_;
    bredSettings_[g] = breeding_;
    toolsUsed_[g] = ToolUse{};
    generationAdded(g);
}

std::optional<ToolRefusal> CMirelDoc::MakeToolGeneration(ToolKind kind, FacePart part) {
    if (!chosen_) return ToolRefusal::NoChosenFace;
    const int g = store_.generationCount();
    if (g >= kLastGeneration) return ToolRefusal::GenerationLimit;
    const FaceRecord chosen = store_.at(*chosen_);
    const PopulationStore::Generation bank = store_.generation(0);
    const ToolGeneration made =
        kind == ToolKind::PartGallery
            ? makePartGallery(part, chosen, bank.first<kSampleCount>(), store_.generation(g))
            : makeExaggerationRange(chosen, bank[kAverageSample]);
    if (made.refusal) return made.refusal;
    if (store_.addGeneration(PopulationStore::Generation(made.faces.data(), kPopulationSize)) !=
        BreedResult::Bred) {
        return ToolRefusal::GenerationLimit;
    }
    // A tool's generation is not bred, so no lock was bred with.
    bredLocks_[g] = PartLocks{};
    bredSettings_[g] = BreedingSettings{};
    toolsUsed_[g] = ToolUse{kind, part, *chosen_};
    generationAdded(g);
    return std::nullopt;
}

void CMirelDoc::generationAdded(int g) {
    marks_.resetPending = 1;
    marks_.selections[g + 1].count = 0;
    viewedGeneration = g + 1;
    page = 0;
    stepGenerationClock(history_, clock_());
    ++history_.logGeneration;
    modified_ = true;
    if (host_ == nullptr) {
        writeRecovery();
        return;
    }
    host_->invalidateView(kGridView);
    host_->marksChanged();
    // A save in the meantime has made the recovery file needless.
    host_->recoveryDue([this] {
        if (modified_) writeRecovery();
    });
}

void CMirelDoc::InvalidateView(int n) {
    if (host_ != nullptr) host_->invalidateView(n);
}

bool CMirelDoc::ShowFace(GeneRef face) {
    if (!isStored(face, store_.generationCount())) return false;
    viewedGeneration = face.generation;
    page = face.index / kCellsPerPage;
    hoverCell = face.index % kCellsPerPage;
    HoverFace(hoverCell);
    if (host_ != nullptr) host_->invalidateView(kGridView);
    return true;
}

bool CMirelDoc::ShowPage(int newPage) {
    if (newPage < 0 || newPage >= kPageCount || newPage == page) return false;
    page = newPage;
    if (host_ != nullptr) host_->invalidateView(kGridView);
    return true;
}

bool CMirelDoc::ChooseFace(int cell) {
    const GeneRef face{viewedGeneration, page * kCellsPerPage + cell};
    if (chosen_ == face) return false;
    chosen_ = face;
    choiceChanged();
    return true;
}

void CMirelDoc::ClearChosenFace() {
    if (!chosen_) return;
    chosen_.reset();
    choiceChanged();
}

void CMirelDoc::choiceChanged() {
    modified_ = true;
    if (host_ == nullptr) return;
    host_->setChosenPane(chosen_);
    host_->invalidateView(kGridView);
    host_->invalidateView(kDetailView);
}

GeneRef CMirelDoc::theFaceRef() const {
    return chosen_.value_or(GeneRef{marks_.hoverGeneration, marks_.hoverIndex});
}

FaceRecord CMirelDoc::theFace() const {
    if (!chosen_) return detailFace;
    FaceRecord face = store_.at(*chosen_);
    PrepareFace(face);
    return face;
}

void CMirelDoc::SetPointerOverGrid(bool over) {
    if (over == pointerOverGrid_) return;
    const GeneRef before = detailRef();
    pointerOverGrid_ = over;
    if (detailRef() != before && host_ != nullptr) host_->invalidateView(kDetailView);
}

GeneRef CMirelDoc::detailRef() const {
    if (chosen_ && !pointerOverGrid_) return *chosen_;
    return GeneRef{marks_.hoverGeneration, marks_.hoverIndex};
}

void CMirelDoc::SetInnerFaceFirst(bool on) {
    if (on == innerFaceFirst_) return;
    innerFaceFirst_ = on;
    modified_ = true;
    if (host_ == nullptr) return;
    host_->invalidateView(kGridView);
    host_->invalidateView(kDetailView);
}

void CMirelDoc::LockPart(FacePart part) {
    locks_[part] = theFaceRef();
    locksChanged();
}

void CMirelDoc::UnlockPart(FacePart part) {
    locks_[part].reset();
    locksChanged();
}

void CMirelDoc::ClearPartLocks() {
    locks_ = PartLocks{};
    locksChanged();
}

std::array<PartLocks, kGenerationCount> CMirelDoc::locksPerGeneration() const {
    std::array<PartLocks, kGenerationCount> locks = bredLocks_;
    locks[store_.generationCount()] = locks_;
    return locks;
}

void CMirelDoc::SetBreedingSettings(const BreedingSettings& settings) {
    if (settings == breeding_) return;
    breeding_ = settings;
    modified_ = true;
}

std::array<BreedingSettings, kGenerationCount> CMirelDoc::settingsPerGeneration() const {
    std::array<BreedingSettings, kGenerationCount> settings = bredSettings_;
    settings[static_cast<std::size_t>(store_.generationCount())] = breeding_;
    return settings;
}

void CMirelDoc::locksChanged() {
    modified_ = true;
    if (host_ == nullptr) return;
    host_->setLockPane(locks_);
    host_->invalidateView(kDetailView);
}

std::filesystem::path CMirelDoc::inOutputFolder(const char* fixedPath) const {
    return outputFolder_ / std::filesystem::path(fixedPath).filename();
}

void CMirelDoc::SaveFace(FaceRecord face) {
    const std::filesystem::path& folder = outputFolder_;
    // On a fresh start there is no output folder. One that cannot be made or
    // written would fail every step below for the same reason: said once.
    if (const int error = prepareOutputFolder(folder)) {
        if (host_ != nullptr) host_->showOutputFolderUnusable(folder.string(), error);
        return;
    }

    // Every step runs whatever the earlier ones did; each reports its own failure.
    std::vector<std::filesystem::path> notWritten;
    const auto metafile = inOutputFolder(kMetafilePath);
    if (auto failure = ExportMetafile(face, metafile)) {
        report(MessageKind::Error, kMessageCaption, *failure);
        notWritten.push_back(metafile);
    }
    const auto bitmap = inOutputFolder(kBitmapPath);
    bool bitmapWritten = false;
    if (auto failure = ExportBitmap(face, detailSize, bitmap, &bitmapWritten)) {
        report(MessageKind::Error, kMessageCaption, *failure);
    }
    if (!bitmapWritten) notWritten.push_back(bitmap);
    if (auto failure = ExportFaceText(face, folder, &notWritten)) {
        report(MessageKind::Error, kMessageCaption, *failure);
    }
    const auto historyLog = inOutputFolder(kHistoryLogPath);
    const auto locks = locksPerGeneration();
    if (auto failure =
            WriteHistoryLog(history_, marks_.selections, clock_(), historyLog, locks, toolsUsed_,
                            settingsPerGeneration())) {
        report(MessageKind::Error, kMessageCaption, *failure);
        notWritten.push_back(historyLog);
    }
    if (notWritten.empty()) {
        // Outside the project folder the user has to be told where the files went.
        const std::string where = outputFolder_ != kOutputFolder
                                      ? translate(kSavedToText) + outputFolder_.string()
                                      : std::string();
        report(MessageKind::Information, kMessageCaption, kFaceSavedText, where);
    } else if (host_ != nullptr) {
        std::vector<std::string> names;
        for (const auto& path : notWritten) names.push_back(path.string());
        host_->showFilesNotSaved(names);
    }
}

DocumentState CMirelDoc::undoState() const {
    return DocumentState{
        .generationCount = store_.generationCount(),
        .marks = marks_,
        .history = history_,
        .locks = locks_,
        .bredLocks = bredLocks_,
        .detailFace = detailFace,
        .position = {viewedGeneration, page, hoverCell},
        .chosenFace = chosen_,
        .toolsUsed = toolsUsed_,
        .innerFaceFirst = innerFaceFirst_,
        .breeding = breeding_,
        .bredSettings = bredSettings_,
    };
}

std::vector<FaceRecord> CMirelDoc::recordsAbove(int generationCount) const {
    std::vector<FaceRecord> records;
    for (int g = std::max(generationCount + 1, 0); g <= store_.generationCount(); ++g) {
        const auto generation = store_.generation(g);
        records.insert(records.end(), generation.begin(), generation.end());
    }
    return records;
}

void CMirelDoc::restoreUndoState(const DocumentState& state,
                                 std::span<const FaceRecord> regained) {
    const bool generationsChanged = state.generationCount != store_.generationCount();
    store_.setNewest(state.generationCount, regained);
    marks_ = state.marks;
    history_ = state.history;
    locks_ = state.locks;
    bredLocks_ = state.bredLocks;
    detailFace = state.detailFace;
    viewedGeneration = state.position.viewedGeneration;
    page = state.position.page;
    hoverCell = state.position.hoverCell;
    chosen_ = state.chosenFace;
    toolsUsed_ = state.toolsUsed;
    innerFaceFirst_ = state.innerFaceFirst;
    breeding_ = state.breeding;
    bredSettings_ = state.bredSettings;
    if (host_ == nullptr) return;
    host_->setChosenPane(chosen_);
    for (const int view : {kGridView, kDetailView, kBlankView}) host_->invalidateView(view);
    host_->marksChanged();
    UpdateStatusText();
    // The recovery file must not bring back a generation the user took back.
    if (generationsChanged) {
        host_->recoveryDue([this] {
            if (modified_) writeRecovery();
        });
    }
}

HistoryRecord CMirelDoc::bookedHistory() const {
    HistoryRecord booked = history_;
    stepGenerationClock(booked, clock_());
    return booked;
}

SessionSource CMirelDoc::sessionSource(const HistoryRecord& booked,
                                       std::string documentPath) const {
    const std::size_t stored = std::size_t(store_.generationCount() + 1) * kPopulationSize;
    return SessionSource{
        .generations = std::span<const FaceRecord>(&store_.at({0, 0}), stored),
        .marks = marks_,
        .history = booked,
        .detailFace = detailFace,
        .position = {viewedGeneration, page, hoverCell},
        .documentPath = std::move(documentPath),
        .locks = locksPerGeneration(),
        .chosenFace = chosen_,
        .innerFaceFirst = innerFaceFirst_,
        .tools = toolsUsed_,
        .breeding = settingsPerGeneration(),
    };
}

FileWriteResult CMirelDoc::saveSession(const std::filesystem::path& path) {
    const HistoryRecord booked = bookedHistory();
    const FileWriteResult result = writeSessionFile(path, sessionSource(booked));
    if (result.written()) {
        modified_ = false;
        discardRecovery();
    }
    return result;
}

void CMirelDoc::setRecoveryFile(std::filesystem::path file, std::string documentPath) {
    recoveryFile_ = std::move(file);
    recoveryDocumentPath_ = std::move(documentPath);
}

void CMirelDoc::writeRecovery() {
    if (recoveryFile_.empty()) return;
    std::error_code ignored;
    std::filesystem::create_directories(recoveryFile_.parent_path(), ignored);
    const HistoryRecord booked = bookedHistory();
    // A copy of the user's work in their own folder: theirs alone to read.
    (void)writeSessionFile(recoveryFile_, sessionSource(booked, recoveryDocumentPath_),
                           FileAccess::kPrivate);
}

void CMirelDoc::discardRecovery() {
    if (recoveryFile_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove(recoveryFile_, ignored);
}

void CMirelDoc::LayoutGrid(int width, int height) {
    const GridLayout layout = layoutGrid(width, height);
    gridWidth = width;
    gridHeight = height;
    cellSize = layout.cellSize;
    markLineWidth = layout.markLineWidth;
    faceLineWidth = layout.faceLineWidth;
}

void CMirelDoc::DrawGridWindow(Canvas& canvas, int width, int height) {
    canvas.fillRect(0, 0, width, height, kWhite);
    LayoutGrid(width, height);
    DrawPopulationPage(canvas);
    RedrawMarks(canvas);
    UpdateStatusText();
}

void CMirelDoc::DrawDetailWindow(Canvas& canvas, int width, int height, FaceStyle style) {
    canvas.fillRect(0, 0, width, height, kWhite);
    const DetailLayout layout = layoutDetail(width, height);
    detailWidth = width;
    detailHeight = height;
    detailSize = layout.size;
    detailLineWidth = layout.lineWidth;
    detailFace = store_.at(detailRef());
    DrawFace(detailFace, canvas, layout.originX, layout.originY, detailSize, detailLineWidth,
             style);
}

void CMirelDoc::report(MessageKind kind, const std::string& caption, const std::string& text,
                       const std::string& detail) {
    if (host_ == nullptr) return;
    const std::string shown = translate(text);
    host_->showMessage(kind, caption, detail.empty() ? shown : shown + "\n" + detail);
}

std::string CMirelDoc::translate(const std::string& text) const {
    return host_ != nullptr ? host_->translate(text) : text;
}

}  // namespace mirel
