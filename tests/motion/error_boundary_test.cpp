// The boundary where the platform calls into the show: whatever the action throws is caught and
// handed on as a French message, the show's own or one that stands for a library's English one;
// nothing escapes, not even a failure of the handler itself.
#include "motion/error_boundary.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "motion/error.h"

namespace pelora {
namespace {

TEST(ErrorBoundary, HandsOnTheMessageOfWhateverTheActionThrows) {
    struct Case {
        const char* name;
        std::function<void()> action;
        std::optional<std::string> message;  // none: nothing reported
    };
    const Case cases[] = {
        {"nothing thrown", [] {}, std::nullopt},
        {"show error", [] { throw ShowError("Indice hors limites dans le tirage : 29"); },
         "Indice hors limites dans le tirage : 29"},
        {"failed allocation", [] { throw std::bad_alloc(); }, "Mémoire insuffisante"},
        {"a library's exception, in English",
         [] { throw std::out_of_range("vector::_M_range_check: __n >= this->size()"); },
         "Erreur interne inattendue"},
        {"a library's runtime error", [] { throw std::runtime_error("Out of memory"); },
         "Erreur interne inattendue"},
        {"non-standard exception", [] { throw 42; }, "Erreur inattendue"},
        {"no action", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        std::vector<std::string> reported;
        runGuarded(c.action, [&](const std::string& message) { reported.push_back(message); });
        const std::vector<std::string> expected =
            c.message ? std::vector<std::string>{*c.message} : std::vector<std::string>{};
        EXPECT_EQ(reported, expected) << c.name;
    }
}

TEST(ErrorBoundary, NothingEscapesWhenTheHandlerFailsOrIsMissing) {
    const auto failing = [] { throw ShowError("Erreur du gestionnaire"); };
    EXPECT_NO_THROW(runGuarded(failing, [](const std::string&) { throw 1; }));
    EXPECT_NO_THROW(runGuarded(failing, ErrorHandler{}));
}

}  // namespace
}  // namespace pelora
