#include "app/idle_hold_course.h"

#include <utility>

namespace pelora {

IdleHoldCourse::Steps IdleHoldCourse::hold() {
    wanted_ = true;
    if (held_ || asking_) {
        return {};
    }
    return startAsking();
}

IdleHoldCourse::Steps IdleHoldCourse::release() {
    wanted_ = false;
    Steps steps;
    steps.giveBack = std::exchange(held_, std::nullopt);
    return steps;
}

IdleHoldCourse::Steps IdleHoldCourse::startAsking() {
    asking_ = true;
    askAgain_ = false;
    ownersSeenWhileAsking_.clear();
    return Steps{std::nullopt, 0};
}

IdleHoldCourse::Steps IdleHoldCourse::answered(std::size_t route,
                                               const std::optional<Granted>& granted) {
    asking_ = false;
    if (!granted) {
        if (!wanted_) {
            return {};
        }
        // Not there, or not at that path: the next way, then, should a service have appeared
        // meanwhile, the first way again.
        if (route + 1 < idleRoutes.size()) {
            asking_ = true;
            return Steps{std::nullopt, route + 1};
        }
        return askAgain_ ? startAsking() : Steps{};
    }
    const Held held{route, granted->cookie, granted->owner};
    if (!wanted_) {
        return Steps{held, std::nullopt};
    }
    const auto seen = ownersSeenWhileAsking_.find(std::string_view(idleRoutes.at(route).service));
    if (seen != ownersSeenWhileAsking_.end() && seen->second != held.owner) {
        // Granted by an owner that has gone or been replaced since: the cookie means nothing now.
        return startAsking();
    }
    held_ = held;
    return {};
}

IdleHoldCourse::Steps IdleHoldCourse::ownerChanged(std::string_view service,
                                                   const std::string& newOwner) {
    if (asking_) {
        ownersSeenWhileAsking_.insert_or_assign(std::string(service), newOwner);
        askAgain_ = askAgain_ || !newOwner.empty();
        return {};
    }
    if (held_) {
        if (idleRoutes.at(held_->route).service != service || held_->owner == newOwner) {
            return {};
        }
        // The service that held the show is gone or replaced, and its cookie with it.
        held_.reset();
        return startAsking();
    }
    if (wanted_ && !newOwner.empty()) {
        return startAsking();
    }
    return {};
}

}  // namespace pelora
