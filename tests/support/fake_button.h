// The ">>" button for tests without a window: it keeps the click handler that the wiring binds
// and clicks when the test says so.
#pragma once

#include <functional>
#include <utility>

namespace pelora::testing {

class FakeButton {
public:
    void setClickHandler(std::function<void()> onClick) { onClick_ = std::move(onClick); }
    void click() const {
        if (onClick_) {
            onClick_();
        }
    }

private:
    std::function<void()> onClick_;
};

}  // namespace pelora::testing
