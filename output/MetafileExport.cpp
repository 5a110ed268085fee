#include "output/MetafileExport.h"

#include "output/AtomicFile.h"
#include "output/OutputMessages.h"
#include "output/WmfCanvas.h"
#include "render/DrawFace.h"

namespace mirel {

bool writeFaceMetafile(FaceRecord record, const std::filesystem::path& path) {
    const std::unique_ptr<WmfCanvas> canvas = WmfCanvas::create(path);
    if (canvas == nullptr) return false;
    DrawFace(record, *canvas, kMetafileOrigin, kMetafileOrigin, kMetafileSize, kMetafilePenWidth);
    return canvas->finish();
}

std::optional<std::string> ExportMetafile(const FaceRecord& record,
                                          const std::filesystem::path& path) {
    const auto write = [&record](const std::filesystem::path& temporary) {
        return writeFaceMetafile(record, temporary);
    };
    if (!replaceFileWith(path, write).written()) return kMetafileSaveFailed;
    return std::nullopt;
}

}  // namespace mirel
