#include "views/CChild3View.h"

#include <QMouseEvent>
#include <QPainter>

#include "document/CMirelDoc.h"
#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"
#include "views/MarkList.h"

namespace mirel {
namespace {

constexpr QColor kCurrentHeader{128, 0, 0};
constexpr QColor kKeptTileBackground{240, 240, 240};

QString headerText(const MarkSection& section) {
    if (section.current) {
        return CChild3View::tr("印を付けた顔 %1／%2").arg(section.faces.size()).arg(kMaxMarks);
    }
    return CChild3View::tr("第%1世代で印を付けた顔").arg(section.generation);
}

QString captionText(GeneRef face) {
    return CChild3View::tr("%1・%2", "generation and index").arg(face.generation).arg(face.index);
}

}  // namespace

CChild3View::CChild3View(CMirelDoc& document, QWidget* parent) : MirelView(document, parent) {
    setObjectName(QStringLiteral("window3"));
}

void CChild3View::drawView(QPainter& painter, QSize clientSize) {
    painter.fillRect(QRect(QPoint(0, 0), clientSize), Qt::white);
    CMirelDoc& doc = document();
    const std::vector<MarkSection> sections = markSections(doc);
    const QFontMetrics metrics(font(), painter.device());
    const MarkListLayout layout = layoutMarkList(sections, clientSize, metrics.height());

    std::size_t tile = 0;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const MarkSection& section = sections[s];
        const QRect header = layout.headers[s];
        painter.setPen(section.current ? kCurrentHeader
                                       : palette().color(QPalette::PlaceholderText));
        painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(headerText(section), Qt::ElideRight, header.width()));
        for (std::size_t k = 0; k < section.faces.size(); ++k, ++tile) {
            const MarkTile& place = layout.tiles[tile];
            // The marks that bred a generation are kept as they are: greyed behind.
            if (!section.current) painter.fillRect(place.picture, kKeptTileBackground);
            FaceRecord face = doc.populationStore().at(place.face);
            {
                QPainterCanvas canvas(painter, painter.device() == this);
                const QPoint centre = place.picture.center();
                DrawFace(face, canvas, centre.x(), centre.y(), layout.tileSize,
                         facePenWidth(layout.tileSize));
            }
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(
                place.caption, Qt::AlignHCenter | Qt::AlignTop,
                metrics.elidedText(captionText(place.face), Qt::ElideRight, place.caption.width()));
        }
    }
}

void CChild3View::mouseMoveEvent(QMouseEvent* event) {
    CMirelDoc& doc = document();
    if (doc.activeView != kBlankView) doc.ActivateView(kBlankView);
    MirelView::mouseMoveEvent(event);
}

void CChild3View::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        CMirelDoc& doc = document();
        const MarkListLayout layout =
            layoutMarkList(markSections(doc), size(), fontMetrics().height());
        const QPoint at = event->position().toPoint();
        for (const MarkTile& tile : layout.tiles) {
            if (!tile.picture.united(tile.caption).contains(at)) continue;
            // Shown and chosen, so the face is framed and is what a command acts on.
            if (doc.ShowFace(tile.face)) {
                doc.ChooseFace(tile.face.index % kCellsPerPage);
                emitHint(UserAction::ShownFromList);
            }
            break;
        }
    }
    MirelView::mousePressEvent(event);
}

}  // namespace mirel
