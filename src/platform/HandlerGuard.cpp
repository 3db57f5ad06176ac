#include "platform/HandlerGuard.h"

#include "textfile/RunError.h"

#include <exception>
#include <new>

namespace platform {

std::string failureWords(std::exception_ptr failure, bool numbered) {
    try {
        std::rethrow_exception(failure);
    } catch (const textfile::RunError& e) {
        return numbered ? "Error " + std::to_string(e.number()) + ": " + e.description() : e.description();
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

void guardHandler(Dialogs& dialogs, const FailureBox& box, const std::function<void()>& handler) {
    std::exception_ptr failure;
    try {
        handler();
        return;
    } catch (...) {
        failure = std::current_exception();
    }
    dialogs.messageBox(box.lead + failureWords(failure, box.numbered), box.title, Buttons::OK, box.icon);
}

} // namespace platform
