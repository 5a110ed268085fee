#pragma once
// Two independent pieces of work on two cores: `later` on a second thread
// while `earlier` runs on this one, or both here, one after the other, when
// no thread can be had. An exception of either reaches the caller (the
// earlier one's first), so a lack of memory is reported, never lost.

#include <exception>
#include <optional>
#include <system_error>
#include <thread>

namespace mirel {

template <typename Earlier, typename Later>
void runSideBySide(Earlier&& earlier, Later&& later) {
    std::exception_ptr laterError;
    std::optional<std::thread> helper;
    try {
        helper.emplace([&later, &laterError] {
            try {
                later();
            } catch (...) {
                laterError = std::current_exception();
            }
        });
    } catch (const std::system_error&) {
        // No thread to be had: this one does both.
    }
    try {
        earlier();
    } catch (...) {
        if (helper) helper->join();
        throw;
    }
    if (!helper) {
        later();
        return;
    }
    helper->join();
    if (laterError) std::rethrow_exception(laterError);
}

}  // namespace mirel
