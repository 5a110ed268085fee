#pragma once
// A DocumentHost that records what the document asked of its windows.

#include <string>
#include <utility>
#include <vector>

#include "document/DocumentHost.h"

namespace mirel::test {

struct RecordedMessage {
    MessageKind kind;
    std::string caption;
    std::string text;
};

class FakeHost final : public DocumentHost {
public:
    void activateView(int view) override { activated.push_back(view); }
    void invalidateView(int view) override { invalidated.push_back(view); }
    void setStatusPane(const std::string& text, int width) override {
        statusText = text;
        statusWidth = width;
    }
    void showMessage(MessageKind kind, const std::string& caption,
                     const std::string& text) override {
        messages.push_back({kind, caption, text});
    }
    void showFilesNotSaved(const std::vector<std::string>& paths) override {
        notSaved.push_back(paths);
    }
    void showOutputFolderUnusable(const std::string& folder, int error) override {
        unusableFolders.push_back({folder, error});
    }

    std::vector<int> activated;
    std::vector<int> invalidated;
    std::string statusText;
    int statusWidth = 0;
    std::vector<RecordedMessage> messages;
    std::vector<std::vector<std::string>> notSaved;
    std::vector<std::pair<std::string, int>> unusableFolders;
};

}  // namespace mirel::test
