#pragma once
// A canvas that records what is drawn on it as a Windows metafile (the 16-bit
// WMF format, no placeable header) in text mapping mode with window origin
// (0, 0). Every canvas call becomes the matching metafile record.

#include <filesystem>
#include <memory>
#include <span>

#include "render/Canvas.h"

namespace mirel {

class WmfCanvas final : public Canvas {
  public:
    // Creates the file at `path` and writes the opening records; null when
    // the file cannot be created. The metafile library keeps one object
    // count for the process, so only one WmfCanvas may be open at a time.
    static std::unique_ptr<WmfCanvas> create(const std::filesystem::path& path);

    // Without finish() the file is left empty.
    ~WmfCanvas() override;
    WmfCanvas(const WmfCanvas&) = delete;
    WmfCanvas& operator=(const WmfCanvas&) = delete;

    // Deletes the stock objects, ends the metafile and writes it out. False
    // when a record could not be built or the file was not written whole.
    [[nodiscard]] bool finish();

    ObjectHandle createPen(int width, Rgb colour) override;
    ObjectHandle createBrush(Rgb colour) override;
    ObjectHandle select(ObjectHandle object) override;
    void deleteObject(ObjectHandle object) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polyline(std::span<const IntPoint> points) override;
    void polygon(std::span<const IntPoint> points) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;

  private:
    struct Impl;
    explicit WmfCanvas(std::unique_ptr<Impl> impl);

    std::unique_ptr<Impl> impl_;
};

}  // namespace mirel
