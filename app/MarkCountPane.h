#pragma once
// The status-bar pane that counts the faces marked in the newest generation
// of the document in front (out of the 60 one generation can hold).

#include <QLabel>

#include <optional>

namespace mirel {

class MarkCountPane final : public QLabel {
    Q_OBJECT
public:
    explicit MarkCountPane(QWidget* parent);

    // The count of the document in front; nothing when no document is open.
    void showCount(std::optional<int> count);
};

}  // namespace mirel
