#pragma once
// A document on the fixture sample bank in a fresh working folder, with a
// recording host and a clock the test sets.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "FakeHost.h"
#include "FixtureBank.h"
#include "RecordingCanvas.h"
#include "TempDir.h"
#include "document/CMirelDoc.h"

namespace mirel::test {

class DocumentTest : public testing::Test {
  protected:
    DocumentTest() : workingDir_(folder_.path()) { test::writeFixtureBank(folder_.path()); }

    std::unique_ptr<CMirelDoc> makeDocument() {
        auto created = CMirelDoc::create([this] { return now_; });
        auto* document = std::get_if<std::unique_ptr<CMirelDoc>>(&created);
        if (document == nullptr) {
            ADD_FAILURE() << "fixture bank not loaded: " << std::get<LoadFailure>(created).text;
            return nullptr;
        }
        (*document)->attachHost(&host_);
        return std::move(*document);
    }

    // Lays window 1 out as on screen (1091 x 904: cells of 218).
    void drawGrid(CMirelDoc& document) {
        RecordingCanvas canvas;
        document.DrawGridWindow(canvas, 1091, 904);
    }

    test::TempDir folder_;
    test::ScopedWorkingDir workingDir_;
    FakeHost host_;
    std::int32_t now_ = 1000;
};

}  // namespace mirel::test
